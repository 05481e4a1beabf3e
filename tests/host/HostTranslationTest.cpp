// orvan-print in the user's language: no visible text of the window (labels, buttons,
// pop-ups, notices, the summary, the conflict question) stays in English in German or
// Japanese, a language without tables shows the English texts, and the language comes
// from the environment at start as a new run of orvan-print meets it.

// The libcups PPD interface is deprecated in CUPS 2.4; the test reads the printer
// description's own texts through it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/PreviewWindow.h"
#include "platform/PDEPanel.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/KeyboardSupport.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTreeWidget>

#include <cups/ppd.h>

#include <clocale>

namespace {

using hosttest::find;
using a11y::hasWords;

// "where" -> text, for every text a user sees; "where" is the same in every language.
using Texts = QMap<QString, QString>;

QString place(QWidget* widget, QWidget* root)
{
    QStringList parts;
    for (QWidget* w = widget; w && w != root; w = w->parentWidget()) {
        QString part = w->objectName();
        if (part.isEmpty()) {
            // Unnamed: its class and its position among its parent's children.
            const QObjectList siblings = w->parentWidget() ? w->parentWidget()->children() : QObjectList();
            part = QStringLiteral("%1#%2").arg(w->metaObject()->className()).arg(siblings.indexOf(w));
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

void collect(QWidget* root, Texts* texts)
{
    auto add = [&](const QString& where, const QString& text) {
        if (!text.isEmpty()) texts->insert(where, text);
    };
    add(QStringLiteral("windowTitle"), root->windowTitle());
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        const QString where = place(w, root);
        add(where + QStringLiteral(".toolTip"), w->toolTip());
        add(where + QStringLiteral(".accessibleName"), w->accessibleName());
        add(where + QStringLiteral(".accessibleDescription"), w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(where + QStringLiteral(".text"), label->textFormat() == Qt::PlainText
                                                     ? label->text()
                                                     : QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(where + QStringLiteral(".text"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) add(where + QStringLiteral(".title"), box->title());
        if (auto* field = qobject_cast<QLineEdit*>(w))
            add(where + QStringLiteral(".placeholder"), field->placeholderText());
        if (auto* popup = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < popup->count(); ++i) add(where + QStringLiteral(".item%1").arg(i), popup->itemText(i));
        if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c)
                add(where + QStringLiteral(".header%1").arg(c), tree->headerItem()->text(c));
            // Section titles and the settings' names; the values are the choices'.
            for (int s = 0; s < tree->topLevelItemCount(); ++s) {
                QTreeWidgetItem* section = tree->topLevelItem(s);
                add(where + QStringLiteral(".section%1").arg(s), section->text(0));
                for (int r = 0; r < section->childCount(); ++r)
                    add(where + QStringLiteral(".section%1.row%2").arg(s).arg(r), section->child(r)->text(0).trimmed());
            }
        }
    }
}

// The printer description's own texts: groups, options and choices.
QSet<QString> ppdTexts(ppd_file_t* ppd)
{
    QSet<QString> texts;
    for (int g = 0; ppd && g < ppd->num_groups; ++g) {
        const ppd_group_t& group = ppd->groups[g];
        texts << QString::fromUtf8(group.text);
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t& option = group.options[o];
            texts << QString::fromUtf8(option.text);
            texts << QString::fromUtf8(option.text) + QLatin1Char(':'); // a setting's name in the summary
            for (int c = 0; c < option.num_choices; ++c) texts << QString::fromUtf8(option.choices[c].text);
        }
    }
    return texts;
}

class HostTranslation : public hosttest::HostDialogTest {
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        qputenv("LANG", "C.UTF-8");
        hosttest::HostDialogTest::TearDown();
    }

    // The window in `locale` with everything it can say on show: the server notice (no
    // server), the damaged-settings notice, a conflict, each panel and the summary, and
    // the question before printing with the conflict (the dialog's own, not a recorder).
    Texts textsIn(const QLocale& locale)
    {
        // As in a session in that language: Qt and libcups (the printer description's
        // texts) both take it.
        QLocale::setDefault(locale);
        qputenv("LANG", locale.name().toUtf8() + ".UTF-8");
        // libcups reads the environment while the C library's messages locale is "C".
        std::setlocale(LC_MESSAGES, "C");
        dialog_.reset();
        QByteArray ppd = hosttest::readBytes(testsupport::bundledPpdPath());
        ppd += "\n*UIConstraints: *ImageAdjustmentMode Vivid *Screen Smooth\n"
               "*UIConstraints: *Screen Smooth *ImageAdjustmentMode Vivid\n";
        EXPECT_TRUE(hosttest::writeBytes(path(QStringLiteral("constrained.ppd")), ppd));
        EXPECT_TRUE(QDir().mkpath(presetDirectory()));
        EXPECT_TRUE(hosttest::writeBytes(presetDirectory() + QStringLiteral("/file.json"), "{\"version\": 1, \"settings\": 7}"));

        host::DialogOptions o = options(true);
        o.ppdPath = path(QStringLiteral("constrained.ppd"));
        QString error;
        dialog_ = host::PrintDialog::create(o, hosttest::pdf(), &error);
        EXPECT_TRUE(dialog_) << error.toStdString();
        if (!dialog_) return {};
        host::PrintDialog* dialog = dialog_.get();
        dialog->show();
        EXPECT_TRUE(hosttest::waitFor([&] { return dialog->isSettled(); }));
        EXPECT_FALSE(dialog->serverNotice().isEmpty());
        EXPECT_FALSE(dialog->presetNotice().isEmpty());
        allowed_ += ppdTexts(dialog->ppd());

        // The conflict, chosen by position: the captions may be in any language.
        auto choose = [&](const char* popup, const char* keyword, const char* choice) {
            auto* box = find<QComboBox>(dialog, popup);
            ASSERT_NE(box, nullptr) << popup;
            ppd_choice_t* wanted = ppdFindChoice(ppdFindOption(dialog->ppd(), keyword), choice);
            ASSERT_NE(wanted, nullptr) << keyword;
            hosttest::chooseItem(box, QString::fromUtf8(wanted->text));
        };
        choose("imageadjustButton", "ImageAdjustmentMode", "Vivid");
        choose("screenButton", "Screen", "Smooth");
        EXPECT_TRUE(hosttest::waitFor([&] { return !dialog->conflictNotice().isEmpty(); }, 5000));

        Texts texts;
        // The Layout and Paper page with a page range past the end, each panel, and the
        // preview with what it says of the sheets.
        EXPECT_TRUE(dialog->showEntry(QStringLiteral("layout")));
        QTest::keyClicks(find<QLineEdit>(dialog, "rangeField"), QStringLiteral("7"));
        EXPECT_TRUE(hosttest::waitFor([&] { return find<QLabel>(dialog, "rangeProblem")->isVisible(); }));
        collect(dialog, &texts);
        for (int i = 0; i < dialog->panels().size(); ++i) {
            dialog->showPanel(i);
            collect(dialog, &texts);
        }
        dialog->showPreview();
        EXPECT_TRUE(hosttest::waitFor([&] { return dialog->previewWindow()->isSheetComplete(); }));
        Texts preview;
        collect(dialog->previewWindow(), &preview);
        for (auto it = preview.cbegin(); it != preview.cend(); ++it) texts.insert(QStringLiteral("preview.") + it.key(), it.value());
        dialog->previewWindow()->close();
        // Back to all pages, so the question below is about the conflict.
        QTest::mouseClick(find<QAbstractButton>(dialog, "allPagesButton"), Qt::LeftButton);
        dialog->showSummary();
        collect(dialog, &texts);

        hosttest::inModal([&] { QTest::mouseClick(find<QAbstractButton>(dialog, "printButton"), Qt::LeftButton); },
                          [&](QDialog* question) {
                              auto* box = qobject_cast<QMessageBox*>(question);
                              ASSERT_NE(box, nullptr);
                              texts.insert(QStringLiteral("question.title"), box->windowTitle());
                              texts.insert(QStringLiteral("question.text"), box->text());
                              const QString details = box->informativeText();
                              texts.insert(QStringLiteral("question.details"),
                                           details.mid(details.lastIndexOf(QLatin1Char('\n')) + 1));
                              for (QAbstractButton* button : box->buttons())
                                  texts.insert(QStringLiteral("question.button.") + QString::number(box->buttonRole(button)),
                                               button->text());
                              box->button(QMessageBox::Cancel)->click();
                          });
        EXPECT_TRUE(dialog->isVisible()) << "cancelled, nothing printed";
        return texts;
    }

    // The texts of `english` that `translated` shows unchanged, but for numbers, "OK",
    // file paths, and the printer description's texts where they are shown: pop-up
    // entries and the summary's rows.
    QStringList untranslated(const Texts& english, const Texts& translated) const
    {
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const bool fromPpd = (it.key().contains(QLatin1String(".item")) || it.key().contains(QLatin1String(".row"))) &&
                                 allowed_.contains(it.value());
            // The file Save to File writes is named by the user, in no language.
            const bool filePath = it.value().startsWith(QLatin1Char('/')) || it.value().startsWith(QLatin1String("~/"));
            if (!hasWords(it.value()) || it.value() == QLatin1String("OK") || fromPpd || filePath) continue;
            if (!translated.contains(it.key())) left << it.key() + QStringLiteral(": missing");
            else if (translated.value(it.key()) == it.value()) left << it.key() + QStringLiteral(": ") + it.value();
        }
        return left;
    }

    QSet<QString> allowed_;
};

TEST_F(HostTranslation, NoVisibleTextOfTheWindowStaysInEnglish)
{
    const Texts english = textsIn(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_GT(english.size(), 40);
    EXPECT_EQ(english.value("question.title"), "Print");
    const Texts german = textsIn(QLocale(QLocale::German, QLocale::Germany));
    const Texts japanese = textsIn(QLocale(QLocale::Japanese, QLocale::Japan));

    // The same texts in the same places, whatever the language.
    const auto differentPlaces = [&](const Texts& other) {
        const QSet<QString> a(english.keyBegin(), english.keyEnd());
        const QSet<QString> b(other.keyBegin(), other.keyEnd());
        QStringList only;
        for (const QString& key : a - b) only << QStringLiteral("only in English: ") + key + QStringLiteral(" = ") + english.value(key);
        for (const QString& key : b - a) only << QStringLiteral("only translated: ") + key + QStringLiteral(" = ") + other.value(key);
        only.sort();
        return only.join(QLatin1Char('\n')).toStdString();
    };
    EXPECT_EQ(differentPlaces(german), "");
    EXPECT_EQ(differentPlaces(japanese), "");
    EXPECT_EQ(untranslated(english, german).join('\n').toStdString(), "");
    EXPECT_EQ(untranslated(english, japanese).join('\n').toStdString(), "");

    // The window's own words, the notices with the server's and the file's reasons, and
    // Qt's own button in the question.
    EXPECT_EQ(german.value("windowTitle"), "\u201ereport.pdf\u201c drucken");
    EXPECT_EQ(german.value("printButton.text"), "Drucken");
    EXPECT_EQ(german.value("printerPopUp.item0"), "In Datei speichern");
    EXPECT_EQ(german.value("panelPopUp.item0"), "Layout und Papier");
    EXPECT_EQ(german.value("panelPopUp.item1"), "Bildoptionen");
    EXPECT_EQ(german.value("panelPopUp.item2"), "Auftragstyp");
    EXPECT_EQ(german.value("previewButton.text"), "Vorschau...");
    EXPECT_EQ(german.value("preview.windowTitle"), "Vorschau von \u201ereport.pdf\u201c");
    EXPECT_TRUE(german.value("serverNotice.text").startsWith("Der Druckserver 127.0.0.1:9 ist nicht erreichbar"))
        << german.value("serverNotice.text").toStdString();
    EXPECT_TRUE(german.value("presetNotice.text").contains("Einträge fehlen")) << german.value("presetNotice.text").toStdString();
    EXPECT_TRUE(german.value("conflictRow/conflictNotice.text").startsWith("Widersprüchliche Optionen: "));
    EXPECT_EQ(german.value(QStringLiteral("question.button.%1").arg(QMessageBox::RejectRole)), "Abbrechen");
    EXPECT_EQ(german.value(QStringLiteral("question.button.%1").arg(QMessageBox::AcceptRole)), "Trotzdem drucken");
    EXPECT_EQ(japanese.value("printButton.text"), "印刷");
    // The printer description's own texts too, the Summary included.
    const auto summaryRows = [](const Texts& texts) {
        QStringList rows;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            if (it.key().contains(QLatin1String("summaryView.section")) && it.key().contains(QLatin1String(".row")))
                rows << it.value();
        return rows;
    };
    EXPECT_TRUE(summaryRows(german).contains("Farbausgabe:")) << summaryRows(german).join(", ").toStdString();
    EXPECT_TRUE(summaryRows(japanese).contains("カラー出力:")) << summaryRows(japanese).join(", ").toStdString();
    EXPECT_EQ(japanese.value(QStringLiteral("question.button.%1").arg(QMessageBox::RejectRole)), "キャンセル");

    // Swedish: no table of orvan-print, of the plug-in or of Qt; English throughout.
    EXPECT_EQ(textsIn(QLocale(QLocale::Swedish, QLocale::Sweden)), english);
}

// The language a new run of orvan-print takes from its environment, as the dialog probe
// (a fresh process making the dialog as orvan-print does) reports it.
TEST_F(HostTranslation, TheLanguageComesFromTheEnvironmentAtStart)
{
    struct Case {
        QMap<QString, QString> environment;
        QString saveToFile;
    };
    const QList<Case> cases = {
        {{{"LANG", "de_DE.UTF-8"}}, QStringLiteral("In Datei speichern")},
        {{{"LANG", "ja_JP.UTF-8"}}, QStringLiteral("ファイルに保存")},
        {{{"LANG", "C.UTF-8"}}, QStringLiteral("Save to File")},
        // English ahead of German in the user's list: English, not the next language's table.
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, QStringLiteral("Save to File")},
        {{{"LANG", "sv_SE.UTF-8"}}, QStringLiteral("Save to File")},
    };
    for (const Case& c : cases) {
        QMap<QString, QString> environment = c.environment;
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            if (!environment.contains(QLatin1String(name))) environment.insert(QString::fromLatin1(name), QString());
        SCOPED_TRACE(c.environment.value("LANGUAGE", c.environment.value("LANG")).toStdString());
        const QJsonObject report = hosttest::probeDialog(path(QStringLiteral("probe-config")), environment);
        EXPECT_EQ(report.value("controls").toObject().value("printerPopUp").toString(), c.saveToFile);
    }
}

} // namespace
