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
}

TEST_F(Keyboard, SecurePrintDialog)
{
    // A new job name: the pop-up from the keyboard, then on to its field.
    QPointer<JobTypeSetup> named = securePrint();
    whenModal([&](QDialog* dialog) {
        EXPECT_EQ(QApplication::focusWidget(), named->TextUserIDBox) << "the user ID field has the keyboard first";
        typeText(QStringLiteral("alice"));
        press(Qt::Key_Tab);
        typeText(QStringLiteral("2468"));
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
}

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
