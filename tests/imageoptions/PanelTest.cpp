// The panel as the host meets it: keywords, view, filling, labels, and what survives a
// second panel and the host taking the view.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "ImageOptionsFixture.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstring>
#include <iterator>

namespace {

QStringList itemTitles(const QComboBox* popup)
{
    QStringList titles;
    for (int i = 0; i < platform::numberOfItems(popup); ++i) titles << platform::itemTitle(popup, i);
    return titles;
}

// The keywords announced: only the options the printer has.
TEST_F(ImageOptionsTest, AnnouncesTheKeywordsOfThePrintersOptions)
{
    stateEnableButton = 1;
    open();
    EXPECT_EQ(stateEnableButton, 0);
    EXPECT_EQ(panel->panelName(), "Image Options");
    QStringList all = {"ColorModel", "DrvResolution", "ImageType", "ImageAdjustmentMode", "Screen", "Brightness"};
    for (int i = 0; i < colorbalance::kDensityCount; ++i) all << colorbalance::densityKeyword(i);
    EXPECT_EQ(panel->supportedPPDOptionKeys(), all + QStringList({"TonerMode", "GrayGuarantee"}));
    // The shared lists go with the panel that built them, before the host closes its PPD.
    panel.reset();
    EXPECT_FALSE(outputcolorChoices);

    open(testsupport::testDataPath("no-grayguarantee.ppd"));
    EXPECT_EQ(panel->supportedPPDOptionKeys(), QStringList({"ColorModel", "DrvResolution", "ImageType",
                                                            "ImageAdjustmentMode", "Screen", "Brightness", "TonerMode"}));
    show();
    // No rule enables a check box the printer has no option for.
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    click(panel->defaultButton);
    choose(panel->outputcolorButton, 1);
    choose(panel->outputcolorButton, 0);
    EXPECT_FALSE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_FALSE(panel->summaryInfo().contains("Gray Guarantee:"));
}

TEST_F(ImageOptionsTest, WithoutAPpdEverythingIsDisabledButTheButtonsWork)
{
    open(QString());
    EXPECT_TRUE(panel->supportedPPDOptionKeys().isEmpty());
    show();
    for (QComboBox* popup : {panel->outputcolorButton.data(), panel->imagequalityButton.data(),
                             panel->imagetypeButton.data(), panel->screenButton.data(),
                             panel->imageadjustButton.data(), panel->TonerSaveButton.data()}) {
        EXPECT_FALSE(popup->isEnabled()) << popup->objectName().toStdString();
        EXPECT_EQ(popup->count(), 0);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{panel->GrayGuaranteeButton.data(), panel->defaultButton.data(),
                                                      panel->colorBalanceButton.data(), panel->brightnessSlider.data()})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    panel->defaultButtonPushed(nullptr);
    EXPECT_TRUE(panel->summaryInfo().isEmpty());
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
}

TEST_F(ImageOptionsTest, WillShowFillsOnceAndShowsTheMarkedChoices)
{
    open();
    ASSERT_NE(panel->panelView(), nullptr);
    panel->willShow();
    panel->willShow();
    EXPECT_EQ(itemTitles(panel->outputcolorButton), QStringList({"Color", "Grayscale"}));
    EXPECT_EQ(itemTitles(panel->imagequalityButton), QStringList({"600 dpi", "600 dpi Fine", "1200 dpi"}));
    EXPECT_EQ(itemTitles(panel->TonerSaveButton), QStringList({"Off", "Low Saving", "High Saving", "Set by Image Type"}));
    // The PPD defaults, as the host marked them.
    const std::pair<QComboBox*, const char*> shown[] = {
        {panel->outputcolorButton, "Color"}, {panel->imagequalityButton, "600 dpi"},
        {panel->imagetypeButton, "Normal"},  {panel->imageadjustButton, "Standard"},
        {panel->screenButton, "Auto"},       {panel->TonerSaveButton, "Off"}};
    for (const auto& [popup, title] : shown) EXPECT_EQ(platform::titleOfSelectedItem(popup), title);
    EXPECT_EQ(CBColorMode, 0);
    // Colour output without toner saving allows gray guarantee, on for a new panel.
    EXPECT_TRUE(panel->GrayGuaranteeButton->isChecked());
    EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
    EXPECT_EQ(host->handOvers(), HandOvers({ho("ImageType", "Normal"), ho("TonerMode", "0"),
                                            ho("ImageType", "Normal"), ho("TonerMode", "0")}));

    // A later show re-selects the marked choices without filling again.
    ppdMarkOption(ppd.get(), "Screen", "Smooth");
    panel->willShow();
    EXPECT_EQ(panel->screenButton->count(), 3);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->screenButton), "Smooth Gradation");
}

// The panel's own wording, where the string table keys (which stored layouts rely on)
// are not the words shown.
TEST_F(ImageOptionsTest, LabelsShowThePanelsOwnTexts)
{
    const struct {
        QLocale locale;
        std::vector<std::pair<int, const char*>> labels;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates),
         {{1, "Output Color:"}, {2, "Image Quality:"}, {3, "Image Types:"}, {4, "Screen:"}, {5, "Image Adjust Mode:"},
          {6, "Gray Guarantee"}, {7, "Toner Saving Mode:"}, {8, "Color Balance..."}, {9, "Default"}, {10, "Brightness:"},
          {11, "Darker"}, {12, "Normal"}, {13, "Lighter"}}},
        {QLocale(QLocale::German, QLocale::Germany),
         {{1, "Farbausgabe:"}, {5, "Bildanpassung:"}, {6, "Graugarantie"}, {7, "Tonersparmodus:"}, {9, "Standard"}}},
    };
    for (const auto& c : cases) {
        open(testsupport::bundledPpdPath(), true, c.locale);
        show();
        for (const auto& [tag, text] : c.labels)
            EXPECT_EQ(platform::stringValue(platform::viewWithTag(panel->PDEView, tag)), QString::fromUtf8(text)) << tag;
    }
    EXPECT_EQ(panel->panelName(), "Bildoptionen");
}

TEST_F(ImageOptionsTest, AnEarlierPanelKeepsItsChoicesWhenALaterOneReplacesTheSharedState)
{
    open();
    show();
    // A second print dialog in the same process, on a printer that lists gray first.
    host::PpdPtr otherPpd = testsupport::openTestPpd(testsupport::testDataPath("rgb-not-first.ppd"));
    host::HostCallback otherHost(otherPpd.get());
    std::unique_ptr<PrinterPDEOrvan> other = PrinterPDEOrvan::initWithCallback(&otherHost, bundle.get());
    // A mark read from the later PPD is matched by its name: "RGB" there is "Color" here.
    choose(panel->screenButton, 2);
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
    EXPECT_EQ(panel->summaryInfo().value("Gray Guarantee:"), "On");

    // The later panel goes first, its PPD with it: the first falls back to its defaults.
    other.reset();
    otherPpd.reset();
    choose(panel->TonerSaveButton, 1);
    EXPECT_EQ(host->handOvers().last(), ho("TonerMode", "1"));
    EXPECT_EQ(panel->summaryInfo().value("Toner Saving Mode:"), "Off");
}

TEST_F(ImageOptionsTest, TheHostMayDestroyTheViewFirst)
{
    open();
    auto window = std::make_unique<QWidget>();
    panel->panelView()->setParent(window.get());
    panel->willShow();
    window.reset();
    EXPECT_EQ(panel->outputcolorButton, nullptr);
    panel->willShow();
    panel->defaultButtonPushed(nullptr);
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    // A view asked for again is loaded and filled afresh.
    ASSERT_NE(panel->panelView(), nullptr);
    panel->willShow();
    EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
}

// Colour or gray output is decided by the choice's name wherever the PPD lists it.
TEST_F(ImageOptionsTest, OutputChoicesAreColourOrGrayByTheirNames)
{
    const struct {
        const char* ppd;
        std::vector<std::pair<int, const char*>> choices; // item, name
    } printers[] = {
        // Gray first, RGB (the default) second, CMYK third.
        {"tests/data/rgb-not-first.ppd", {{0, "Gray"}, {1, "RGB"}, {2, "CMYK"}}},
        // CMYK "Color" and "Color (Vivid)", KGray "Black and White"; no brightness or balance.
        {"tests/imageoptions/data/other-printer.ppd", {{1, "KGray"}, {2, "Color"}, {1, "KGray"}, {0, "CMYK"}}},
    };
    for (const auto& p : printers) {
        SCOPED_TRACE(p.ppd);
        open(testsupport::sourcePath(p.ppd));
        show();
        EXPECT_EQ(platform::titleOfSelectedItem(panel->outputcolorButton), "Color");
        EXPECT_TRUE(panel->GrayGuaranteeButton->isEnabled());
        for (const auto& [item, name] : p.choices) {
            const bool colour = std::strstr(name, "Gray") == nullptr;
            choose(panel->outputcolorButton, item);
            const HandOvers handed = takeHandOvers();
            EXPECT_EQ(handed.front(), ho("ColorModel", name));
            EXPECT_EQ(handed.contains(ho("ImageType", "Off")), !colour) << name;
            EXPECT_EQ(CBColorMode, colour ? 0 : 1) << name;
            EXPECT_EQ(platform::textColor(panel->colorModeText),
                      colour ? platform::controlTextColor() : platform::disabledControlTextColor())
                << name;
            EXPECT_EQ(panel->GrayGuaranteeButton->isEnabled(), colour) << name;
        }
    }
    EXPECT_FALSE(panel->brightnessSlider->isEnabled());
    EXPECT_FALSE(panel->colorBalanceButton->isEnabled());
    for (const host::HandOver& h : host->handOvers()) EXPECT_NE(h.first, "Brightness");

    // A printer with none of them: neither Default nor Color Balance... is offered.
    open(testsupport::testDataPath("minimal.ppd"));
    show();
    EXPECT_FALSE(panel->defaultButton->isEnabled());
    EXPECT_FALSE(panel->colorBalanceButton->isEnabled());
}

// The gray names in any case, with or without a leading K, "scale" and a bit depth;
// a name that only begins like one is a colour choice.
TEST_F(ImageOptionsTest, GrayChoiceNamesInAnyCase)
{
    const struct {
        const char* name;
        bool colour;
    } names[] = {
        {"gray", false},      {"GREY", false},        {"KGray16", false},      {"Grayscale8", false},
        {"kgreyscale", false}, {"Mono", false},       {"Monochrome", false},   {"Black", false},
        {"BlackWhite", false}, {"BlackAndWhite", false}, {"BW", false},        {"K", false},
        {"W", false},         {"WhiteScale", false},  {"Grayish", true},       {"KGray16x", true},
        {"GrayScal", true},   {"KK", true},           {"Monochromatic", true}, {"Colour", true},
    };
    QFile bundled(testsupport::bundledPpdPath());
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    QByteArray text = bundled.readAll();
    QByteArray choices;
    for (const auto& n : names) choices += QByteArray("*ColorModel ") + n.name + '/' + n.name + ": \"\"\n";
    const QByteArray last = "*ColorModel Gray/Grayscale: \"<</ProcessColorModel /DeviceGray>>setpagedevice\"\n";
    ASSERT_TRUE(text.contains(last));
    text.replace(last, last + choices);
    QTemporaryDir dir;
    QFile ppdFile(dir.filePath(QStringLiteral("names.ppd")));
    ASSERT_TRUE(ppdFile.open(QIODevice::WriteOnly) && ppdFile.write(text) == text.size());
    ppdFile.close();

    open(ppdFile.fileName());
    show();
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
        choose(panel->outputcolorButton, 2 + i); // after the PPD's own Color and Grayscale
        EXPECT_EQ(CBColorMode, names[i].colour ? 0 : 1) << names[i].name;
    }
}

} // namespace
