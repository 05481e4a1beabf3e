// The rules between the controls, the Default button and the colour-balance hand-over,
// as the host sees them.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include <QApplication>
#include <QTimer>

namespace {

QList<int32_t> densities(std::initializer_list<std::pair<int, int32_t>> values)
{
    QList<int32_t> list(colorbalance::kDensityCount, 0);
    for (const auto& [index, value] : values) list[index] = value;
    return list;
}

HandOvers densityHandOvers(const QList<int32_t>& values)
{
    HandOvers list;
    for (int i = 0; i < colorbalance::kDensityCount; ++i)
        list.append({QString::fromLatin1(colorbalance::densityKeyword(i)), QString::number(values[i])});
    return list;
}

} // namespace

TEST_F(ImageOptionsTest, ImageTypesOtherThanNormalForceTonerSavingByImageType)
{
    open();
    show();
    QComboBox* toner = panel->TonerSaveButton;
    choose(panel->imagetypeButton, 1); // Photo
    // Toner saving set by the image type allows no gray guarantee: it goes off too.
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "False"), ho("ImageType", "Photo"), ho("TonerMode", "3")}));
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(platform::isItemEnabled(toner, i)) << i;
    QTest::keyClick(toner, Qt::Key_Up); // disabled items are out of the keyboard's reach
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());

    choose(panel->imagetypeButton, 0); // Normal: items back, selection kept
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "3")}));
    QTest::keyClick(toner, Qt::Key_Up);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "2")}));

    // A toner saving pop-up without a fourth item keeps its selection.
    open(testsupport::testDataPath("tonermode-short.ppd"));
    show();
    choose(panel->imagetypeButton, 2); // Graphics
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Graphics"), ho("TonerMode", "0")}));
    EXPECT_FALSE(platform::isItemEnabled(panel->TonerSaveButton, 0));
}

TEST_F(ImageOptionsTest, TonerSavingDecidesGrayGuaranteeInColourOutput)
{
    open();
    show();
    QCheckBox* gray = panel->GrayGuaranteeButton;
    choose(panel->TonerSaveButton, 1);
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "False"), ho("ImageType", "Normal"), ho("TonerMode", "1")}));
    choose(panel->TonerSaveButton, 2); // off already: nothing more to say
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "2")}));
    choose(panel->TonerSaveButton, 0);
    EXPECT_TRUE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "0")}));

    // The check box hands over what it shows.
    click(gray);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "True")}));
    click(gray);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "False")}));
    EXPECT_EQ(marked("GrayGuarantee"), "False");
}

TEST_F(ImageOptionsTest, GrayOutputSwitchesGrayGuaranteeAndImageTypesOff)
{
    open();
    show();
    QCheckBox* gray = panel->GrayGuaranteeButton;
    choose(panel->outputcolorButton, 1); // Grayscale
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "Gray"), ho("GrayGuarantee", "False"), ho("ImageType", "Off")}));
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagetypeButton), "Off");

    choose(panel->outputcolorButton, 0); // back to colour
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "RGB"), ho("GrayGuarantee", "False")}));
    EXPECT_TRUE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    // Back to colour while toner is saved: the restart test's rules case.
}

TEST_F(ImageOptionsTest, OtherPopUpsHandOverTheirChoiceAndFollowTheMarks)
{
    open();
    show();
    choose(panel->imagequalityButton, 2);
    choose(panel->imageadjustButton, 3);
    choose(panel->screenButton, 1);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("DrvResolution", "1200dpi"), ho("ImageAdjustmentMode", "sRGB"),
                                          ho("Screen", "Detail")}));
    // A choice the host marks by itself shows at the next change.
    ppdMarkOption(ppd.get(), "DrvResolution", "600dpiFine");
    choose(panel->screenButton, 2);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "600 dpi Fine");
}

TEST_F(ImageOptionsTest, DefaultRestoresColourScreenTonerSavingAndGrayGuarantee)
{
    open();
    show();
    choose(panel->outputcolorButton, 1);
    choose(panel->screenButton, 1);
    choose(panel->imagequalityButton, 2);
    choose(panel->TonerSaveButton, 2);
    takeHandOvers();
    click(panel->defaultButton);
    // Image types still show the "Off" of gray output; image quality is left alone.
    EXPECT_EQ(takeHandOvers(),
              HandOvers({ho("ColorModel", "RGB"), ho("Screen", "Auto"), ho("ImageType", "Off"), ho("TonerMode", "0"),
                         ho("ColorModel", "RGB"), ho("GrayGuarantee", "True")}));
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "1200 dpi");
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor());

    // Toner saving set by the image type stays so.
    choose(panel->imagetypeButton, 1); // Photo
    takeHandOvers();
    click(panel->defaultButton);
    EXPECT_EQ(marked("TonerMode"), "3");
    EXPECT_EQ(marked("ImageType"), "Photo");
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(marked("GrayGuarantee"), "False");
}

TEST_F(ImageOptionsTest, DefaultNamingNoChoiceLeavesThePopUpEmptyAndHandsNothingOver)
{
    open(testsupport::testDataPath("bad-defaults.ppd"));
    show();
    click(panel->defaultButton);
    // No colour choice is in force, so the gray-output rule applies.
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("GrayGuarantee", "False"), ho("ImageType", "Off")}));
    EXPECT_EQ(platform::indexOfSelectedItem(panel->outputcolorButton), -1);
    EXPECT_EQ(platform::indexOfSelectedItem(panel->screenButton), -1);
    EXPECT_EQ(platform::indexOfSelectedItem(panel->TonerSaveButton), -1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
}

TEST_F(ImageOptionsTest, WithoutHandOversTheRulesStillApply)
{
    open(testsupport::bundledPpdPath(), false);
    show();
    choose(panel->imagetypeButton, 3); // Text
    EXPECT_EQ(platform::indexOfSelectedItem(panel->TonerSaveButton), 3);
    EXPECT_FALSE(platform::isItemEnabled(panel->TonerSaveButton, 0));
    choose(panel->outputcolorButton, 1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::disabledControlTextColor());
    EXPECT_EQ(panel->summaryInfo().value("Output Color:"), "Grayscale");
    choose(panel->outputcolorButton, 0);
    choose(panel->imagetypeButton, 0);
    choose(panel->TonerSaveButton, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    click(panel->GrayGuaranteeButton);
    ColorBlanceRes = densities({{2, 1}});
    panel->changeColorBlanceOption();
    EXPECT_TRUE(panel->shouldPrint());
    click(panel->defaultButton);
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    // Nothing reaches such a host: its marks are still its defaults.
    EXPECT_TRUE(host->handOvers().isEmpty());
    EXPECT_EQ(marked("ColorModel"), "RGB");
    EXPECT_EQ(marked("QVColorDensityBlackHigh"), "0");
}

TEST_F(ImageOptionsTest, TheColorBalanceDialogsResultIsHandedOverAfterOkOnly)
{
    open();
    show();
    choose(panel->outputcolorButton, 1); // gray output: the dialog offers Black only
    takeHandOvers();
    colorbalance::workingValue(1) = -2;

    // Cancel before any OK: nothing to hand over.
    testsupport::inModal([&] { click(panel->colorBalanceButton); },
                         [](QDialog* dialog) { dialog->findChild<QPushButton*>("closeButton")->click(); });
    EXPECT_FALSE(ColorBlanceRes);
    EXPECT_TRUE(host->handOvers().isEmpty());

    int modeSeen = -1;
    testsupport::inModal([&] { click(panel->colorBalanceButton); },
                         [&modeSeen](QDialog* dialog) {
                             modeSeen = CBColorMode;
                             dialog->findChild<QCheckBox*>("EnableButton")->click();
                             dialog->findChild<QPushButton*>("okButton")->click();
                         });
    EXPECT_EQ(modeSeen, 1);
    const QList<int32_t> result = densities({{1, -2}});
    EXPECT_EQ(takeHandOvers(), densityHandOvers(result));
    EXPECT_EQ(marked("QVColorDensityBlackMid"), "-2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel->aColorBalance, nullptr) << "the controller gives itself up with its window";

    // Cancel after an OK hands the earlier result over again.
    testsupport::inModal([&] { click(panel->colorBalanceButton); },
                         [](QDialog* dialog) { dialog->findChild<QPushButton*>("closeButton")->click(); });
    EXPECT_EQ(takeHandOvers(), densityHandOvers(result));

    // A controller still around when the panel goes is deleted with it.
    QPointer<ColorBalanceOrvan> controller = panel->aColorBalance;
    ASSERT_NE(controller, nullptr);
    panel.reset();
    EXPECT_EQ(controller, nullptr);
}

TEST_F(ImageOptionsTest, TheBrightnessSliderIsThePrintersBrightness)
{
    open();
    show();
    QSlider* slider = panel->brightnessSlider;
    EXPECT_EQ(slider->minimum(), -2);
    EXPECT_EQ(slider->maximum(), 2);
    EXPECT_EQ(slider->toolTip(), "Normal");
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("Brightness", "1")}));
    EXPECT_EQ(slider->toolTip(), "Slightly Lighter");

    // The record keeps the number; older records too, within the printer's range.
    const std::pair<const char*, const char*> records[] = {{"2", "2"}, {"-7", "-2"}, {"1", "1"}};
    for (const auto& [stored, shown] : records) {
        settings().values = {{"brightnessSettings", stored}};
        EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        EXPECT_EQ(QString::number(slider->value()), shown) << stored;
        EXPECT_TRUE(takeHandOvers().contains(ho("Brightness", shown)));
    }

    // A host that takes no hand-overs: the record only.
    open(testsupport::bundledPpdPath(), false);
    show();
    QTest::keyClick(panel->brightnessSlider, Qt::Key_End);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values.value("brightnessSettings"), "2");

    // A printer without brightness: nothing to move, nothing handed over.
    open(testsupport::testDataPath("density-defaults-zero.ppd"));
    show();
    EXPECT_FALSE(panel->brightnessSlider->isEnabled());
    settings().values = {{"brightnessSettings", "1"}};
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->shouldPrint());
    for (const host::HandOver& h : host->handOvers()) EXPECT_NE(h.first, "Brightness");
}
