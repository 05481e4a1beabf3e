// The Color Balance dialog opened from the Image Options panel's "Color Balance..."
// button, with the host's own callback over the bundled PPD receiving the hand-overs.
// The marks are read back through libcups' deprecated PPD interface.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "colorbalance/ColorBalance-Orvan.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "tests/colorbalance/ColorBalanceTestSupport.h"

#include "host/HostCallback.h"
#include "platform/Controls.h"
#include "platform/Stepper.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace cbtest;

namespace {

class ColorBalanceFromPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSharedPanelState();
        ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
        ASSERT_TRUE(ppd_);
        host_ = std::make_unique<host::HostCallback>(ppd_.get());
        panel_ = PrinterPDEOrvan::initWithCallback(host_.get(), &bundle_);
        ASSERT_TRUE(panel_);
        ASSERT_TRUE(panel_->panelView());
        panel_->willShow();
        panel_->PDEView->show();
        ASSERT_TRUE(panel_->colorBalanceButton);
        host_->clearHandOvers();
    }

    void TearDown() override
    {
        panel_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        host_.reset();
        ppd_.reset();
        resetSharedPanelState();
    }

    // Presses "Color Balance..."; `interact` runs inside the dialog's modal loop. Answers
    // the controller as the panel held it while the dialog ran.
    QPointer<ColorBalanceOrvan> press(const std::function<void(ColorBalanceOrvan*)>& interact)
    {
        QPointer<ColorBalanceOrvan> seen;
        bool ran = false;
        QTimer::singleShot(0, panel_.get(), [&] {
            ran = true;
            seen = panel_->aColorBalance;
            ASSERT_TRUE(seen);
            ASSERT_TRUE(seen->window() && seen->window()->isVisible());
            interact(seen.data());
            if (seen && seen->window()->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                seen->closeBtnClick(nullptr);
            }
        });
        QTest::mouseClick(panel_->colorBalanceButton, Qt::LeftButton);
        EXPECT_TRUE(ran);
        return seen;
    }

    static QList<host::HandOver> densities(const QList<int>& values)
    {
        QList<host::HandOver> expected;
        for (int i = 0; i < colorbalance::kDensityCount; ++i) {
            expected.append({QString::fromLatin1(colorbalance::densityKeyword(i)), QString::number(values.at(i))});
        }
        return expected;
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    host::PpdPtr ppd_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> panel_;
};

TEST_F(ColorBalanceFromPanel, OkHandsTheTwelveDensitiesToTheHostAndCancelHandsTheEarlierResult)
{
    // Cancel before any OK: nothing reaches the host.
    press([](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        QTest::mouseClick(arrow(d->StepperTwo, true), Qt::LeftButton);
        QTest::mouseClick(d->closeButton, Qt::LeftButton);
    });
    EXPECT_TRUE(host_->handOvers().isEmpty());
    EXPECT_FALSE(ColorBlanceRes.has_value());
    EXPECT_EQ(ColorDensityBlackMidSetting, 0);

    // OK at once on a first opening: "0" for all twelve keywords.
    press([](ColorBalanceOrvan* d) { QTest::mouseClick(d->okButton, Qt::LeftButton); });
    EXPECT_EQ(host_->handOvers(), densities(QList<int>(12, 0)));

    // Switch on, Cyan Mid -2, Yellow High +3.
    host_->clearHandOvers();
    press([](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        chooseWithKeys(d->targetColorButton, 1);
        d->TextTwo->selectAll();
        QTest::keyClicks(d->TextTwo, "-2");
        chooseWithKeys(d->targetColorButton, 3);
        d->TextThree->selectAll();
        QTest::keyClicks(d->TextThree, "3");
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    const QList<int> committed = {0, 0, 0, 0, -2, 0, 0, 0, 0, 0, 0, 3};
    EXPECT_EQ(host_->handOvers(), densities(committed));
    // The host marked the choices of its PPD.
    ppd_choice_t* marked = ppdFindMarkedChoice(ppd_.get(), "QVColorDensityCyanMid");
    ASSERT_TRUE(marked);
    EXPECT_STREQ(marked->choice, "-2");

    // Cancel after that OK: the same twelve again, although the rows were changed.
    host_->clearHandOvers();
    press([](ColorBalanceOrvan* d) {
        EXPECT_EQ(d->targetColorButton->currentIndex(), 3);
        QTest::mouseClick(arrow(d->StepperOne, false), Qt::LeftButton);
        QTest::keyClick(d->window(), Qt::Key_Escape);
    });
    EXPECT_EQ(host_->handOvers(), densities(committed));
    EXPECT_EQ(ColorDensityYellowLowSetting, 0);
}

TEST_F(ColorBalanceFromPanel, TheControllerIsGoneOnceItsWindowHasClosed)
{
    const QPointer<ColorBalanceOrvan> first =
        press([](ColorBalanceOrvan* d) { QTest::mouseClick(d->okButton, Qt::LeftButton); });
    QPointer<QDialog> window = first ? first->window() : nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(panel_->aColorBalance.isNull());

    // Each press makes a new controller; the close box ends it like Cancel.
    const QPointer<ColorBalanceOrvan> second = press([](ColorBalanceOrvan* d) { d->window()->close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(panel_->aColorBalance.isNull());

    // A restore with no controller left resets nothing of the dialog's.
    ColorDensityCyanLowSetting = 2;
    EXPECT_TRUE(panel_->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(ColorDensityCyanLowSetting, 2);
}

TEST_F(ColorBalanceFromPanel, GrayOutputOpensTheDialogOnBlackOnly)
{
    QComboBox* output = panel_->outputcolorButton;
    ASSERT_TRUE(output);
    int gray = -1;
    for (int i = 0; i < output->count(); ++i) {
        auto* choice = output->itemData(i).value<PDEChoice*>();
        if (choice && choice->ppdTitle() != QLatin1String("RGB")) gray = i;
    }
    ASSERT_GE(gray, 0) << "the bundled PPD offers gray output";
    output->setCurrentIndex(gray);
    CBstate = true;
    CBtarget = 2;
    press([](ColorBalanceOrvan* d) {
        EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
        for (int item = 1; item < 4; ++item) EXPECT_FALSE(platform::isItemEnabled(d->targetColorButton, item));
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(CBColorMode, 1);
    EXPECT_EQ(CBtarget, 0);
}

} // namespace
