// The panel's record in the print settings, its summary and the check before printing.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

namespace {

using Values = QMap<QString, QString>;

// The hand-overs a restore makes through the Default button, from the PPD defaults.
const HandOvers kDefaultHandOvers = {
    ho("ColorModel", "RGB"), ho("Screen", "Auto"),    ho("ImageType", "Normal"),
    ho("TonerMode", "0"),    ho("ColorModel", "RGB"), ho("GrayGuarantee", "True"),
};

} // namespace

TEST_F(ImageOptionsTest, SaveWritesPositionsBrightnessAndStates)
{
    open();
    settings().values = {{"colormodeSettings", "1"}, {"brightnessSettings", "2"}};
    ASSERT_NE(panel->panelView(), nullptr);
    // Before the controls are filled the stored record stays.
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values, Values({{"colormodeSettings", "1"}, {"brightnessSettings", "2"},
                                         {"stateEnableSettings", "0"}, {"statetargetColorSettings", "0"}}));
    settings().values.clear();
    show();
    choose(panel->imagequalityButton, 2);
    choose(panel->imageadjustButton, 3);
    QTest::keyClick(panel->brightnessSlider, Qt::Key_Home);
    click(panel->GrayGuaranteeButton);
    ColorBlanceRes = QList<int32_t>({-3, -2, -1, 0, 1, 2, 3, 0, 0, 0, 0, -1});
    stateEnableButton = 1;
    statetargetColorButton = 2;
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values,
              Values({{"colormodeSettings", "0"},       {"imagequalitySettings", "2"},  {"imagetypeSettings", "0"},
                      {"imageadjustSettings", "3"},     {"TonerSaveSettings", "0"},     {"screenSettings", "0"},
                      {"brightnessSettings", "-2"},     {"GrayGuaranteeSettings", "0"}, {"stateEnableSettings", "1"},
                      {"statetargetColorSettings", "2"}, {"BlackLowSettings", "-3"},    {"BlackMidSettings", "-2"},
                      {"BlackHighSettings", "-1"},      {"CyanLowSettings", "0"},       {"CyanMidSettings", "1"},
                      {"CyanHighSettings", "2"},        {"MagentaLowSettings", "3"},    {"MagentaMidSettings", "0"},
                      {"MagentaHighSettings", "0"},     {"YellowLowSettings", "0"},     {"YellowMidSettings", "0"},
                      {"YellowHighSettings", "-1"}}));

    // A host without print settings: nothing to write or read.
    host->setPrintSettings(nullptr);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
}

TEST_F(ImageOptionsTest, RestoreWithKeysMissingResetsToThePpdDefaults)
{
    open();
    show();
    choose(panel->outputcolorButton, 1);
    choose(panel->screenButton, 1);
    QTest::keyClick(panel->brightnessSlider, Qt::Key_End);
    CBstate = true;
    CBtarget = 2;
    stateEnableButton = 1;
    statetargetColorButton = 3;
    takeHandOvers();
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_FALSE(CBstate);
    EXPECT_EQ(CBtarget, 0);
    EXPECT_EQ(stateEnableButton, 0);
    EXPECT_EQ(statetargetColorButton, 0);
    EXPECT_EQ(panel->brightnessSlider->value(), 2) << "brightness lives only in the record";
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    // The Default button (image types still "Off" from gray output), then the colour-mode
    // and toner saving rules that end every restore.
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "RGB"), ho("Screen", "Auto"), ho("ImageType", "Off"),
                                          ho("TonerMode", "0"), ho("ColorModel", "RGB"), ho("GrayGuarantee", "True"),
                                          ho("ColorModel", "RGB"), ho("GrayGuarantee", "True"), ho("ImageType", "Off"),
                                          ho("TonerMode", "0")}));
}

TEST_F(ImageOptionsTest, RestoreOfGrayOutputHandsItOverAndAppliesTheColourModeRule)
{
    open();
    show();
    settings().values = {{"colormodeSettings", "1"}, {"GrayGuaranteeSettings", "1"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(takeHandOvers(), kDefaultHandOvers + HandOvers({
                                   ho("ColorModel", "Gray"), ho("GrayGuarantee", "True"), // the record
                                   ho("ColorModel", "Gray"), ho("GrayGuarantee", "False"),
                                   ho("ImageType", "Off"),                            // the colour-mode rule
                                   ho("ImageType", "Off"), ho("TonerMode", "0"),       // the toner saving rule
                               }));
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Grayscale");
    EXPECT_EQ(CBColorMode, 1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
}

TEST_F(ImageOptionsTest, RestoreIgnoresValuesThatNameNothing)
{
    open();
    show();
    ColorBlanceRes = QList<int32_t>(12, 0);
    for (int i = 0; i < 12; ++i) colorbalance::workingValue(i) = 1;
    QTest::keyClick(panel->brightnessSlider, Qt::Key_PageUp);
    settings().values = {
        {"BlackLowSettings", "-2"}, {"BlackMidSettings", "5"}, {"BlackHighSettings", "-4"},
        {"CyanLowSettings", "abc"}, {"CyanMidSettings", " 3"}, {"CyanHighSettings", ""},
        {"MagentaLowSettings", "-3"}, {"MagentaMidSettings", "99999999999"},
        {"colormodeSettings", "Gray"}, {"screenSettings", "-1"}, {"imagequalitySettings", "-1"},
        {"TonerSaveSettings", ""}, {"brightnessSettings", "bright"}, {"GrayGuaranteeSettings", "on"},
        {"stateEnableSettings", "2"}, {"statetargetColorSettings", "x"},
    };
    stateEnableButton = 1;
    statetargetColorButton = 1;
    takeHandOvers();
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    const int64_t expected[] = {-2, 1, 1, 1, 3, 1, -3, 1, 1, 1, 1, 1};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(colorbalance::workingValue(i), expected[i]) << i;
    EXPECT_EQ(panel->brightnessSlider->value(), 1);
    EXPECT_EQ(panel->GrayGuaranteeValue, 0);
    EXPECT_EQ(stateEnableButton, 0);
    EXPECT_EQ(statetargetColorButton, 0);
    // Treated as missing: the record hands over no colour, screen or quality of its own.
    const HandOvers handOvers = takeHandOvers();
    EXPECT_EQ(handOvers.count(ho("ColorModel", "RGB")), 3); // Default twice, colour-mode rule once
    EXPECT_EQ(handOvers.count(ho("Screen", "Auto")), 1);
    for (const host::HandOver& h : handOvers) {
        EXPECT_NE(h.first, "DrvResolution");
        if (h.first == "ColorModel" || h.first == "Screen") {
            EXPECT_EQ(h.second, h.first == "Screen" ? "Auto" : "RGB");
        }
    }
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "600 dpi");
}

TEST_F(ImageOptionsTest, DensitiesAreReadOnlyOnceAResultWasCommitted)
{
    open();
    show();
    colorbalance::workingValue(4) = 1;
    settings().values = {{"CyanMidSettings", "-2"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(colorbalance::workingValue(4), 1);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values.value("CyanMidSettings"), "-2") << "nor written: the stored value stays";

    ColorBlanceRes = QList<int32_t>(12, 0);
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(colorbalance::workingValue(4), -2);
}

TEST_F(ImageOptionsTest, ARestoreBeforeTheFirstShowDecidesTheCheckBox)
{
    open();
    ASSERT_NE(panel->panelView(), nullptr);
    settings().values = {{"GrayGuaranteeSettings", "0"}, {"stateEnableSettings", "1"}, {"statetargetColorSettings", "2"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(stateEnableButton, 1);
    EXPECT_EQ(statetargetColorButton, 2);
    panel->willShow();
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());

    // A missing key: the check box shows what the host holds (the Default button's
    // restore hands the PPD default over); a host that marks nothing counts it as off.
    for (const bool marking : {true, false}) {
        open(testsupport::bundledPpdPath(), marking);
        ASSERT_NE(panel->panelView(), nullptr);
        EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        panel->willShow();
        EXPECT_EQ(panel->GrayGuaranteeButton->isChecked(), marking);
    }
}

TEST_F(ImageOptionsTest, SummaryShowsThePpdTextsOfTheSelections)
{
    open();
    show();
    choose(panel->imagequalityButton, 2);
    EXPECT_EQ(panel->summaryInfo(), Values({{"Output Color:", "Color"},
                                            {"Image Types:", "Normal"},
                                            {"Image Adjust Mode:", "Standard"},
                                            {"Toner Saving Mode:", "Off"},
                                            {"Screen:", "Auto"},
                                            {"Gray Guarantee:", "On"}}));
    click(panel->GrayGuaranteeButton);
    choose(panel->TonerSaveButton, 2);
    EXPECT_EQ(panel->summaryInfo().value("Gray Guarantee:"), "Off");
    EXPECT_EQ(panel->summaryInfo().value("Toner Saving Mode:"), "High Saving");
}

TEST_F(ImageOptionsTest, ShouldPrintHandsTheDensitiesOverOnlyToAPrinter)
{
    open();
    show();
    ColorBlanceRes = QList<int32_t>({0, 0, 0, 0, -2, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(panel->shouldPrint());
    HandOvers expected{ho("Brightness", "0")};
    for (int i = 0; i < colorbalance::kDensityCount; ++i)
        expected << ho(colorbalance::densityKeyword(i), i == 4 ? "-2" : "0");
    EXPECT_EQ(takeHandOvers(), expected);

    // The brightness goes over to every destination.
    for (uint16_t destination : {platform::kPMDestinationFile, platform::kPMDestinationPreview}) {
        auto session = std::make_unique<platform::PrintSession>();
        session->destinationType = destination;
        host->setPrintSession(std::move(session));
        EXPECT_TRUE(panel->shouldPrint());
        EXPECT_EQ(takeHandOvers(), HandOvers({ho("Brightness", "0")})) << destination;
    }
}
