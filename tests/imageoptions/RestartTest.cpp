// Gray guarantee across runs of orvan-print: after a restart it shows what the job
// carried, and the job carries what the rules leave of it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include "tests/support/DriverChecks.h"
#include "tests/support/PrinterModel.h"

namespace {

class ImageOptionsAcrossRuns : public ::testing::Test {
protected:
    void SetUp() override { panels::resetState(); }

    void TearDown() override
    {
        printer_.reset();
        panels::resetState();
    }

    void start() { printer_ = std::make_unique<panels::Printer>(testsupport::bundledPpdPath(), true, &bundle_); }

    PrinterPDEOrvan& panel() { return printer_->panels().imageOptions(); }

    bool print()
    {
        panels::SeededChoices unused(1);
        return printer_->print(unused).sent;
    }

    // What a job sent now carries for gray guarantee.
    QString carried()
    {
        return panels::carriedJobOptions(printer_->panels(), {QStringLiteral("GrayGuarantee")}).value("GrayGuarantee");
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::AlertRecorder alerts_;
    testsupport::DriverChecks checks_;
    std::unique_ptr<panels::Printer> printer_;
};

TEST_F(ImageOptionsAcrossRuns, GrayGuaranteeShowsAfterARestartWhatTheJobCarries)
{
    for (const bool on : {false, true}) {
        start();
        if (!on) click(panel().GrayGuaranteeButton);
        ASSERT_TRUE(print());
        EXPECT_EQ(printer_->keptRecord().value("GrayGuaranteeSettings"), on ? "1" : "0");
        printer_->restart();
        EXPECT_EQ(panel().GrayGuaranteeButton->isChecked(), on) << on;
        EXPECT_TRUE(panel().GrayGuaranteeButton->isEnabled());
        EXPECT_EQ(carried(), on ? "True" : "False");
        printer_.reset();
        panels::resetState();
    }
}

TEST_F(ImageOptionsAcrossRuns, WhenTheRulesTurnGrayGuaranteeOffTheJobCarriesOff)
{
    start();
    QCheckBox* gray = panel().GrayGuaranteeButton;
    choose(panel().imagetypeButton, 1); // Photo: toner saving by image type
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(carried(), "False");
    choose(panel().imagetypeButton, 0);
    choose(panel().TonerSaveButton, 0);
    EXPECT_FALSE(gray->isChecked());
    click(gray);
    EXPECT_EQ(carried(), "True");

    // Toner saving, then gray output and back to colour: off while toner is saved.
    choose(panel().TonerSaveButton, 1);
    EXPECT_EQ(carried(), "False");
    choose(panel().outputcolorButton, 1);
    choose(panel().outputcolorButton, 0);
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(carried(), "False");
    panels::checkAgreement(printer_->panels());
}

} // namespace
