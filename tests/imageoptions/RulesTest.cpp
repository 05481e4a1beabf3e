// The rules between the controls, the Default button and the colour-balance
// hand-over, as the host sees them.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QList<int32_t> densities(std::initializer_list<std::pair<int, int32_t>> values)
{
    QList<int32_t> list(colorbalance::kDensityCount, 0);
    for (const auto& [index, value] : values) list[index] = value;
    return list;
}

const char* const kDensityKeywords[] = {
    "QVColorDensityBlackLow",   "QVColorDensityBlackMid",   "QVColorDensityBlackHigh",
    "QVColorDensityCyanLow",    "QVColorDensityCyanMid",    "QVColorDensityCyanHigh",
    "QVColorDensityMagentaLow", "QVColorDensityMagentaMid", "QVColorDensityMagentaHigh",
    "QVColorDensityYellowLow",  "QVColorDensityYellowMid",  "QVColorDensityYellowHigh",
};

HandOvers densityHandOvers(const QList<int32_t>& values)
{
    HandOvers list;
    for (int i = 0; i < colorbalance::kDensityCount; ++i)
        list.append({QString::fromLatin1(kDensityKeywords[i]), QString::number(values[i])});
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
    EXPECT_EQ(marked("ImageType"), "Photo");
    EXPECT_EQ(marked("TonerMode"), "3");
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(platform::isItemEnabled(toner, i)) << i;
    EXPECT_TRUE(platform::isItemEnabled(toner, 3));
    // The user cannot reach the disabled items from the keyboard either.
    QTest::keyClick(toner, Qt::Key_Up);
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    EXPECT_TRUE(host->handOvers().isEmpty());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(marked("GrayGuarantee"), "False");

    choose(panel->imagetypeButton, 0); // Normal: items back, selection kept
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "3")}));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(platform::isItemEnabled(toner, i)) << i;
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    QTest::keyClick(toner, Qt::Key_Up);
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 2);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "2")}));
    EXPECT_EQ(panel->tonersaveSelection, (*tonersaveChoices)[2].get());
}

TEST_F(ImageOptionsTest, ATonerSavingPopUpWithoutItemThreeKeepsItsSelection)
{
    open(testsupport::testDataPath("tonermode-short.ppd"));
    show();
    choose(panel->imagetypeButton, 2); // Graphics
    EXPECT_EQ(platform::indexOfSelectedItem(panel->TonerSaveButton), 0);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(platform::isItemEnabled(panel->TonerSaveButton, i)) << i;
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Graphics"), ho("TonerMode", "0")}));
}

TEST_F(ImageOptionsTest, TonerSavingDecidesGrayGuaranteeInColourOutput)
{
    open();
    show();
    QCheckBox* gray = panel->GrayGuaranteeButton;
    ASSERT_TRUE(gray->isEnabled());
    ASSERT_TRUE(gray->isChecked());

    choose(panel->TonerSaveButton, 1);
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    // The job carries what the check box shows.
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "False"), ho("ImageType", "Normal"), ho("TonerMode", "1")}));
    EXPECT_EQ(marked("GrayGuarantee"), "False");
    // Off already: nothing more to say.
    choose(panel->TonerSaveButton, 2);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "2")}));

    choose(panel->TonerSaveButton, 0);
    EXPECT_TRUE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "0")}));

    // Gray output: no toner saving choice allows it.
    choose(panel->outputcolorButton, 1);
    choose(panel->TonerSaveButton, 0);
    EXPECT_FALSE(gray->isEnabled());
}

TEST_F(ImageOptionsTest, GrayOutputSwitchesGrayGuaranteeAndImageTypesOff)
{
    open();
    show();
    QCheckBox* gray = panel->GrayGuaranteeButton;

    choose(panel->outputcolorButton, 1); // Grayscale
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "Gray"), ho("GrayGuarantee", "False"), ho("ImageType", "Off")}));
    EXPECT_EQ(marked("ColorModel"), "Gray");
    EXPECT_EQ(marked("ImageType"), "Off");
    EXPECT_EQ(CBColorMode, 1);
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::disabledControlTextColor());
    // The image types pop-up shows what the job carries.
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagetypeButton), "Off");

    choose(panel->outputcolorButton, 0); // back to colour
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "RGB"), ho("GrayGuarantee", "False")}));
    EXPECT_EQ(CBColorMode, 0);
    EXPECT_TRUE(gray->isEnabled());
    EXPECT_FALSE(gray->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor());
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagetypeButton), "Off");

    // Back to colour while toner is saved: still no gray guarantee.
    choose(panel->TonerSaveButton, 1);
    choose(panel->outputcolorButton, 1);
    takeHandOvers();
    choose(panel->outputcolorButton, 0);
    EXPECT_FALSE(gray->isEnabled());
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "RGB")}));
    panel->willShow();
    EXPECT_FALSE(gray->isEnabled());
}

TEST_F(ImageOptionsTest, TheGrayGuaranteeCheckBoxHandsOverItsState)
{
    open();
    show();
    click(panel->GrayGuaranteeButton);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "False")}));
    EXPECT_EQ(marked("GrayGuarantee"), "False");
    click(panel->GrayGuaranteeButton);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("GrayGuarantee", "True")}));
    EXPECT_EQ(marked("GrayGuarantee"), "True");
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
    EXPECT_EQ(panel->imagequalitySelection, (*imagequalityChoices)[1].get());
}

TEST_F(ImageOptionsTest, DefaultRestoresColourScreenTonerSavingAndGrayGuarantee)
{
    open();
    show();
    choose(panel->outputcolorButton, 1);
    choose(panel->screenButton, 1);
    choose(panel->imagequalityButton, 2);
    choose(panel->imageadjustButton, 1);
    choose(panel->TonerSaveButton, 2);
    takeHandOvers();

    click(panel->defaultButton);
    // Image types still show the "Off" of gray output: Default leaves them alone.
    EXPECT_EQ(takeHandOvers(),
              HandOvers({ho("ColorModel", "RGB"), ho("Screen", "Auto"), ho("ImageType", "Off"), ho("TonerMode", "0"),
                         ho("ColorModel", "RGB"), ho("GrayGuarantee", "True")}));
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Auto");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Off");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "1200 dpi");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imageadjustButton), "Vivid");
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor());
}

TEST_F(ImageOptionsTest, DefaultNamingNoChoiceLeavesThePopUpEmptyAndHandsNothingOver)
{
    open(testsupport::testDataPath("bad-defaults.ppd"));
    show();
    EXPECT_EQ(panel->outputcolorSelection, nullptr);
    EXPECT_EQ(panel->querydef(panel->outputcolorOption), -1);
    EXPECT_EQ(panel->querydef(panel->imagetypeOption), 0);
    EXPECT_EQ(panel->querydef(nullptr), -1);

    click(panel->defaultButton);
    // No colour choice is in force, so the gray-output rule applies.
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ImageType", "Normal"), ho("GrayGuarantee", "False"), ho("ImageType", "Off")}));
    EXPECT_EQ(platform::indexOfSelectedItem(panel->outputcolorButton), -1);
    EXPECT_EQ(platform::indexOfSelectedItem(panel->screenButton), -1);
    EXPECT_EQ(platform::indexOfSelectedItem(panel->TonerSaveButton), -1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
}

TEST_F(ImageOptionsTest, ColourOutputIsDecidedByTheChoicesNameWhereverThePpdListsIt)
{
    // Gray first, RGB second, CMYK third; RGB is the default.
    open(testsupport::testDataPath("rgb-not-first.ppd"));
    show();
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(CBColorMode, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());

    choose(panel->outputcolorButton, 0);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "Gray"), ho("GrayGuarantee", "False"), ho("ImageType", "Off")}));
    EXPECT_EQ(CBColorMode, 1);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());

    // Colour at position 1 is still colour output: no "Off" for the image types.
    choose(panel->outputcolorButton, 1);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "RGB"), ho("GrayGuarantee", "False")}));
    EXPECT_EQ(CBColorMode, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor());

    // A colour choice of another name is colour output too.
    choose(panel->outputcolorButton, 2);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("ColorModel", "CMYK"), ho("GrayGuarantee", "False")}));
    EXPECT_EQ(CBColorMode, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::controlTextColor());
}

TEST_F(ImageOptionsTest, ACommittedColourBalanceIsHandedOverAsTwelveDecimalChoices)
{
    open();
    show();
    const QList<int32_t> result = densities({{0, -3}, {4, -2}, {11, 3}});
    ColorBlanceRes = result;
    panel->changeColorBlanceOption();
    EXPECT_EQ(takeHandOvers(), densityHandOvers(result));
    EXPECT_EQ(marked("QVColorDensityBlackLow"), "-3");
    EXPECT_EQ(marked("QVColorDensityCyanMid"), "-2");
    EXPECT_EQ(marked("QVColorDensityYellowHigh"), "3");
    EXPECT_EQ(marked("QVColorDensityMagentaMid"), "0");
}

TEST_F(ImageOptionsTest, WithoutItsLayoutTheColorBalanceButtonOpensNothing)
{
    // A bundle that has the panel's layout but not the dialog's.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("Resources"));
    ASSERT_TRUE(QFile::copy(testsupport::bundlePath() + "/Resources/PDEView.ui", dir.path() + "/Resources/PDEView.ui"));
    open();
    platform::Bundle partial(dir.path());
    panel = PrinterPDEOrvan::initWithCallback(host.get(), &partial);
    show();

    const QList<int32_t> earlier = densities({{1, 2}});
    ColorBlanceRes = earlier;
    click(panel->colorBalanceButton);
    EXPECT_TRUE(host->handOvers().isEmpty());
    EXPECT_EQ(ColorBlanceRes, earlier);
    EXPECT_EQ(panel->aColorBalance, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    panel.reset();
}

TEST_F(ImageOptionsTest, WithoutHandOversTheRulesStillApply)
{
    open(testsupport::bundledPpdPath(), false);
    EXPECT_FALSE(panel->useConstraintHandling);
    show();
    QComboBox* toner = panel->TonerSaveButton;

    choose(panel->imagetypeButton, 3); // Text
    EXPECT_EQ(platform::indexOfSelectedItem(toner), 3);
    EXPECT_FALSE(platform::isItemEnabled(toner, 0));
    EXPECT_EQ(panel->imagetypeSelection, (*imagetypeChoices)[3].get());
    EXPECT_EQ(panel->tonersaveSelection, (*tonersaveChoices)[3].get());

    choose(panel->outputcolorButton, 1);
    EXPECT_EQ(panel->outputcolorSelection, (*outputcolorChoices)[1].get());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(platform::textColor(panel->colorModeText), platform::disabledControlTextColor());
    EXPECT_EQ(panel->summaryInfo().value("Output Color:"), "Grayscale");

    choose(panel->outputcolorButton, 0);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled()) << "toner saving is set by the image type";
    choose(panel->imagetypeButton, 0);
    choose(panel->TonerSaveButton, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    click(panel->GrayGuaranteeButton);
    ColorBlanceRes = densities({{2, 1}});
    panel->changeColorBlanceOption();
    EXPECT_TRUE(panel->shouldPrint());
    choose(panel->screenButton, 2);
    click(panel->defaultButton);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Auto");
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));

    EXPECT_TRUE(host->handOvers().isEmpty());
    // The host's marks are still its defaults.
    EXPECT_EQ(marked("ColorModel"), "RGB");
    EXPECT_EQ(marked("ImageType"), "Normal");
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
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("closeButton")->click();
    });
    click(panel->colorBalanceButton);
    EXPECT_FALSE(ColorBlanceRes);
    EXPECT_TRUE(host->handOvers().isEmpty());

    int modeSeen = -1;
    QTimer::singleShot(0, [&modeSeen] {
        modeSeen = CBColorMode;
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox*>("EnableButton")->click();
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    click(panel->colorBalanceButton);
    EXPECT_EQ(modeSeen, 1);
    const QList<int32_t> result = densities({{1, -2}});
    EXPECT_EQ(ColorBlanceRes, result);
    EXPECT_EQ(takeHandOvers(), densityHandOvers(result));
    EXPECT_EQ(marked("QVColorDensityBlackMid"), "-2");

    // The controller gives itself up with its window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel->aColorBalance, nullptr);

    // Cancel after an OK hands the earlier result over again.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("closeButton")->click(); });
    click(panel->colorBalanceButton);
    EXPECT_EQ(takeHandOvers(), densityHandOvers(result));

    // A controller still around when the panel goes is deleted with it.
    ASSERT_NE(panel->aColorBalance, nullptr);
    QPointer<ColorBalanceOrvan> controller = panel->aColorBalance;
    panel.reset();
    EXPECT_EQ(controller, nullptr);
}

TEST_F(ImageOptionsTest, TheBrightnessSliderIsThePrintersBrightness)
{
    open();
    show();
    QSlider* slider = panel->brightnessSlider;
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(slider->minimum(), -2);
    EXPECT_EQ(slider->maximum(), 2);
    EXPECT_EQ(slider->singleStep(), 1);
    EXPECT_EQ(slider->tickInterval(), 1);
    EXPECT_EQ(slider->value(), 0);
    // The ends, and the middle, read as the printer names them.
    EXPECT_EQ(platform::stringValue(platform::viewWithTag(panel->PDEView, 11)), "Darker");
    EXPECT_EQ(platform::stringValue(platform::viewWithTag(panel->PDEView, 12)), "Normal");
    EXPECT_EQ(platform::stringValue(platform::viewWithTag(panel->PDEView, 13)), "Lighter");
    EXPECT_EQ(slider->toolTip(), "Normal");

    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("Brightness", "1")}));
    EXPECT_EQ(marked("Brightness"), "1");
    EXPECT_EQ(slider->toolTip(), "Slightly Lighter");
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(takeHandOvers(), HandOvers({ho("Brightness", "-2")}));

    // The record keeps the number; older records too, within the printer's range.
    const std::pair<const char*, int> records[] = {{"2", 2}, {"-7", -2}, {"1", 1}};
    for (const auto& [stored, shown] : records) {
        settings().values = {{"brightnessSettings", stored}};
        EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        EXPECT_EQ(slider->value(), shown) << stored;
        EXPECT_TRUE(takeHandOvers().contains(ho("Brightness", QString::number(shown).toLatin1().constData())));
        EXPECT_EQ(marked("Brightness"), QString::number(shown));
    }
    settings().values.clear();
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings().values.value("brightnessSettings"), "1");
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_TRUE(takeHandOvers().contains(ho("Brightness", "1")));

    // A host that takes no hand-overs: the record only.
    open(testsupport::bundledPpdPath(), false);
    show();
    QTest::keyClick(panel->brightnessSlider, Qt::Key_End);
    EXPECT_TRUE(host->handOvers().isEmpty());
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

TEST_F(ImageOptionsTest, DefaultLeavesTonerSavingToTheImageType)
{
    open();
    show();
    choose(panel->imagetypeButton, 1); // Photo: toner saving set by the image type
    choose(panel->screenButton, 2);
    takeHandOvers();
    click(panel->defaultButton);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Set by Image Type");
    EXPECT_EQ(marked("TonerMode"), "3");
    EXPECT_EQ(marked("ImageType"), "Photo");
    EXPECT_EQ(marked("Screen"), "Auto");
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_EQ(marked("GrayGuarantee"), "False");
}
