// Null-safe control helpers on real widgets, the stepper and the colour box.
#include "platform/ColorBox.h"
#include "platform/Controls.h"
#include "platform/Stepper.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ControlsTest, PopUpSelectionItemsAndItemEnabling)
{
    QComboBox popup;
    platform::addItem(&popup, QStringLiteral("Normal"), QVariant(10));
    platform::addItem(&popup, QStringLiteral("Fine"), QVariant(20));
    platform::addItem(&popup, QStringLiteral("Best"));
    EXPECT_EQ(platform::itemTitle(&popup, 3), QString());
    EXPECT_EQ(platform::representedObject(&popup, 1), QVariant(20));
    EXPECT_FALSE(platform::representedObject(&popup, 7).isValid());

    platform::select(&popup, 2);
    EXPECT_EQ(platform::indexOfSelectedItem(&popup), 2);
    EXPECT_EQ(platform::titleOfSelectedItem(&popup), QStringLiteral("Best"));
    // A position that names no item leaves nothing selected, also far beyond int.
    for (qint64 index : {qint64(3), qint64(-1), qint64(-2), qint64(std::numeric_limits<int>::max()) + 2}) {
        platform::select(&popup, 1);
        platform::select(&popup, index);
        EXPECT_EQ(platform::indexOfSelectedItem(&popup), -1) << index;
        EXPECT_EQ(platform::titleOfSelectedItem(&popup), QString());
    }

    // Items are enabled one by one, through the model; a disabled item can still be
    // selected by code.
    platform::setItemEnabled(&popup, 0, false);
    platform::setItemEnabled(&popup, 1, false);
    platform::setItemEnabled(&popup, 5, false);
    EXPECT_FALSE(platform::isItemEnabled(&popup, 1));
    EXPECT_TRUE(platform::isItemEnabled(&popup, 2));
    platform::select(&popup, 0);
    EXPECT_EQ(platform::indexOfSelectedItem(&popup), 0);
    // The user cannot step onto a disabled item with the keyboard.
    platform::select(&popup, 2);
    popup.show();
    popup.setFocus();
    QTest::keyClick(&popup, Qt::Key_Up);
    EXPECT_EQ(platform::indexOfSelectedItem(&popup), 2);
    platform::setItemEnabled(&popup, 1, true);
    QTest::keyClick(&popup, Qt::Key_Up);
    EXPECT_EQ(platform::indexOfSelectedItem(&popup), 1);

}

TEST(ControlsTest, TextColours)
{
    // What the user sees is the palette, in every state of the window.
    EXPECT_NE(platform::controlTextColor(), platform::disabledControlTextColor());
    QLabel label;
    QLineEdit edit;
    EXPECT_EQ(platform::textColor(&label), platform::controlTextColor());
    platform::setTextColor(&label, platform::disabledControlTextColor());
    EXPECT_EQ(label.palette().color(QPalette::Inactive, QPalette::WindowText), platform::disabledControlTextColor());
    platform::setTextColor(&edit, Qt::red);
    EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
}

TEST(StepperTest, LimitsWrapAndIncrement)
{
    platform::Stepper stepper;
    QSignalSpy actions(&stepper, &platform::Stepper::action);
    EXPECT_EQ(stepper.minimum(), 0);
    EXPECT_EQ(stepper.maximum(), 59);
    stepper.setMinimum(-3);
    stepper.setMaximum(3);
    stepper.setValue(7);
    EXPECT_EQ(stepper.value(), 3);
    stepper.setValue(-9);
    EXPECT_EQ(stepper.value(), -3);
    EXPECT_EQ(actions.count(), 0);

    // Without wrapping the value stops at the limits; every step is an action.
    stepper.setValue(2);
    stepper.stepUp();
    EXPECT_EQ(stepper.value(), 3);
    stepper.stepUp();
    EXPECT_EQ(stepper.value(), 3);
    stepper.setValue(-2);
    stepper.stepDown();
    stepper.stepDown();
    EXPECT_EQ(stepper.value(), -3);
    EXPECT_EQ(actions.count(), 4);

    // Wrapping: past the maximum to the minimum and back.
    stepper.setWraps(true);
    stepper.stepDown();
    EXPECT_EQ(stepper.value(), 3);
    stepper.stepUp();
    EXPECT_EQ(stepper.value(), -3);

    stepper.setWraps(false);
    stepper.setIncrement(2);
    stepper.setValue(2);
    stepper.stepUp();
    EXPECT_EQ(stepper.value(), 3);

    // A huge increment near the end of int does not overflow.
    stepper.setMaximum(std::numeric_limits<int>::max());
    stepper.setIncrement(std::numeric_limits<int>::max());
    stepper.setValue(std::numeric_limits<int>::max() - 1);
    stepper.stepUp();
    EXPECT_EQ(stepper.value(), std::numeric_limits<int>::max());

    // Limits set after the value still bound it; crossed limits collapse.
    platform::Stepper other;
    other.setValue(-2);
    EXPECT_EQ(other.value(), 0);
    other.setMinimum(-3);
    EXPECT_EQ(other.value(), -2);
    other.setMaximum(-5);
    EXPECT_EQ(other.minimum(), -5);
    EXPECT_EQ(other.value(), -5);
}

TEST(StepperTest, ArrowsAndKeysAreUserActions)
{
    QWidget window;
    auto* stepper = new platform::Stepper(&window);
    stepper->setMinimum(-3);
    stepper->setMaximum(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy actions(stepper, &platform::Stepper::action);

    auto* up = stepper->findChild<QToolButton*>(QStringLiteral("stepperUp"));
    auto* down = stepper->findChild<QToolButton*>(QStringLiteral("stepperDown"));
    ASSERT_TRUE(up && down);
    EXPECT_LT(up->geometry().top(), down->geometry().top()); // stacked, up on top
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(stepper->value(), 2);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(stepper->value(), 1);
    stepper->setFocus();
    QTest::keyClick(stepper, Qt::Key_Down);
    QTest::keyClick(stepper, Qt::Key_Down);
    EXPECT_EQ(stepper->value(), -1);
    QTest::keyClick(stepper, Qt::Key_Up);
    EXPECT_EQ(stepper->value(), 0);
    EXPECT_EQ(actions.count(), 6);
    QTest::keyClick(stepper, Qt::Key_A); // not ours
    EXPECT_EQ(actions.count(), 6);

    // Disabled: the arrows do nothing.
    stepper->setEnabled(false);
    EXPECT_FALSE(up->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(stepper->value(), 0);
    EXPECT_EQ(actions.count(), 6);
}

TEST(ColorBoxTest, PaintsItsFillColour)
{
    platform::ColorBox box;
    box.resize(box.sizeHint());
    box.setFillColor(QColor(0, 0, 255));
    const QImage blue = box.grab().toImage();
    EXPECT_EQ(blue.pixelColor(11, 7), QColor(0, 0, 255));
    EXPECT_NE(blue.pixelColor(0, 0), QColor(0, 0, 255)); // the border
    box.setProperty("fillColor", QColor(255, 255, 0));
    EXPECT_EQ(box.grab().toImage().pixelColor(11, 7), QColor(255, 255, 0));
}

} // namespace
