#pragma once
// What the host's tests share: the dialog made the way orvan-print makes it (the bundle
// loaded from the build tree, never the plug-in's code linked in), waiting for it to
// settle, and driving its widgets as a user would.
#include "host/JobOptions.h"
#include "host/PrintDialog.h"

#include "platform/Help.h"
#include "platform/PDEPanel.h"
#include "tests/host/PdfFile.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UserActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace hosttest {

inline QString orvanPrint() { return QStringLiteral(ORVAN_PRINT_EXE); }
inline QString hostDataPath(const QString& name)
{
    return testsupport::sourcePath(QStringLiteral("tests/host/data/") + name);
}

// A small but complete PDF of `pages` Letter pages ("Orvan", "Orvan 2", ...).
inline QByteArray pdfDocument(int pages = 1)
{
    // Objects: the catalog, the page tree, each page and its contents, the font.
    const QByteArray font = QByteArray::number(3 + 2 * pages);
    QByteArray kids;
    for (int i = 0; i < pages; ++i) kids += (i ? " " : "") + QByteArray::number(3 + 2 * i) + " 0 R";
    QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages) + " >>",
    };
    for (int i = 0; i < pages; ++i) {
        const QByteArray stream =
            "BT /F1 24 Tf 72 720 Td (Orvan" + (i ? " " + QByteArray::number(i + 1) : QByteArray()) + ") Tj ET";
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents " + QByteArray::number(4 + 2 * i) +
                       " 0 R /Resources << /Font << /F1 " + font + " 0 R >> >> >>"
                << "<< /Length " + QByteArray::number(stream.size()) + " >>\nstream\n" + stream + "\nendstream";
    }
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";
    return pdfFile(objects);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline host::Document pdf(const QString& name = QStringLiteral("report.pdf"), int pages = 1)
{
    host::Document document;
    document.name = name;
    document.format = QStringLiteral("application/pdf");
    document.data = pdfDocument(pages);
    return document;
}

// Waits (processing events) until `done` holds; false after `timeoutMs`.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs = 30000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

// A widget of the dialog (its panels' views included) by object name.
template <class T>
T* find(QWidget* root, const char* name)
{
    return root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

using useractions::chooseItem;

// Runs `interact` inside the next modal loop that `open` starts; `interact` gets the
// modal window and should end it. Fails the test when no modal loop ran.
inline void inModal(const std::function<void()>& open, const std::function<void(QDialog*)>& interact)
{
    bool ran = false;
    QTimer::singleShot(0, qApp, [&] {
        ran = true;
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        EXPECT_NE(window, nullptr) << "no modal window is running";
        if (!window) return;
        QPointer<QDialog> guard(window);
        interact(window);
        if (guard && guard->isVisible()) {
            ADD_FAILURE() << "the modal window " << guard->objectName().toStdString() << " is still open";
            guard->reject();
        }
    });
    open();
    EXPECT_TRUE(ran);
}

// The view of the panel named `name`, or null.
inline QWidget* panelView(host::PrintDialog* dialog, const QString& name)
{
    for (platform::PDEPanel* panel : dialog->panels())
        if (panel->panelName() == name) return panel->panelView();
    return nullptr;
}

// Job Type panel -> Secure Print -> the setup dialog: user ID, passcode, "Enter Name
// Mode" with `newName`, OK.
inline void chooseSecurePrint(host::PrintDialog* dialog, const QString& user, const QString& passcode,
                              const QString& newName)
{
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "panelPopUp"), QStringLiteral("Job Type")));
    auto* jobType = find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton");
    ASSERT_NE(jobType, nullptr);
    hosttest::inModal([&] { chooseItem(jobType, QStringLiteral("Secure Print")); },
                      [&](QDialog* setup) {
                          auto* userField = find<QLineEdit>(setup, "TextUserIDBox");
                          auto* passField = find<QLineEdit>(setup, "TextPasscodeBox");
                          auto* mode = find<QComboBox>(setup, "pJobNameButton");
                          auto* nameField = find<QLineEdit>(setup, "TextJobNameBox");
                          ASSERT_TRUE(userField && passField && mode && nameField);
                          userField->clear();
                          passField->clear();
                          QTest::keyClicks(userField, user);
                          QTest::keyClicks(passField, passcode);
                          ASSERT_TRUE(chooseItem(mode, mode->itemText(1)));
                          nameField->clear();
                          QTest::keyClicks(nameField, newName);
                          QTest::mouseClick(find<QAbstractButton>(setup, "okButton"), Qt::LeftButton);
                      });
    EXPECT_EQ(jobType->currentText(), QStringLiteral("Secure Print"));
}

inline QString customBase64(const QString& text)
{
    return QStringLiteral("Custom.") + QString::fromLatin1(text.toUtf8().toBase64());
}

// The summary as "section/title" -> value.
QMap<QString, QString> summary(host::PrintDialog* dialog)
{
    QMap<QString, QString> rows;
    auto* tree = find<QTreeWidget>(dialog, "summaryView");
    for (int s = 0; tree && s < tree->topLevelItemCount(); ++s) {
        QTreeWidgetItem* section = tree->topLevelItem(s);
        rows.insert(section->text(0), QString());
        for (int r = 0; r < section->childCount(); ++r)
            rows.insert(section->text(0) + QLatin1Char('/') + section->child(r)->text(0).trimmed(),
                        section->child(r)->text(1));
    }
    return rows;
}

// The dialog of orvan-print for tests: a private preset directory, alerts recorded.
class HostDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::resetHelpRegistry();
        ASSERT_TRUE(dir_.isValid());
        qputenv("CUPS_SERVER", unreachableServer().toUtf8());
    }

    void TearDown() override
    {
        dialog_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal loop outlived its test";
        platform::resetHelpRegistry();
    }

    // A loopback address where nothing listens.
    static QString unreachableServer() { return QStringLiteral("127.0.0.1:9"); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString presetDirectory() const { return dir_.filePath(QStringLiteral("config/orvan-print")); }

    host::DialogOptions options(bool useServer = false) const
    {
        host::DialogOptions options;
        options.bundlePath = testsupport::bundlePath();
        options.presetDirectory = presetDirectory();
        options.outputPath = path(QStringLiteral("out.pdf"));
        options.useServer = useServer;
        return options;
    }

    host::PrintDialog* open(const host::DialogOptions& options, const host::Document& document = pdf())
    {
        dialog_.reset();
        QString error;
        dialog_ = host::PrintDialog::create(options, document, &error);
        EXPECT_TRUE(dialog_) << error.toStdString();
        if (!dialog_) return nullptr;
        dialog_->setConfirmer([this](const QString& message, const QString& details) {
            confirmations_.append(message + QLatin1Char('\n') + details);
            return confirmAnswer_;
        });
        dialog_->show();
        EXPECT_TRUE(waitFor([this] { return dialog_->isSettled(); }));
        return dialog_.get();
    }

    // orvan-print as a process of its own on this test's settings folder and the build's
    // bundle, printing `document` to `printer` of `server` unattended (--accept); its exit
    // status (-1 when it did not end), its output and messages in `output`.
    int acceptInNewProcess(const QString& server, const QString& printer, const QString& document,
                           QByteArray* output,
                           QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) const
    {
        environment.insert(QStringLiteral("CUPS_SERVER"), server);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath());
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(orvanPrint(), {QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--printer"),
                                   printer, document});
        const bool ended = child.waitForFinished(120000);
        *output = child.readAll();
        return ended ? child.exitCode() : -1;
    }

    // Presses Print and waits for the outcome; true when the job went out.
    bool print()
    {
        QSignalSpy printed(dialog_.get(), &host::PrintDialog::printed);
        QSignalSpy failed(dialog_.get(), &host::PrintDialog::printFailed);
        QTest::mouseClick(find<QAbstractButton>(dialog_.get(), "printButton"), Qt::LeftButton);
        waitFor([&] { return !printed.isEmpty() || !failed.isEmpty() || !dialog_->isBusy(); });
        waitFor([&] { return !printed.isEmpty() || !failed.isEmpty(); }, 200);
        if (!printed.isEmpty()) lastJobId_ = printed.first().first().toInt();
        return !printed.isEmpty();
    }

    QTemporaryDir dir_;
    std::unique_ptr<host::PrintDialog> dialog_;
    testsupport::AlertRecorder alerts_;
    QStringList confirmations_;
    bool confirmAnswer_ = true;
    int lastJobId_ = -1;
};

} // namespace hosttest
