// Each panel and dialog driven by the keyboard alone: Tab reaches every control in
// reading order, Space, the arrow keys and typing work the controls, Return is OK and
// Escape is Cancel.
#include "tests/accessibility/A11ySupport.h"

#include "platform/Controls.h"

#include <QCheckBox>

using namespace a11y;

namespace {

// The enabled controls of `window` that take the focus from Tab.
QSet<QWidget*> tabbable(QWidget* window)
{
    QSet<QWidget*> set;
    for (QWidget* control : accessibleControls(window))
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) set.insert(control);
    return set;
}

// Tab goes once round every enabled control, in reading order.
void expectTabRound(QWidget* window, QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> round = tabCycle();
    EXPECT_EQ(QSet<QWidget*>(round.cbegin(), round.cend()), tabbable(window)) << names(round).join(' ').toStdString();
    EXPECT_EQ(readingOrderBreaks(round, window), QStringList()) << names(round).join(' ').toStdString();
    EXPECT_EQ(QApplication::focusWidget(), first) << "Tab from the last control goes back to the first";
}

QStringList keysHandedOver(const host::HostCallback& host)
{
    QStringList keys;
    for (const host::HandOver& h : host.handOvers()) keys << h.first;
    return keys;
}

class Keyboard : public A11yTest {};

TEST_F(Keyboard, ColorBalanceDialog)
{
    // OK: switch on, Cyan, Highlights typed, Midtones stepped; Return commits.
    QPointer<ColorBalanceOrvan> c = colorBalance();
    whenModal([&](QDialog* dialog) {
        tabTo(c->EnableButton);
        press(Qt::Key_Space);
        EXPECT_TRUE(c->EnableButton->isChecked());
        expectTabRound(dialog, c->EnableButton);

        tabTo(c->targetColorButton);
        press(Qt::Key_Down);
        EXPECT_EQ(c->targetColorButton->currentText(), "Cyan");
        tabTo(c->TextOne);
        typeText(QStringLiteral("-2"));
        tabTo(c->StepperOne);
        EXPECT_EQ(c->StepperOne->value(), -2) << "the stepper follows the field";
        press(Qt::Key_Up);
        EXPECT_EQ(c->TextOne->text(), "-1");
        tabTo(c->StepperTwo);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        press(Qt::Key_Down);
        EXPECT_EQ(c->TextTwo->text(), "1");
        EXPECT_EQ(c->one7->fillColor(), c->Cyanlow->fillColor()) << "the bars follow the keys";
        press(Qt::Key_Return);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    const auto result = c->Start(&bundle());
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, QList<int32_t>({0, 0, 0, -1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(CBstate);
    EXPECT_EQ(CBtarget, 1);
    dropDialogs();

    // Escape: what the keys changed is undone, the committed result stands.
    QPointer<ColorBalanceOrvan> again = colorBalance();
    whenModal([&](QDialog* dialog) {
        EXPECT_EQ(again->targetColorButton->currentText(), "Cyan");
        tabTo(again->StepperThree);
        press(Qt::Key_Down);
        EXPECT_EQ(again->TextThree->text(), "-1");
        tabTo(again->EnableButton);
        press(Qt::Key_Space);
        EXPECT_FALSE(again->EnableButton->isChecked());
        press(Qt::Key_Escape);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    const auto unchanged = again->Start(&bundle());
    ASSERT_TRUE(unchanged);
    EXPECT_EQ(*unchanged, *result);
    EXPECT_TRUE(CBstate);
    EXPECT_EQ(colorbalance::workingValue(5), 0);
}

TEST_F(Keyboard, SecurePrintDialog)
{
    // The user ID field has the keyboard first; Tab, passcode, Return commits.
    QPointer<JobTypeSetup> s = securePrint();
    whenModal([&](QDialog* dialog) {
        EXPECT_EQ(QApplication::focusWidget(), s->TextUserIDBox);
        typeText(QStringLiteral("alice"));
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), s->TextPasscodeBox);
        typeText(QStringLiteral("2468"));
        press(Qt::Key_Return);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    EXPECT_TRUE(s->Start(&bundle()));
    EXPECT_EQ(response, (SecurePrintSetup{0, "alice", "2468", {}, "Use Existing Name"}));
    dropDialogs();

    // A new job name: the pop-up from the keyboard, then on to its field.
    QPointer<JobTypeSetup> named = securePrint();
    whenModal([&](QDialog* dialog) {
        tabTo(named->pJobNameButton);
        press(Qt::Key_Down);
        EXPECT_EQ(named->pJobNameButton->currentIndex(), 1);
        EXPECT_EQ(QApplication::focusWidget(), named->pJobNameButton) << "the pop-up keeps the keyboard";
        EXPECT_TRUE(named->TextJobNameBox->isEnabled());
        expectTabRound(dialog, named->TextUserIDBox);
        tabTo(named->pJobNameButton);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), named->TextJobNameBox);
        typeText(QStringLiteral("Q3report"));
        press(Qt::Key_Return);
    });
    EXPECT_TRUE(named->Start(&bundle()));
    EXPECT_EQ(response, (SecurePrintSetup{1, "alice", "2468", "Q3report", "Enter Name Mode"}));
    dropDialogs();

    // Escape cancels, whatever was typed.
    QPointer<JobTypeSetup> cancelled = securePrint();
    whenModal([&](QDialog* dialog) {
        typeText(QStringLiteral("bob"));
        press(Qt::Key_Escape);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    EXPECT_FALSE(cancelled->Start(&bundle()));
    EXPECT_EQ(response.value_or(SecurePrintSetup{}).userID, "alice");
}

TEST_F(Keyboard, ImageOptionsPanel)
{
    PrinterPDEOrvan* panel = imageOptions();
    QWidget* view = showActive(panel);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), panel->outputcolorButton.data()) << "the first pop-up has the keyboard";

    // The check box is enabled in colour output without toner saving.
    ASSERT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    expectTabRound(view, panel->outputcolorButton);

    // Arrow keys choose in the pop-ups; the host hears of each choice.
    host().clearHandOvers();
    tabTo(panel->imagequalityButton);
    const int quality = panel->imagequalityButton->currentIndex();
    press(quality + 1 < panel->imagequalityButton->count() ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_NE(panel->imagequalityButton->currentIndex(), quality);
    EXPECT_TRUE(keysHandedOver(host()).contains("DrvResolution")) << keysHandedOver(host()).join(' ').toStdString();

    // Space toggles the check box.
    host().clearHandOvers();
    tabTo(panel->GrayGuaranteeButton);
    const bool guaranteed = panel->GrayGuaranteeButton->isChecked();
    press(Qt::Key_Space);
    EXPECT_NE(panel->GrayGuaranteeButton->isChecked(), guaranteed);
    EXPECT_TRUE(keysHandedOver(host()).contains("GrayGuarantee"));

    // Arrow keys move the slider.
    tabTo(panel->brightnessSlider);
    const int brightness = panel->brightnessSlider->value();
    press(brightness < panel->brightnessSlider->maximum() ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_NE(panel->brightnessSlider->value(), brightness);

    // Space on "Color Balance..." opens the dialog; keys alone work it and hand it back.
    host().clearHandOvers();
    tabTo(panel->colorBalanceButton);
    whenModal([&](QDialog* dialog) {
        press(Qt::Key_Space); // the switch has the keyboard first
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        typeText(QStringLiteral("3"));
        press(Qt::Key_Return);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    press(Qt::Key_Space);
    const QStringList handed = keysHandedOver(host());
    EXPECT_EQ(handed.count(), 12) << handed.join(' ').toStdString();
    EXPECT_TRUE(host().handOvers().contains(host::HandOver("QVColorDensityBlackLow", "3")));

    // The panel has the keyboard back: Default from the keyboard.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    tabTo(panel->defaultButton);
    press(Qt::Key_Space);
    EXPECT_EQ(panel->GrayGuaranteeButton->isChecked(), guaranteed);
}

TEST_F(Keyboard, JobTypePanel)
{
    PrinterJobPDEOrvan* panel = jobType();
    QWidget* view = showActive(panel);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), panel->jobtypeButton.data());
    expectTabRound(view, panel->jobtypeButton);

    // Down picks Secure Print, whose dialog opens at once and is filled from the keyboard.
    host().clearHandOvers();
    whenModal([](QDialog*) {
        typeText(QStringLiteral("carol"));
        press(Qt::Key_Tab);
        typeText(QStringLiteral("1357"));
        press(Qt::Key_Return);
    });
    press(Qt::Key_Down);
    EXPECT_EQ(panel->jobtypeButton->currentIndex(), 1);
    EXPECT_TRUE(keysHandedOver(host()).contains("UserID")) << keysHandedOver(host()).join(' ').toStdString();
    EXPECT_TRUE(panel->setupButton->isEnabled());

    // Setup... is reached by Tab now; Escape in its dialog hands nothing over.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    expectTabRound(view, panel->jobtypeButton);
    tabTo(panel->setupButton);
    host().clearHandOvers();
    whenModal([](QDialog*) {
        typeText(QStringLiteral("dave"));
        press(Qt::Key_Escape);
    });
    press(Qt::Key_Space);
    EXPECT_EQ(keysHandedOver(host()), QStringList());
    EXPECT_EQ(response.value_or(SecurePrintSetup{}).userID, "carol");

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    tabTo(panel->defaultButton);
    press(Qt::Key_Space);
    EXPECT_EQ(panel->jobtypeButton->currentIndex(), 0);
    EXPECT_FALSE(panel->setupButton->isEnabled());
}

} // namespace

namespace {

// Opens the list of the pop-up that has the keyboard, as F4 does.
QWidget* openList()
{
    press(Qt::Key_F4);
    return QApplication::activePopupWidget();
}

TEST_F(Keyboard, EscapeInAnOpenListClosesOnlyTheList)
{
    // Color Balance: the Target Color list.
    QPointer<ColorBalanceOrvan> c = colorBalance();
    whenModal([&](QDialog* dialog) {
        tabTo(c->EnableButton);
        press(Qt::Key_Space);
        tabTo(c->TextOne);
        typeText(QStringLiteral("2"));
        tabTo(c->targetColorButton);
        ASSERT_NE(openList(), nullptr) << "F4 opens the list";
        press(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(platform::isRunningModal(dialog)) << "Escape in the list closed the dialog";
        EXPECT_EQ(c->TextOne->text(), "2");
        press(Qt::Key_Return);
    });
    const auto result = c->Start(&bundle());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->value(0), 2) << "the edit is kept";
    dropDialogs();

    // Secure Print: the Job Name list.
    QPointer<JobTypeSetup> s = securePrint();
    whenModal([&](QDialog* dialog) {
        typeText(QStringLiteral("erin"));
        press(Qt::Key_Tab);
        typeText(QStringLiteral("4321"));
        tabTo(s->pJobNameButton);
        ASSERT_NE(openList(), nullptr);
        press(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(platform::isRunningModal(dialog)) << "Escape in the list closed the dialog";
        EXPECT_EQ(s->TextUserIDBox->text(), "erin");
        // Escape again, with no list open: Cancel.
        press(Qt::Key_Escape);
        EXPECT_FALSE(platform::isRunningModal(dialog));
    });
    EXPECT_FALSE(s->Start(&bundle()));
}

TEST_F(Keyboard, ArrowKeysInANumberFieldStepItAsItsStepperDoes)
{
    QPointer<ColorBalanceOrvan> c = colorBalance();
    whenModal([&](QDialog*) {
        tabTo(c->EnableButton);
        press(Qt::Key_Space);
        tabTo(c->TextTwo);
        press(Qt::Key_Up);
        EXPECT_EQ(c->TextTwo->text(), "1");
        EXPECT_EQ(c->StepperTwo->value(), 1);
        EXPECT_EQ(colorbalance::workingValue(1), 1) << "stored at once";
        EXPECT_EQ(c->two3->fillColor(), c->Blackmid->fillColor()) << "the bar follows";
        EXPECT_EQ(c->two2->fillColor(), QColor(Qt::white));
        for (int i = 0; i < 5; ++i) press(Qt::Key_Up);
        EXPECT_EQ(c->TextTwo->text(), "3") << "within the stepper's limits";
        for (int i = 0; i < 9; ++i) press(Qt::Key_Down);
        EXPECT_EQ(c->TextTwo->text(), "-3");
        EXPECT_EQ(QApplication::focusWidget(), c->TextTwo) << "the field keeps the keyboard";
        press(Qt::Key_Escape);
    });
    c->Start(&bundle());
}

TEST_F(Keyboard, AFocusedStepperShowsItsFocus)
{
    QPointer<ColorBalanceOrvan> c = colorBalance();
    whenModal([&](QDialog*) {
        tabTo(c->EnableButton);
        press(Qt::Key_Space);
        tabTo(c->TextOne);
        const QImage without = c->StepperOne->grab().toImage();
        tabTo(c->StepperOne);
        const QImage with = c->StepperOne->grab().toImage();
        EXPECT_NE(with, without) << "nothing shows that the stepper has the keyboard";
        // A frame: the edge changes, in the colour of the focus.
        const QColor highlight = c->StepperOne->palette().color(QPalette::Highlight);
        int framed = 0;
        for (int x = 0; x < with.width(); ++x)
            if (QColor(with.pixel(x, 0)) == highlight && QColor(with.pixel(x, with.height() - 1)) == highlight) ++framed;
        EXPECT_GT(framed, with.width() / 2);
        press(Qt::Key_Escape);
    });
    c->Start(&bundle());
}

} // namespace
