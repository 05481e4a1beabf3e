// The panel's record in the print settings, its summary and the check before printing.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

namespace {

using Values = QMap<QString, QString>;

const char* const kDensityKeys[] = {
    "BlackLowSettings",   "BlackMidSettings",   "BlackHighSettings",
    "CyanLowSettings",    "CyanMidSettings",    "CyanHighSettings",
    "MagentaLowSettings", "MagentaMidSettings", "MagentaHighSettings",
    "YellowLowSettings",  "YellowMidSettings",  "YellowHighSettings",
};

// The hand-overs a restore makes through the Default button, from the PPD defaults.
const HandOvers kDefaultHandOvers = {
    ho("ColorModel", "RGB"), ho("Screen", "Auto"),      ho("ImageType", "Normal"),
    ho("TonerMode", "0"),    ho("ColorModel", "RGB"),   ho("GrayGuarantee", "True"),
};

} // namespace

TEST_F(ImageOptionsTest, SaveWritesPositionsBrightnessAndStates)
{
    open();
    show();
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values, Values({{"colormodeSettings", "0"},
                                         {"imagequalitySettings", "0"},
                                         {"imagetypeSettings", "0"},
                                         {"imageadjustSettings", "0"},
                                         {"TonerSaveSettings", "0"},
                                         {"screenSettings", "0"},
                                         {"brightnessSettings", "0"},
                                         {"GrayGuaranteeSettings", "1"},
                                         {"stateEnableSettings", "0"},
                                         {"statetargetColorSettings", "0"}}));

    choose(panel->imagequalityButton, 2);
    choose(panel->imageadjustButton, 3);
    QTest::keyClick(panel->brightnessSlider, Qt::Key_Home);
    click(panel->GrayGuaranteeButton);
    ColorBlanceRes = QList<int32_t>({-3, -2, -1, 0, 1, 2, 3, 0, 0, 0, 0, -1});
    stateEnableButton = 1;
    statetargetColorButton = 2;
    settings().values.clear();
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    const Values& v = settings().values;
    EXPECT_EQ(v.size(), 22);
    EXPECT_EQ(v.value("imagequalitySettings"), "2");
    EXPECT_EQ(v.value("imageadjustSettings"), "3");
    EXPECT_EQ(v.value("brightnessSettings"), "-2");
    EXPECT_EQ(v.value("GrayGuaranteeSettings"), "0");
    EXPECT_EQ(v.value("stateEnableSettings"), "1");
    EXPECT_EQ(v.value("statetargetColorSettings"), "2");
    const char* const expected[] = {"-3", "-2", "-1", "0", "1", "2", "3", "0", "0", "0", "0", "-1"};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(v.value(kDensityKeys[i]), expected[i]) << kDensityKeys[i];
}

TEST_F(ImageOptionsTest, SaveBeforeTheControlsAreFilledKeepsTheStoredRecord)
{
    open();
    settings().values = {{"colormodeSettings", "1"}, {"brightnessSettings", "2"}, {"GrayGuaranteeSettings", "0"}};
    ASSERT_NE(panel->panelView(), nullptr);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values, Values({{"colormodeSettings", "1"},
                                         {"brightnessSettings", "2"},
                                         {"GrayGuaranteeSettings", "0"},
                                         {"stateEnableSettings", "0"},
                                         {"statetargetColorSettings", "0"}}));

    // A host without print settings: nothing to write or read.
    host->setPrintSettings(nullptr);
    show();
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
    EXPECT_EQ(panel->GrayGuaranteeValue, 0);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Auto");
    // Brightness lives only in the record.
    EXPECT_EQ(panel->brightnessSlider->value(), 2);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    // The Default button (image types still show the "Off" of gray output), then the
    // colour-mode rule and the toner saving rule that end every restore.
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
                                   ho("ColorModel", "Gray"),                          // the record
                                   ho("GrayGuarantee", "True"),                       // its gray guarantee
                                   ho("ColorModel", "Gray"), ho("GrayGuarantee", "False"),
                                   ho("ImageType", "Off"),                           // the colour-mode rule
                                   ho("ImageType", "Off"), ho("TonerMode", "0"),      // the toner saving rule
                               }));
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Grayscale");
    EXPECT_EQ(marked("ColorModel"), "Gray");
    EXPECT_EQ(CBColorMode, 1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::disabledControlTextColor());
    EXPECT_EQ(panel->GrayGuaranteeValue, 1);
}

TEST_F(ImageOptionsTest, RestoreOfNoSelectionHandsNothingOverForThatPopUp)
{
    open();
    show();
    settings().values = {{"screenSettings", "-1"}, {"imagequalitySettings", "-1"}, {"colormodeSettings", "7"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    // Only the Default button's "Screen" and "ColorModel"; the record hands over neither.
    EXPECT_EQ(takeHandOvers(), kDefaultHandOvers + HandOvers({ho("ColorModel", "RGB"), ho("GrayGuarantee", "True"),
                                                              ho("ImageType", "Normal"), ho("TonerMode", "0")}));
    // With hand-over active the pop-ups then follow the host's marks.
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Auto");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "600 dpi");
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
        {"colormodeSettings", "Gray"}, {"screenSettings", "x1"}, {"TonerSaveSettings", ""},
        {"brightnessSettings", "bright"}, {"GrayGuaranteeSettings", "on"},
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
    // Treated as missing: the record hands over no colour or screen of its own.
    const HandOvers handOvers = takeHandOvers();
    EXPECT_EQ(handOvers.count(ho("ColorModel", "RGB")), 3); // Default twice, colour-mode rule once
    EXPECT_EQ(handOvers.count(ho("Screen", "Auto")), 1);
    for (const host::HandOver& h : handOvers) {
        if (h.first == "ColorModel") {
            EXPECT_EQ(h.second, "RGB");
        } else if (h.first == "Screen") {
            EXPECT_EQ(h.second, "Auto");
        }
    }
}

TEST_F(ImageOptionsTest, DensitiesAreReadOnlyOnceAResultWasCommitted)
{
    open();
    show();
    colorbalance::workingValue(4) = 1;
    settings().values = {{"CyanMidSettings", "-2"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(colorbalance::workingValue(4), 1);
    // Nor written, so the stored value stays.
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values.value("CyanMidSettings"), "-2");

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
    open();
    ASSERT_NE(panel->panelView(), nullptr);
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(panel->GrayGuaranteeValue, 0);
    panel->willShow();
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(marked("GrayGuarantee"), "True");
    open(testsupport::bundledPpdPath(), false);
    ASSERT_NE(panel->panelView(), nullptr);
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    panel->willShow();
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
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
    const Values summary = panel->summaryInfo();
    EXPECT_EQ(summary.value("Gray Guarantee:"), "Off");
    EXPECT_EQ(summary.value("Toner Saving Mode:"), "High Saving");
    EXPECT_FALSE(summary.contains("Image Quality:"));
}

TEST_F(ImageOptionsTest, ShouldPrintHandsTheDensitiesOverOnlyToAPrinter)
{
    open();
    show();
    // The brightness goes over to every destination.
    const HandOvers brightness{ho("Brightness", "0")};
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_EQ(takeHandOvers(), brightness);

    ColorBlanceRes = QList<int32_t>({0, 0, 0, 0, -2, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(panel->shouldPrint());
    const HandOvers handOvers = takeHandOvers().mid(1);
    ASSERT_EQ(handOvers.size(), 12);
    EXPECT_EQ(handOvers[0], ho("QVColorDensityBlackLow", "0"));
    EXPECT_EQ(handOvers[4], ho("QVColorDensityCyanMid", "-2"));
    EXPECT_EQ(handOvers[11], ho("QVColorDensityYellowHigh", "0"));

    for (uint16_t destination : {platform::kPMDestinationFile, platform::kPMDestinationPreview}) {
        auto session = std::make_unique<platform::PrintSession>();
        session->destinationType = destination;
        host->setPrintSession(std::move(session));
        EXPECT_TRUE(panel->shouldPrint());
        EXPECT_EQ(takeHandOvers(), brightness) << destination;
    }
    host->setPrintSession(nullptr);
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_EQ(takeHandOvers(), brightness);
}

TEST_F(ImageOptionsTest, AHostThatMarksNothingKeepsEveryRestoredPosition)
{
    // The record is all such a host remembers: whether it restores before or after the
    // panel is first shown, what the record says is shown and saved again.
    const Values record{{"colormodeSettings", "0"},   {"imagequalitySettings", "2"}, {"imagetypeSettings", "0"},
                        {"imageadjustSettings", "3"}, {"TonerSaveSettings", "1"},    {"screenSettings", "2"},
                        {"brightnessSettings", "1"},  {"GrayGuaranteeSettings", "0"}, {"stateEnableSettings", "0"},
                        {"statetargetColorSettings", "0"}};
    for (const bool restoreFirst : {false, true}) {
        open(testsupport::bundledPpdPath(), false);
        settings().values = record;
        if (restoreFirst) {
            ASSERT_NE(panel->panelView(), nullptr);
            EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
            show();
        } else {
            show();
            EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        }
        EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "1200 dpi") << restoreFirst;
        EXPECT_EQ(platform::titleOfSelectedItem(panel->imageadjustButton), "sRGB Matching") << restoreFirst;
        EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Smooth Gradation") << restoreFirst;
        EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Low Saving") << restoreFirst;
        EXPECT_EQ(panel->brightnessSlider->value(), 1) << restoreFirst;
        EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor()) << restoreFirst;
        settings().values.clear();
        EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
        EXPECT_EQ(settings().values, record) << restoreFirst;
        EXPECT_TRUE(host->handOvers().isEmpty());
    }
}
