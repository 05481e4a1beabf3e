// What a screen reader finds in each panel and dialog: every control it can reach has
// a name, taken from the label beside it where there is one, and the names are in the
// user's language like the captions.
#include "tests/accessibility/A11ySupport.h"

#include <QMap>

using namespace a11y;

namespace {

// "window/.../control" for each control, so one control can be found in two runs.
QString pathOf(QWidget* control)
{
    QStringList parts;
    for (QWidget* w = control; w; w = w->parentWidget()) {
        parts.prepend(w->objectName());
        if (w->isWindow()) break;
    }
    return parts.join(QLatin1Char('/'));
}

using SpokenNames = QMap<QString, QString>;

void record(QWidget* window, SpokenNames* names)
{
    EXPECT_EQ(unnamedControls(window).join(", ").toStdString(), "") << window->objectName().toStdString();
    for (QWidget* control : accessibleControls(window)) names->insert(pathOf(control), spokenName(control));
}

class AccessibleNames : public A11yTest {
protected:
    // Every window of the plug-in in `locale`, as the user meets it, and what a screen
    // reader would call each of its controls.
    SpokenNames spokenNamesIn(const QLocale& locale)
    {
        reset();
        useLocale(locale);
        SpokenNames names;

        record(showActive(imageOptions()), &names);
        record(showActive(jobType()), &names);

        QPointer<ColorBalanceOrvan> colorBalanceDialog = colorBalance();
        whenModal([&](QDialog* dialog) {
            press(Qt::Key_Escape);
            EXPECT_FALSE(platform::isRunningModal(dialog));
        });
        // Named also while the switch greys them out.
        colorBalanceDialog->Start(&bundle());
        record(colorBalanceDialog->window(), &names);

        QPointer<JobTypeSetup> setup = securePrint();
        whenModal([&](QDialog* dialog) {
            record(dialog, &names);
            press(Qt::Key_Escape);
        });
        setup->Start(&bundle());
        dropDialogs();
        return names;
    }
};

TEST_F(AccessibleNames, EveryControlHasANameInTheUsersLanguage)
{
    const SpokenNames english = spokenNamesIn(kEnglish);
    const SpokenNames german = spokenNamesIn(kGerman);

    // Labels name the controls beside them, also once the code has replaced their text.
    EXPECT_EQ(english.value("PDEView/outputcolorButton"), "Output Color:");
    EXPECT_EQ(english.value("PDEView/brightnessSlider"), "Brightness:");
    EXPECT_EQ(english.value("JobTypeView/jobtypeButton"), "Job Type:");
    EXPECT_EQ(german.value("JobTypeView/jobtypeButton"), "Auftragstyp:");
    EXPECT_EQ(english.value("ColorBalance/targetColorButton"), "Target Color");
    EXPECT_EQ(english.value("JobTypeSetup/TextPasscodeBox"), "Secure Print Passcode");
    EXPECT_EQ(german.value("PDEView/imagequalityButton"), "Bildqualität:");
    EXPECT_EQ(german.value("JobTypeSetup/TextUserIDBox"), "Benutzer-ID");
    // Controls without a label of their own are named after their column.
    EXPECT_EQ(english.value("ColorBalance/barsFrame/TextOneRow/StepperOne"), "Highlights adjustment");
    EXPECT_EQ(german.value("ColorBalance/barsFrame/TextOneRow/StepperOne"), "Lichter anpassen");
    EXPECT_EQ(german.value("ColorBalance/barsFrame/TextThreeRow/TextThree"), "Wert der Tiefen");
    EXPECT_EQ(german.value("ColorBalance/barsFrame/TextTwoRow/StepperTwo/stepperUp"), "Erhöhen");
    EXPECT_EQ(german.value("ColorBalance/helpButton"), "Hilfe");

    // The same controls in both languages, and none of them left in English.
    EXPECT_EQ(english.keys(), german.keys());
    // Image Options 10, Job Type 3, Color Balance 18 (the stepper arrows too), Secure Print 8.
    EXPECT_EQ(english.size(), 39);
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (it.value() == QLatin1String("OK")) continue; // the same word in German
        EXPECT_NE(german.value(it.key()), it.value()) << it.key().toStdString() << " stays in English";
    }
}

TEST_F(AccessibleNames, LayoutsNameTheirControlsInTheBundlesLanguageWhenLoaded)
{
    // Before any code runs: the spoken names come with the layout, already translated.
    useLocale(kGerman);
    QPointer<ColorBalanceOrvan> c = colorBalance();
    ASSERT_TRUE(c && c->window());
    EXPECT_EQ(c->StepperThree->accessibleName(), "Tiefen anpassen");
    EXPECT_EQ(c->TextTwo->accessibleName(), "Wert der Mitteltöne");
    EXPECT_EQ(c->helpButton->toolTip(), "Hilfe");

    // A language without a table keeps the English names.
    useLocale(QLocale(QLocale::Finnish, QLocale::Finland));
    QPointer<ColorBalanceOrvan> finnish = colorBalance();
    ASSERT_TRUE(finnish && finnish->window());
    EXPECT_EQ(finnish->StepperThree->accessibleName(), "Shadows adjustment");
}

} // namespace
