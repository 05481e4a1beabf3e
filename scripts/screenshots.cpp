// orvan_screenshots: pictures of orvan-print and of each panel and dialog of its bundle,
// drawn by Qt's offscreen platform, for the README (scripts/screenshots keeps them
// current). Everything is reached the way a user reaches it: the dialogs open from
// their panels' buttons and are filled in with the keyboard.
//
//   orvan_screenshots OUTPUT_DIRECTORY [BUNDLE]
#include "host/JobOptions.h"
#include "host/PrintDialog.h"
#include "host/StartPage.h"
#include "host/PreviewWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

QDir output;
int failures = 0;

void fail(const QString& what)
{
    std::fprintf(stderr, "orvan_screenshots: %s\n", qPrintable(what));
    ++failures;
}

void save(QWidget* widget, const QString& name)
{
    if (!widget) return fail(QStringLiteral("%1: nothing to picture").arg(name));
    const QString path = output.filePath(name);
    // Best compression: the pictures live in the repository.
    if (!widget->grab().toImage().save(path, "PNG", 0)) return fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s\n", qPrintable(path));
}

template <class T>
T* child(QWidget* parent, const char* name)
{
    T* widget = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!widget) fail(QStringLiteral("no %1").arg(QString::fromLatin1(name)));
    return widget;
}

void typeInto(QLineEdit* field, const QString& text)
{
    if (!field) return;
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Runs `fill` in the next modal dialog to open, pictures it as `name`, then presses `key`.
void whenModal(const QString& name, Qt::Key key, std::function<void(QDialog*)> fill)
{
    QTimer::singleShot(0, [=] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return fail(QStringLiteral("%1 did not open").arg(name));
        fill(dialog);
        save(dialog, name);
        QTest::keyClick(dialog, key);
        if (dialog && dialog->isVisible()) {
            fail(QStringLiteral("%1 stayed open").arg(name));
            dialog->hide();
        }
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The README is in English, whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: orvan_screenshots OUTPUT_DIRECTORY [BUNDLE]\n", stderr);
        return 2;
    }
    output = QDir(arguments.at(1));
    if (!output.mkpath(QStringLiteral("."))) {
        fail(QStringLiteral("cannot make %1").arg(output.path()));
        return 1;
    }

    // Save to File on the bundled Orvan PPD, with settings kept nowhere that lasts.
    QTemporaryDir presets;
    host::DialogOptions options;
    options.bundlePath = arguments.value(2);
    options.useServer = false;
    options.presetDirectory = presets.path();
    QString error;
    std::unique_ptr<host::PrintDialog> dialog = host::PrintDialog::create(options, host::testPage(), &error);
    if (!dialog) {
        fail(error);
        return 1;
    }
    dialog->show();
    if (!QTest::qWaitFor([&] { return dialog->isSettled(); }, 10000)) fail(QStringLiteral("the dialog did not settle"));
    save(dialog.get(), QStringLiteral("orvan-print.png"));

    // Layout and Paper, the page shown first: A4, two pages a sheet with borders.
    QWidget* layout = child<QWidget>(dialog.get(), "layoutPage");
    for (const auto& [popup, choice] : {std::pair{"paperSizePopUp", "A4"}, std::pair{"pagesPerSheetPopUp", "2"},
                                        std::pair{"pageBorderPopUp", "Single line"}}) {
        auto* box = child<QComboBox>(layout, popup);
        const int index = box ? box->findText(QString::fromLatin1(choice)) : -1;
        if (index < 0) {
            fail(QStringLiteral("no %1 in %2").arg(QString::fromLatin1(choice), QString::fromLatin1(popup)));
            continue;
        }
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    save(layout, QStringLiteral("layout-and-paper.png"));

    // The preview of the test page on those sheets, once it is drawn.
    if (auto* button = child<QAbstractButton>(dialog.get(), "previewButton")) button->click();
    if (QPointer<host::PreviewWindow> preview = dialog->previewWindow()) {
        preview->resize(520, 460);
        if (!QTest::qWaitFor([&] { return !preview || preview->isSheetComplete() || !preview->message().isEmpty(); }, 30000))
            fail(QStringLiteral("the preview never drew its sheet"));
        if (preview && !preview->message().isEmpty()) fail(preview->message());
        save(preview, QStringLiteral("preview.png"));
        if (preview) preview->close();
    } else {
        fail(QStringLiteral("the preview did not open"));
    }

    // Image Options, and Color Balance opened from it: switch on, Cyan, a few levels.
    dialog->showPanel(0);
    QWidget* imageOptions = child<QWidget>(dialog.get(), "PDEView");
    save(imageOptions, QStringLiteral("image-options.png"));
    whenModal(QStringLiteral("color-balance.png"), Qt::Key_Escape, [](QDialog* d) {
        if (auto* enable = child<QAbstractButton>(d, "EnableButton")) enable->click();
        if (auto* target = child<QComboBox>(d, "targetColorButton")) QTest::keyClick(target, Qt::Key_Down);
        typeInto(child<QLineEdit>(d, "TextOne"), QStringLiteral("2"));
        typeInto(child<QLineEdit>(d, "TextThree"), QStringLiteral("-1"));
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    });
    if (auto* button = child<QAbstractButton>(imageOptions, "colorBalanceButton")) button->click();

    // Job Type: Secure Print chosen from the pop-up opens its dialog; OK keeps it chosen.
    dialog->showPanel(1);
    QWidget* jobType = child<QWidget>(dialog.get(), "JobTypeView");
    whenModal(QStringLiteral("secure-print.png"), Qt::Key_Return, [](QDialog* d) {
        typeInto(child<QLineEdit>(d, "TextUserIDBox"), QStringLiteral("alice"));
        typeInto(child<QLineEdit>(d, "TextPasscodeBox"), QStringLiteral("2468"));
    });
    if (auto* popup = child<QComboBox>(jobType, "jobtypeButton")) QTest::keyClick(popup, Qt::Key_Down);
    save(jobType, QStringLiteral("job-type.png"));

    dialog.reset();

    // Printer Features on a description with options no page or panel shows: its set of
    // custom values (number, text, password), one of them chosen.
    options.ppdPath = QStringLiteral(ORVAN_SOURCE_DIR "/tests/host/data/features.ppd");
    dialog = host::PrintDialog::create(options, host::testPage(), &error);
    if (dialog) {
        dialog->show();
        if (!dialog->showEntry(QStringLiteral("features"))) fail(QStringLiteral("no Printer Features page"));
        QWidget* features = child<QWidget>(dialog.get(), "featuresPage");
        if (auto* sets = child<QComboBox>(features, "featureSetPopUp")) {
            const int custom = sets->findText(QStringLiteral("Custom Values"));
            if (custom < 0) fail(QStringLiteral("no Custom Values set"));
            sets->setCurrentIndex(custom);
            emit sets->activated(custom);
        }
        // A custom print density, typed into the number field it brings.
        if (auto* density = child<QComboBox>(features, "feature_Density")) {
            const int custom = density->findData(QStringLiteral("Custom"));
            if (custom < 0) fail(QStringLiteral("no custom print density"));
            density->setCurrentIndex(custom);
            emit density->activated(custom);
        }
        QTest::qWait(50);
        save(features, QStringLiteral("printer-features.png"));
        dialog.reset();
    } else {
        fail(error);
    }

    // Started without a document: what to print is asked, nothing goes out unasked.
    {
        host::StartPage start;
        start.show();
        QTest::qWait(50);
        save(&start, QStringLiteral("start-page.png"));
    }
    return failures == 0 ? 0 : 1;
}
