// The Image Options panel across runs of orvan-print: printed, then started again with
// the kept record and marked choices, it shows what the job carried, and the next job
// carries what it shows.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include "tests/support/DriverChecks.h"
#include "tests/support/PrinterModel.h"

namespace {

// The user's actions of ImageOptionsTest.
struct ImageOptionsActions : ImageOptionsTest {
    using ImageOptionsTest::choose;
    using ImageOptionsTest::click;
};

class ImageOptionsAcrossRuns : public ::testing::Test {
protected:
    void SetUp() override { panels::resetState(); }

    void TearDown() override
    {
        printer_.reset();
        panels::resetState();
    }

    void start(bool offersMarking = true)
    {
        printer_ = std::make_unique<panels::Printer>(testsupport::bundledPpdPath(), offersMarking, &bundle_);
    }

    PrinterPDEOrvan& panel() { return printer_->panels().imageOptions(); }

    bool print()
    {
        panels::SeededChoices unused(1);
        return printer_->print(unused).sent;
    }

    // What a job sent now carries for `keyword`.
    QString carried(const char* keyword)
    {
        return panels::carriedJobOptions(printer_->panels(), {QLatin1String(keyword)}).value(QLatin1String(keyword));
    }

    static void choose(QComboBox* popup, int index) { ImageOptionsActions::choose(popup, index); }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::AlertRecorder alerts_;
    testsupport::DriverChecks checks_;
    std::unique_ptr<panels::Printer> printer_;
};

TEST_F(ImageOptionsAcrossRuns, GrayGuaranteeShowsAfterARestartWhatTheJobCarries)
{
    for (const bool on : {false, true}) {
        start();
        if (!on) ImageOptionsActions::click(panel().GrayGuaranteeButton);
        ASSERT_EQ(panel().GrayGuaranteeButton->isChecked(), on);
        ASSERT_TRUE(print());
        EXPECT_EQ(printer_->keptRecord().value("GrayGuaranteeSettings"), on ? "1" : "0");

        printer_->restart();
        EXPECT_EQ(panel().GrayGuaranteeButton->isChecked(), on) << on;
        EXPECT_TRUE(panel().GrayGuaranteeButton->isEnabled());
        EXPECT_EQ(carried("GrayGuarantee"), on ? "True" : "False");
        ASSERT_TRUE(print());
        EXPECT_EQ(carried("GrayGuarantee"), on ? "True" : "False");
        printer_.reset();
        panels::resetState();
    }
}

TEST_F(ImageOptionsAcrossRuns, WhenTheRulesTurnGrayGuaranteeOffTheJobCarriesOff)
{
    start();
    QCheckBox* gray = panel().GrayGuaranteeButton;
    ASSERT_TRUE(gray->isChecked());

    // Photo sets toner saving by image type: no gray guarantee.
    choose(panel().imagetypeButton, 1);
    EXPECT_EQ(platform::titleOfSelectedItem(panel().TonerSaveButton), "Set by Image Type");
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(carried("GrayGuarantee"), "False");

    // Back to Normal: toner saving is still set by image type.
    choose(panel().imagetypeButton, 0);
    EXPECT_FALSE(gray->isEnabled());
    choose(panel().TonerSaveButton, 0);
    EXPECT_TRUE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    ImageOptionsActions::click(gray);
    EXPECT_EQ(carried("GrayGuarantee"), "True");

    // Toner saving, then gray output and back to colour: off, and it stays off while
    // toner is saved.
    choose(panel().TonerSaveButton, 1);
    EXPECT_EQ(carried("GrayGuarantee"), "False");
    choose(panel().outputcolorButton, 1);
    choose(panel().outputcolorButton, 0);
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(carried("GrayGuarantee"), "False");
    panels::checkAgreement(printer_->panels());
}

TEST_F(ImageOptionsAcrossRuns, BrightnessAfterARestartIsWhatTheJobCarried)
{
    start();
    QTest::keyClick(panel().brightnessSlider, Qt::Key_Right);
    ASSERT_EQ(carried("Brightness"), "1");
    ASSERT_TRUE(print());
    printer_->restart();
    EXPECT_EQ(panel().brightnessSlider->value(), 1);
    EXPECT_EQ(carried("Brightness"), "1");
    QTest::keyClick(panel().brightnessSlider, Qt::Key_Home);
    ASSERT_TRUE(print());
    EXPECT_EQ(carried("Brightness"), "-2");
}

} // namespace
