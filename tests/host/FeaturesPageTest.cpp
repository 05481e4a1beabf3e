// The Printer Features page over a description with one option of every kind: each
// option no panel or other page shows, with the control its type calls for; choices
// marked on the description; custom values held to the declared ranges and sent in the
// form CUPS reads; ranges that admit no value; conflicts as they arise; what is kept
// for the next time; a description of hundreds of options; the keyboard.

// ppdFindMarkedChoice and friends: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/host/FeaturesTestSupport.h"
#include "tests/support/KeyboardSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>

namespace {

using hosttest::featureControl;
using hosttest::find;
using hosttest::chooseItem;

using hosttest::marked;

class FeaturesPageTest : public hosttest::HostDialogTest {
protected:
    void TearDown() override
    {
        hosttest::HostDialogTest::TearDown();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    host::DialogOptions featureOptions(const QString& ppd = hosttest::hostDataPath(QStringLiteral("features.ppd"))) const
    {
        host::DialogOptions o = options();
        o.ppdPath = ppd;
        return o;
    }

    host::FeaturesPage* openFeatures(const host::DialogOptions& o)
    {
        host::PrintDialog* dialog = open(o);
        if (!dialog) return nullptr;
        return hosttest::showFeatures(dialog);
    }

    // Chooses the custom choice of `keyword` and types `texts` into its fields in order.
    void enterCustom(host::FeaturesPage* page, const QString& keyword, const QStringList& texts)
    {
        auto* popUp = featureControl<QComboBox>(page, keyword);
        ASSERT_NE(popUp, nullptr) << keyword.toStdString();
        const int custom = popUp->findData(QStringLiteral("Custom"));
        ASSERT_GE(custom, 0);
        popUp->setCurrentIndex(custom);
        emit popUp->activated(custom);
        auto* editor = featureControl<QWidget>(page, keyword, QStringLiteral("custom"));
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isVisibleTo(page)) << "the fields appear with the custom choice";
        const QList<QLineEdit*> fields = editor->findChildren<QLineEdit*>();
        ASSERT_EQ(fields.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            fields.at(i)->selectAll();
            fields.at(i)->del();
            QTest::keyClicks(fields.at(i), texts.at(i));
        }
    }
};

TEST_F(FeaturesPageTest, OffersEveryOptionNoPanelShowsWithTheControlItsTypeCalls)
{
    host::FeaturesPage* page = openFeatures(featureOptions());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dialog_->findPanel(QStringLiteral("Printer Features")), dialog_->findPanel(QStringLiteral("features")));
    // The description's groups, what the printer has fitted last.
    EXPECT_EQ(hosttest::featureSets(page),
              QStringList({"General", "Custom Values", "Quality", "Installable Options"}));

    // Every option the description declares is shown here or on a page or panel that
    // owns it, never on both.
    const QString ppd = hosttest::hostDataPath(QStringLiteral("features.ppd"));
    const QStringList elsewhere = hosttest::shownElsewhere(dialog_.get());
    for (const QString& keyword : hosttest::declaredKeywords(ppd))
        EXPECT_NE(page->keywords().contains(keyword), elsewhere.contains(keyword)) << keyword.toStdString();

    struct Expected {
        const char* keyword;
        const char* suffix;
        const char* className;
        bool enabled;
    };
    const Expected table[] = {
        {"MediaType", "", "QComboBox", true},     {"Staple", "", "QCheckBox", true},
        {"Finishing", "Fold", "QCheckBox", true}, {"Empty", "", "QLabel", false},
        {"Density", "", "QComboBox", true},       {"Watermark", "", "QComboBox", true},
        {"EconoMode", "", "QCheckBox", true},     {"Halftone", "", "QComboBox", true},
        {"OptionTray", "", "QCheckBox", false}, // fitted by the administrator
    };
    for (const Expected& e : table) {
        QWidget* control = featureControl(page, QString::fromLatin1(e.keyword), QString::fromLatin1(e.suffix));
        ASSERT_NE(control, nullptr) << e.keyword;
        EXPECT_STREQ(control->metaObject()->className(), e.className) << e.keyword;
        EXPECT_EQ(control->isEnabled(), e.enabled) << e.keyword;
        EXPECT_TRUE(control->isVisibleTo(dialog_.get())) << e.keyword;
    }
    // PPD texts, the choice shown the one marked.
    auto* media = featureControl<QComboBox>(page, QStringLiteral("MediaType"));
    EXPECT_EQ(media->currentText(), QStringLiteral("Plain Paper"));
    EXPECT_EQ(featureControl<QLabel>(page, QStringLiteral("MediaType"), QStringLiteral("label"))->text(),
              QStringLiteral("Media Type:"));
    EXPECT_EQ(featureControl<QCheckBox>(page, QStringLiteral("Staple"))->text(), QStringLiteral("Staple"));
    EXPECT_TRUE(featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Punch"))->isChecked());
    // The panels' options are theirs alone.
    EXPECT_EQ(featureControl(page, QStringLiteral("ColorModel")), nullptr);
}

TEST_F(FeaturesPageTest, EachChoiceIsMarkedAndTravelsWithTheJob)
{
    host::FeaturesPage* page = openFeatures(featureOptions());
    ASSERT_NE(page, nullptr);
    ppd_file_t* ppd = dialog_->ppd();

    ASSERT_TRUE(chooseItem(featureControl<QComboBox>(page, QStringLiteral("MediaType")), QStringLiteral("Thick Paper")));
    featureControl<QCheckBox>(page, QStringLiteral("Staple"))->click();
    featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Fold"))->click();
    featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Bind"))->click();
    featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Punch"))->click();
    ASSERT_TRUE(chooseItem(featureControl<QComboBox>(page, QStringLiteral("Halftone")), QStringLiteral("Fine Lines")));

    EXPECT_EQ(marked(ppd, "MediaType"), QStringLiteral("Thick"));
    EXPECT_EQ(marked(ppd, "Staple"), QStringLiteral("True"));
    EXPECT_EQ(host::markedChoices(ppdFindOption(ppd, "Finishing")), QStringList({"Fold", "Bind"}));
    const host::JobOptions job = dialog_->jobOptions();
    EXPECT_EQ(job.value(QStringLiteral("MediaType")), QStringLiteral("Thick"));
    EXPECT_EQ(job.value(QStringLiteral("Staple")), QStringLiteral("True"));
    EXPECT_EQ(job.value(QStringLiteral("Finishing")), QStringLiteral("Fold,Bind"));
    EXPECT_EQ(job.value(QStringLiteral("Halftone")), QStringLiteral("Fine"));
    // Unchanged options are the printer's defaults: not sent.
    EXPECT_FALSE(job.contains(QStringLiteral("EconoMode")));

    // Unchecking the last choice of a set leaves none marked, and every other mark as it was.
    featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Fold"))->click();
    featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Bind"))->click();
    EXPECT_TRUE(host::markedChoices(ppdFindOption(ppd, "Finishing")).isEmpty());
    EXPECT_EQ(marked(ppd, "MediaType"), QStringLiteral("Thick"));
    EXPECT_EQ(marked(ppd, "Staple"), QStringLiteral("True"));
}

TEST_F(FeaturesPageTest, CustomValuesAreHeldToTheDeclaredRangesAndSentAsCupsReadsThem)
{
    struct Case {
        const char* keyword;
        QStringList texts;
        const char* sent;    // the job option; empty: the value is refused
        const char* refusal; // a part of the sentence that says why
    };
    const Case cases[] = {
        {"Density", {"7"}, "Custom.7", ""},
        {"Density", {"11"}, "", "whole number from 1 to 10"},
        {"Density", {"seven"}, "", "\u201cseven\u201d is not"},
        {"Gamma", {"2.25"}, "Custom.2.25", ""},
        {"Gamma", {"0.5"}, "Custom.0.5", ""}, // the bounds themselves
        {"Gamma", {"3.6"}, "", "number from 0.5 to 3.5"},
        {"Margin", {"36"}, "Custom.36", ""},
        {"Margin", {"-1"}, "", "points from 0 to 72"},
        {"Cover", {"Draft for review"}, "Custom.Draft for review", ""},
        {"Cover", {"twenty-one characters"}, "", "at most 20 characters"},
        {"Account", {"s3cret"}, "Custom.s3cret", ""},
        {"Account", {"abc"}, "", "from 4 to 8 characters"},
        {"Pin", {"2468"}, "Custom.2468", ""},
        {"Pin", {"24a8"}, "", "4 to 6 digits"},
        {"Watermark", {"Do not copy", "45"}, "{Text=\"Do not copy\" Angle=45}", ""},
        {"Watermark", {"Copy", "91"}, "", "(Angle) must be a whole number from 0 to 90"},
        {"Watermark", {"", "10"}, "", "(Text) must have from 1 to 32 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keyword) + " " + c.texts.join(',').toStdString());
        host::FeaturesPage* page = openFeatures(featureOptions());
        ASSERT_NE(page, nullptr);
        const QString keyword = QString::fromLatin1(c.keyword);
        enterCustom(page, keyword, c.texts);
        EXPECT_EQ(marked(dialog_->ppd(), c.keyword), QStringLiteral("Custom"));
        QString why;
        const bool valid = page->canPrint(&why);
        EXPECT_EQ(valid, std::strlen(c.sent) > 0) << why.toStdString();
        if (valid) {
            EXPECT_EQ(dialog_->jobOptions().value(keyword), QString::fromUtf8(c.sent));
            // libcups holds the value too: the constraints and the summary see it.
            const QList<host::CustomParam> params = host::customParams(dialog_->ppd(), keyword, nullptr);
            EXPECT_EQ(host::customChoice(params, host::currentCustomValues(dialog_->ppd(), keyword, params)),
                      QString::fromUtf8(c.sent));
            continue;
        }
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.refusal))) << why.toStdString();
        // The field says so where the value was typed, and Print holds the job back with
        // the same sentence, showing the page.
        QLineEdit* wrong = nullptr;
        for (QLineEdit* field : featureControl<QWidget>(page, keyword, QStringLiteral("custom"))->findChildren<QLineEdit*>())
            if (!field->toolTip().isEmpty()) wrong = field;
        ASSERT_NE(wrong, nullptr);
        EXPECT_TRUE(why.startsWith(wrong->toolTip())) << wrong->toolTip().toStdString();
        dialog_->showPanel(0);
        alerts_.clear();
        EXPECT_FALSE(print());
        ASSERT_EQ(alerts_.alerts().size(), 1);
        EXPECT_EQ(alerts_.alerts().first().second, why);
        EXPECT_EQ(page->isVisible(), true) << "the page with the value is shown";
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.pdf"))));
    }
}

TEST_F(FeaturesPageTest, RangesThatAdmitNoValueAreSaidAndCannotBeChosen)
{
    host::FeaturesPage* page = openFeatures(featureOptions());
    ASSERT_NE(page, nullptr);
    const struct {
        const char* keyword;
        const char* says;
    } broken[] = {
        {"BrokenRange", "its lowest value, 10, is above its highest, 5"},
        {"BrokenLength", "negative length"},
    };
    for (const auto& b : broken) {
        auto* problem = featureControl<QLabel>(page, QString::fromLatin1(b.keyword), QStringLiteral("problem"));
        ASSERT_NE(problem, nullptr) << b.keyword;
        EXPECT_TRUE(problem->isVisibleTo(page));
        EXPECT_TRUE(problem->text().contains(QString::fromUtf8(b.says))) << problem->text().toStdString();
        auto* popUp = featureControl<QComboBox>(page, QString::fromLatin1(b.keyword));
        auto* model = qobject_cast<QStandardItemModel*>(popUp->model());
        ASSERT_NE(model, nullptr);
        EXPECT_FALSE(model->item(popUp->findData(QStringLiteral("Custom")))->isEnabled()) << b.keyword;
        // The whole sentence shows: its row is as high as the wrapped text needs.
        ASSERT_TRUE(hosttest::chooseItem(hosttest::find<QComboBox>(page, "featureSetPopUp"), QStringLiteral("Custom Values")));
        EXPECT_TRUE(hosttest::waitFor([&] { return problem->height() >= problem->heightForWidth(problem->width()); }, 5000))
            << b.keyword << ": " << problem->height() << " px for " << problem->heightForWidth(problem->width());
    }

    // Nor can the description's own default or a saved setting send such a value.
    QByteArray text = hosttest::readBytes(hosttest::hostDataPath(QStringLiteral("features.ppd")));
    text.replace("*DefaultBrokenRange: None", "*DefaultBrokenRange: Custom.7");
    ASSERT_TRUE(hosttest::writeBytes(path(QStringLiteral("default-custom.ppd")), text));
    page = openFeatures(featureOptions(path(QStringLiteral("default-custom.ppd"))));
    ASSERT_NE(page, nullptr);
    QString why;
    EXPECT_FALSE(page->canPrint(&why));
    EXPECT_TRUE(why.contains(QStringLiteral("Broken Range"))) << why.toStdString();
    EXPECT_FALSE(dialog_->jobOptions().contains(QStringLiteral("BrokenRange")));
}

TEST_F(FeaturesPageTest, ConflictsShowOnThePageAsTheyAriseAndAreAskedAboutBeforePrinting)
{
    host::FeaturesPage* page = openFeatures(featureOptions());
    ASSERT_NE(page, nullptr);
    auto* sets = find<QComboBox>(page, "featureSetPopUp");
    const int quality = sets->findText(QStringLiteral("Quality"));
    featureControl<QCheckBox>(page, QStringLiteral("EconoMode"))->click();
    EXPECT_EQ(featureControl(page, QStringLiteral("Smoothing"), QStringLiteral("conflict")), nullptr);
    ASSERT_TRUE(chooseItem(featureControl<QComboBox>(page, QStringLiteral("Smoothing")), QStringLiteral("On")));

    for (const char* keyword : {"EconoMode", "Smoothing"}) {
        QWidget* mark = featureControl(page, QString::fromLatin1(keyword), QStringLiteral("conflict"));
        ASSERT_NE(mark, nullptr) << keyword;
        EXPECT_TRUE(mark->isVisibleTo(page)) << keyword;
    }
    EXPECT_FALSE(sets->itemIcon(quality).isNull()) << "the feature set says it holds a conflict";
    EXPECT_TRUE(sets->itemIcon(sets->findText(QStringLiteral("General"))).isNull());
    ASSERT_TRUE(hosttest::waitFor([&] { return !dialog_->conflictNotice().isEmpty(); }, 5000));
    EXPECT_TRUE(dialog_->conflictNotice().contains(QStringLiteral("Toner Saving"))) << dialog_->conflictNotice().toStdString();

    confirmAnswer_ = false;
    EXPECT_FALSE(print());
    EXPECT_EQ(confirmations_.size(), 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.pdf"))));

    // Settled: the marks go.
    ASSERT_TRUE(chooseItem(featureControl<QComboBox>(page, QStringLiteral("Smoothing")), QStringLiteral("Off")));
    EXPECT_FALSE(featureControl(page, QStringLiteral("EconoMode"), QStringLiteral("conflict"))->isVisibleTo(page));
    EXPECT_TRUE(sets->itemIcon(quality).isNull());
}

TEST_F(FeaturesPageTest, ChoicesAndCustomValuesAreKeptForThePrinterButNeverAPassword)
{
    {
        host::FeaturesPage* page = openFeatures(featureOptions());
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(chooseItem(featureControl<QComboBox>(page, QStringLiteral("MediaType")), QStringLiteral("Transparency")));
        featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Punch"))->click();
        featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Bind"))->click();
        enterCustom(page, QStringLiteral("Density"), {QStringLiteral("9")});
        enterCustom(page, QStringLiteral("Watermark"), {QStringLiteral("Final \"v2\""), QStringLiteral("30")});
        enterCustom(page, QStringLiteral("Account"), {QStringLiteral("hunter22")});
        ASSERT_TRUE(print());
    }
    EXPECT_FALSE(hosttest::readBytes(host::PresetStore(presetDirectory()).fileFor(QString())).contains("hunter22"));

    host::FeaturesPage* page = openFeatures(featureOptions());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(featureControl<QComboBox>(page, QStringLiteral("MediaType"))->currentText(), QStringLiteral("Transparency"));
    EXPECT_EQ(host::markedChoices(ppdFindOption(dialog_->ppd(), "Finishing")), QStringList({"Bind"}));
    EXPECT_TRUE(featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Bind"))->isChecked());
    EXPECT_FALSE(featureControl<QCheckBox>(page, QStringLiteral("Finishing"), QStringLiteral("Punch"))->isChecked());
    EXPECT_EQ(featureControl<QLineEdit>(page, QStringLiteral("Density"), QStringLiteral("Level"))->text(), QStringLiteral("9"));
    EXPECT_EQ(featureControl<QLineEdit>(page, QStringLiteral("Watermark"), QStringLiteral("Text"))->text(),
              QStringLiteral("Final \"v2\""));
    EXPECT_EQ(featureControl<QComboBox>(page, QStringLiteral("Account"))->currentText(), QStringLiteral("None"));
    const host::JobOptions job = dialog_->jobOptions();
    EXPECT_EQ(job.value(QStringLiteral("Density")), QStringLiteral("Custom.9"));
    EXPECT_EQ(job.value(QStringLiteral("Watermark")), QStringLiteral("{Text=\"Final \\\"v2\\\"\" Angle=30}"));
    EXPECT_EQ(job.value(QStringLiteral("Finishing")), QStringLiteral("Bind"));
    EXPECT_FALSE(job.contains(QStringLiteral("Account")));
}

TEST_F(FeaturesPageTest, HundredsOfOptionsCostOnlyTheFeatureSetShown)
{
    // Twelve groups of forty options.
    QByteArray ppd = hosttest::readBytes(hosttest::hostDataPath(QStringLiteral("features.ppd")));
    const qsizetype end = ppd.indexOf("*DefaultFont:");
    QByteArray groups;
    for (int g = 0; g < 12; ++g) {
        groups += "*OpenGroup: Big" + QByteArray::number(g) + "/Big Group " + QByteArray::number(g) + "\n";
        for (int o = 0; o < 40; ++o) {
            const QByteArray keyword = "Big" + QByteArray::number(g) + "x" + QByteArray::number(o);
            groups += "*OpenUI *" + keyword + "/Option " + keyword + ": PickOne\n*Default" + keyword + ": A\n";
            for (const char* choice : {"A", "B", "C", "D"})
                groups += "*" + keyword + " " + choice + "/Choice " + choice + ": \"\"\n";
            groups += "*CloseUI: *" + keyword + "\n";
        }
        groups += "*CloseGroup: Big" + QByteArray::number(g) + "\n";
    }
    ppd.insert(end, groups);
    ASSERT_TRUE(hosttest::writeBytes(path(QStringLiteral("big.ppd")), ppd));

    host::FeaturesPage* page = openFeatures(featureOptions(path(QStringLiteral("big.ppd"))));
    ASSERT_NE(page, nullptr);
    auto made = [&] { return page->findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^feature_Big"))).size(); };
    EXPECT_EQ(made(), 0) << "only the first feature set is made";
    ASSERT_NE(featureControl(page, QStringLiteral("Big0x0")), nullptr);
    EXPECT_EQ(made(), 40);
    // The set scrolls; every option is reached.
    auto* scroll = qobject_cast<QScrollArea*>(find<QStackedWidget>(page, "featureGroups")->currentWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    auto* sets = find<QComboBox>(page, "featureSetPopUp");
    for (int g = 0; g < 12; ++g) {
        ASSERT_TRUE(chooseItem(sets, QStringLiteral("Big Group %1").arg(g)));
        QWidget* shown = find<QStackedWidget>(page, "featureGroups")->currentWidget();
        for (int o = 0; o < 40; ++o)
            ASSERT_NE(shown->findChild<QComboBox*>(QStringLiteral("feature_Big%1x%2").arg(g).arg(o)), nullptr) << g << " " << o;
    }
    EXPECT_EQ(made(), 480);
    EXPECT_EQ(page->keywords().filter(QRegularExpression(QStringLiteral("^Big"))).size(), 480);
}

TEST_F(FeaturesPageTest, TabRunsFromTheFeatureSetThroughItsControlsInReadingOrder)
{
    host::PrintDialog* dialog = open(featureOptions());
    ASSERT_TRUE(dialog);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    host::FeaturesPage* page = hosttest::showFeatures(dialog);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(chooseItem(find<QComboBox>(page, "featureSetPopUp"), QStringLiteral("Custom Values")));
    enterCustom(page, QStringLiteral("Watermark"), {QStringLiteral("x"), QStringLiteral("1")});

    find<QWidget>(dialog, "panelPopUp")->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> round = a11y::tabCycle();
    const QStringList order = a11y::names(round);
    const std::string shown = order.join(' ').toStdString();
    ASSERT_GE(order.size(), 6) << shown;
    EXPECT_EQ(order.at(1), QStringLiteral("featureSetPopUp")) << shown;
    EXPECT_EQ(order.mid(2, 4), QStringList({"feature_Density", "feature_Gamma", "feature_Margin", "feature_Cover"})) << shown;
    EXPECT_TRUE(order.contains(QStringLiteral("feature_Watermark_Angle"))) << shown;
    const int help = order.indexOf(QStringLiteral("helpButton"));
    EXPECT_GT(help, order.indexOf(QStringLiteral("feature_Watermark_Angle"))) << shown;
    EXPECT_EQ(a11y::readingOrderBreaks(round.mid(0, help), dialog).join(", ").toStdString(), "") << shown;
    EXPECT_EQ(a11y::unnamedControls(dialog).join(", ").toStdString(), "");
}

TEST_F(FeaturesPageTest, ThePagesOwnWordsAreInTheUsersLanguage)
{
    struct Case {
        QLocale locale;
        const char* title;
        const char* featureSet;
        const char* range;
        const char* broken;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "Druckerfunktionen", "Funktionsgruppe:", "(1 bis 10)",
         "Die Druckerbeschreibung l\u00e4sst f\u00fcr \u201eBroken Range\u201c keinen eigenen Wert zu"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "\u30d7\u30ea\u30f3\u30bf\u30fc\u6a5f\u80fd",
         "\u6a5f\u80fd\u30bb\u30c3\u30c8:", "(1\uff5e10)", "\u300cBroken Range\u300d"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        host::FeaturesPage* page = openFeatures(featureOptions());
        ASSERT_NE(page, nullptr);
        auto* panes = find<QComboBox>(dialog_.get(), "panelPopUp");
        EXPECT_EQ(panes->currentText(), QString::fromUtf8(c.title));
        EXPECT_EQ(find<QLabel>(page, "featureSetLabel")->text(), QString::fromUtf8(c.featureSet));
        EXPECT_EQ(featureControl<QLabel>(page, QStringLiteral("Density"), QStringLiteral("Level_range"))->text(),
                  QString::fromUtf8(c.range));
        EXPECT_TRUE(featureControl<QLabel>(page, QStringLiteral("BrokenRange"), QStringLiteral("problem"))
                        ->text()
                        .contains(QString::fromUtf8(c.broken)));
        dialog_.reset();
    }
}

} // namespace
