// The panel as the host meets it: construction from the PPD, keywords, view, filling,
// labels, and what survives a second panel and the host taking the view.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include <QStringList>

namespace {

const QStringList kAllKeywords = {
    "ColorModel", "DrvResolution", "ImageType", "ImageAdjustmentMode", "Screen", "Brightness",
    "QVColorDensityBlackLow", "QVColorDensityBlackMid", "QVColorDensityBlackHigh",
    "QVColorDensityCyanLow", "QVColorDensityCyanMid", "QVColorDensityCyanHigh",
    "QVColorDensityMagentaLow", "QVColorDensityMagentaMid", "QVColorDensityMagentaHigh",
    "QVColorDensityYellowLow", "QVColorDensityYellowMid", "QVColorDensityYellowHigh",
    "TonerMode", "GrayGuarantee",
};

QStringList itemTitles(const QComboBox* popup)
{
    QStringList titles;
    for (int i = 0; i < platform::numberOfItems(popup); ++i) titles << platform::itemTitle(popup, i);
    return titles;
}

} // namespace

TEST_F(ImageOptionsTest, ConstructionReadsTheOptionsAndAnnouncesTheirKeywords)
{
    stateEnableButton = 1;
    statetargetColorButton = 2;
    open();
    EXPECT_EQ(stateEnableButton, 0);
    EXPECT_EQ(statetargetColorButton, 0);
    EXPECT_EQ(VelkaRefppd, ppd.get());
    EXPECT_TRUE(panel->useConstraintHandling);
    EXPECT_EQ(panel->panelKind(), "com.PrinterPDE");
    EXPECT_EQ(panel->panelName(), "Image Options");

    const QStringList& keys = panel->supportedPPDOptionKeys();
    EXPECT_EQ(keys, kAllKeywords);
    EXPECT_EQ(&panel->supportedPPDOptionKeys(), &keys);

    ASSERT_TRUE(outputcolorChoices);
    EXPECT_EQ(outputcolorChoices->size(), 2u);
    ASSERT_TRUE(GrayGuaranteeChoices);
    EXPECT_EQ(GrayGuaranteeChoices->size(), 2u);
    ASSERT_TRUE(tonersaveChoices);
    EXPECT_EQ(tonersaveChoices->size(), 4u);
    for (int i = 0; i < colorbalance::kDensityCount; ++i)
        EXPECT_NE(colorbalance::densityOption(i), nullptr) << colorbalance::densityKeyword(i);

    // Nothing is selected before the view is shown.
    EXPECT_EQ(panel->outputcolorSelection, nullptr);
    EXPECT_EQ(panel->GrayGuaranteeValue, 1);
    EXPECT_FALSE(panel->hasInited);

    // The shared lists go with the panel that built them, before the host closes its PPD.
    panel.reset();
    EXPECT_FALSE(outputcolorChoices);
    EXPECT_FALSE(GrayGuaranteeChoices);
}

TEST_F(ImageOptionsTest, MissingOptionsAreDisabledAndNotAnnounced)
{
    open(testsupport::testDataPath("no-grayguarantee.ppd"));
    // This printer has no colour-balance options either.
    EXPECT_EQ(panel->supportedPPDOptionKeys(), QStringList({"ColorModel", "DrvResolution", "ImageType",
                                                            "ImageAdjustmentMode", "Screen", "Brightness", "TonerMode"}));
    EXPECT_FALSE(GrayGuaranteeChoices);
    show();
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    // Colour output without toner saving would allow gray guarantee, but not for a
    // printer that has none: no rule enables the check box.
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Off");
    click(panel->defaultButton);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    choose(panel->outputcolorButton, 1);
    choose(panel->outputcolorButton, 0);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->summaryInfo().contains("Gray Guarantee:"));
}

TEST_F(ImageOptionsTest, WithoutAPpdEverythingIsDisabledButTheButtonsWork)
{
    open(QString());
    EXPECT_TRUE(panel->supportedPPDOptionKeys().isEmpty());
    EXPECT_FALSE(outputcolorChoices);
    show();
    for (QComboBox* popup : {panel->outputcolorButton.data(), panel->imagequalityButton.data(),
                             panel->imagetypeButton.data(), panel->screenButton.data(),
                             panel->imageadjustButton.data(), panel->TonerSaveButton.data()}) {
        ASSERT_NE(popup, nullptr);
        EXPECT_FALSE(popup->isEnabled()) << popup->objectName().toStdString();
        EXPECT_EQ(popup->count(), 0);
    }
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    // Nothing behind them: not offered, though they still work when called.
    EXPECT_FALSE(panel->defaultButton->isEnabled());
    EXPECT_FALSE(panel->colorBalanceButton->isEnabled());
    EXPECT_FALSE(panel->brightnessSlider->isEnabled());
    panel->defaultButtonPushed(nullptr);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_TRUE(panel->summaryInfo().isEmpty());
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
}

TEST_F(ImageOptionsTest, WillShowFillsOnceAndShowsTheMarkedChoices)
{
    open();
    QWidget* view = panel->panelView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(panel->panelView(), view);
    EXPECT_EQ(panel->basicSize, QSizeF(view->size()));
    EXPECT_GT(panel->basicSize.width(), 0);

    panel->willShow();
    panel->willShow();
    EXPECT_TRUE(panel->hasInited);
    EXPECT_EQ(itemTitles(panel->outputcolorButton), QStringList({"Color", "Grayscale"}));
    EXPECT_EQ(itemTitles(panel->imagequalityButton), QStringList({"600 dpi", "600 dpi Fine", "1200 dpi"}));
    EXPECT_EQ(itemTitles(panel->imagetypeButton).size(), 5);
    EXPECT_EQ(itemTitles(panel->imageadjustButton).size(), 4);
    EXPECT_EQ(itemTitles(panel->screenButton).size(), 3);
    EXPECT_EQ(itemTitles(panel->TonerSaveButton), QStringList({"Off", "Low Saving", "High Saving", "Set by Image Type"}));

    // Each item carries the panel's own entry for the PPD choice at its position.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(platform::representedObject(panel->TonerSaveButton, i).value<PDEChoice*>(),
                  (*tonersaveChoices)[static_cast<std::size_t>(i)].get());

    // The PPD defaults, as the host marked them.
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagequalityButton), "600 dpi");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imagetypeButton), "Normal");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->imageadjustButton), "Standard");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Auto");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Off");
    EXPECT_EQ(CBColorMode, 0);
    // A new panel shows gray guarantee on, and colour output without toner saving allows it.
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    // Showing hands over the image type and toner saving.
    EXPECT_EQ(host->handOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "0"),
                                            ho("ImageType", "Normal"), ho("TonerMode", "0")}));

    // A later show re-selects the marked choices; it does not fill again.
    ppdMarkOption(ppd.get(), "Screen", "Smooth");
    panel->willShow();
    EXPECT_EQ(panel->screenButton->count(), 3);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Smooth Gradation");
}

TEST_F(ImageOptionsTest, LabelsShowThePanelsOwnTexts)
{
    const auto labelText = [this](int tag) { return platform::stringValue(platform::viewWithTag(panel->PDEView, tag)); };

    open();
    show();
    // The panel's own wording, through its English string table where the keys (which
    // stored layouts rely on) are not the words shown.
    EXPECT_EQ(labelText(1), "Output Color:");
    EXPECT_EQ(labelText(2), "Image Quality:");
    EXPECT_EQ(labelText(3), "Image Types:");
    EXPECT_EQ(labelText(4), "Screen:");
    EXPECT_EQ(labelText(5), "Image Adjust Mode:");
    EXPECT_EQ(labelText(6), "Gray Guarantee");
    EXPECT_EQ(labelText(7), "Toner Saving Mode:");
    EXPECT_EQ(labelText(8), "Color Balance...");
    EXPECT_EQ(labelText(9), "Default");
    EXPECT_EQ(labelText(10), "Brightness:");
    EXPECT_EQ(panel->GrayGuaranteeButton->text(), "Gray Guarantee");

    open(testsupport::bundledPpdPath(), true, QLocale(QLocale::German, QLocale::Germany));
    show();
    EXPECT_EQ(panel->panelName(), "Bildoptionen");
    EXPECT_EQ(labelText(1), "Farbausgabe:");
    EXPECT_EQ(labelText(5), "Bildanpassung:");
    EXPECT_EQ(labelText(6), "Graugarantie");
    EXPECT_EQ(labelText(7), "Tonersparmodus:");
    EXPECT_EQ(labelText(9), "Standard");
}

TEST_F(ImageOptionsTest, AnEarlierPanelKeepsItsChoicesWhenALaterOneReplacesTheSharedState)
{
    open();
    show();
    // A second print dialog in the same process, on a printer that lists gray first.
    host::PpdPtr otherPpd = testsupport::openTestPpd(testsupport::testDataPath("rgb-not-first.ppd"));
    host::HostCallback otherHost(otherPpd.get());
    std::unique_ptr<PrinterPDEOrvan> other = PrinterPDEOrvan::initWithCallback(&otherHost, bundle.get());
    EXPECT_EQ(VelkaRefppd, otherPpd.get());
    EXPECT_EQ(outputcolorChoices->size(), 3u);

    // The first panel still shows its own entries, and a mark read from the later PPD
    // is matched by its name: "RGB" there is "Color" here.
    choose(panel->screenButton, 2);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(platform::titleOfSelectedItem(panel->TonerSaveButton), "Off");
    const QMap<QString, QString> summary = panel->summaryInfo();
    EXPECT_EQ(summary.value("Output Color:"), "Color");
    EXPECT_EQ(summary.value("Gray Guarantee:"), "On");

    // The later panel goes first, and its printer description with it.
    other.reset();
    otherPpd.reset();
    EXPECT_FALSE(outputcolorChoices);
    EXPECT_EQ(VelkaRefppd, nullptr);
    // Without marks to read, the first panel falls back to its PPD's defaults.
    choose(panel->TonerSaveButton, 1);
    EXPECT_EQ(host->handOvers().last(), ho("TonerMode", "1"));
    EXPECT_EQ(panel->summaryInfo().value("Toner Saving Mode:"), "Off");
}

TEST_F(ImageOptionsTest, TheHostMayDestroyTheViewFirst)
{
    open();
    auto window = std::make_unique<QWidget>();
    QWidget* view = panel->panelView();
    view->setParent(window.get());
    panel->willShow();
    window.reset();
    EXPECT_EQ(panel->PDEView, nullptr);
    EXPECT_EQ(panel->outputcolorButton, nullptr);
    // Operations on controls that are gone do nothing.
    panel->willShow();
    panel->defaultButtonPushed(nullptr);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    // A view asked for again is loaded and filled afresh.
    ASSERT_NE(panel->panelView(), nullptr);
    panel->willShow();
    EXPECT_EQ(panel->outputcolorButton->count(), 2);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
}

TEST_F(ImageOptionsTest, AnotherPrintersChoicesAreColourOrGrayByTheirNames)
{
    // CMYK "Color" and "Color (Vivid)" print in colour, KGray "Black and White" in gray;
    // no brightness, no colour balance.
    open(testsupport::sourcePath("tests/imageoptions/data/other-printer.ppd"));
    show();
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(CBColorMode, 0);
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->brightnessSlider->isEnabled());
    EXPECT_FALSE(panel->colorBalanceButton->isEnabled());
    EXPECT_TRUE(panel->defaultButton->isEnabled());

    const struct {
        int item;
        const char* name;
        bool colour;
    } choices[] = {{1, "KGray", false}, {2, "Color", true}, {1, "KGray", false}, {0, "CMYK", true}};
    for (const auto& c : choices) {
        choose(panel->outputcolorButton, c.item);
        const HandOvers handed = takeHandOvers();
        EXPECT_EQ(handed.front(), ho("ColorModel", c.name));
        EXPECT_EQ(handed.contains(ho("ImageType", "Off")), !c.colour) << c.name;
        EXPECT_EQ(CBColorMode, c.colour ? 0 : 1) << c.name;
        EXPECT_EQ(platform::textColor(panel->colorModeText),
                  c.colour ? platform::controlTextColor() : platform::disabledControlTextColor())
            << c.name;
        EXPECT_EQ(panel->GrayGuaranteeButton->isEnabled(), c.colour) << c.name;
    }
    for (const host::HandOver& h : host->handOvers()) EXPECT_NE(h.first, "Brightness");

    // A printer with none of them: neither Default nor Color Balance... is offered.
    open(testsupport::testDataPath("minimal.ppd"));
    show();
    EXPECT_FALSE(panel->defaultButton->isEnabled());
    EXPECT_FALSE(panel->colorBalanceButton->isEnabled());
    EXPECT_FALSE(panel->brightnessSlider->isEnabled());
}
