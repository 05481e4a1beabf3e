// The libcups PPD interface is deprecated in CUPS 2.4 but is still how printer options
// are described; its deprecation warnings are silenced for this file only.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "imageoptions/PrinterPDE-Orvan.h"

#include "colorbalance/ColorBalanceState.h"
#include "platform/Controls.h"
#include "platform/PDEPluginCallback.h"
#include "platform/PrintSettings.h"
#include "platform/TextValue.h"
#include "plugin/PDETool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

namespace {

// Choice names the rules compare and hand over.
// Output colour by the choice's name: the gray choices of the printers we know of
// ("Gray", "Grayscale", "KGray", "Mono", "Monochrome", "Black" and the like); every
// other choice ("RGB", "CMYK", "Color") prints in colour.
bool isColourChoice(const QString& name)
{
    static const QRegularExpression gray(
        QStringLiteral("^(k?gr[ae]y(scale)?\\d*|mono(chrome)?|black(white|andwhite)?|bw|k|w|whitescale)$"),
        QRegularExpression::CaseInsensitiveOption);
    return !name.isEmpty() && !gray.match(name).hasMatch();
}
const QString kNormalImageType = QStringLiteral("Normal");
const QString kNoTonerSaving = QStringLiteral("0");

// Print-settings keys of the twelve densities, in density-index order.
constexpr std::array<const char*, colorbalance::kDensityCount> kDensitySettingsKeys = {
    "BlackLowSettings",   "BlackMidSettings",   "BlackHighSettings",
    "CyanLowSettings",    "CyanMidSettings",    "CyanHighSettings",
    "MagentaLowSettings", "MagentaMidSettings", "MagentaHighSettings",
    "YellowLowSettings",  "YellowMidSettings",  "YellowHighSettings",
};

// A stored value is a decimal integer; anything without one is treated as missing.
std::optional<int32_t> storedInt(const platform::PrintSettings* settings, const char* key)
{
    QString text;
    if (PMPrintSettingsGetValue(settings, QLatin1String(key), &text) != noErr) return std::nullopt;
    if (!platform::hasLeadingInteger(text)) return std::nullopt;
    return platform::intValue(text);
}

void storeInt(platform::PrintSettings* settings, const char* key, qint64 value)
{
    PMPrintSettingsSetValue(settings, QLatin1String(key), QString::number(value), false);
}

} // namespace

// ---------------------------------------------------------------------------------
// Construction

std::unique_ptr<PrinterPDEOrvan> PrinterPDEOrvan::initWithCallback(platform::PDEPluginCallback* callback,
                                                                   platform::Bundle* bundle)
{
    return std::make_unique<PrinterPDEOrvan>(callback, bundle);
}

PrinterPDEOrvan::PrinterPDEOrvan(platform::PDEPluginCallback* callback, platform::Bundle* bundle)
{
    // The copies of the colour-balance switch and target start afresh with each panel.
    stateEnableButton = 0;
    statetargetColorButton = 0;

    VelkaRefppd = nullptr;
    pdePluginCallbackObject = callback;
    pluginBundle = bundle;
    useConstraintHandling = callback && callback->offersChoiceMarking();
    VelkaRefppd = callback ? callback->ppdFile() : nullptr;
    ppd_ = VelkaRefppd;

    const auto lookUp = [](const char* keyword) -> ppd_option_t* {
        return VelkaRefppd ? ppdFindOption(VelkaRefppd, keyword) : nullptr;
    };
    const auto build = [](ppd_option_t* option) {
        return std::shared_ptr<ChoiceList>(ArrayFromPPDOption(option));
    };

    outputcolorOption = lookUp("ColorModel");
    own_.outputcolor = build(outputcolorOption);
    imagequalityOption = lookUp("DrvResolution");
    own_.imagequality = build(imagequalityOption);
    imagetypeOption = lookUp("ImageType");
    own_.imagetype = build(imagetypeOption);
    imageadjustOption = lookUp("ImageAdjustmentMode");
    own_.imageadjust = build(imageadjustOption);
    screenOption = lookUp("Screen");
    own_.screen = build(screenOption);
    tonersaveOption = lookUp("TonerMode");
    own_.tonersave = build(tonersaveOption);
    brightnessOption = lookUp("Brightness");
    own_.brightness = build(brightnessOption);
    if (own_.brightness && !own_.brightness->empty()) {
        bool numbered = true;
        for (const auto& choice : *own_.brightness) {
            bool ok = false;
            choice->ppdTitle().toInt(&ok);
            numbered = numbered && ok;
        }
        for (std::size_t i = 0; i < own_.brightness->size(); ++i) {
            PDEChoice* choice = (*own_.brightness)[i].get();
            brightnessSteps_.push_back({numbered ? choice->ppdTitle().toInt() : static_cast<int>(i), choice});
        }
        std::stable_sort(brightnessSteps_.begin(), brightnessSteps_.end(),
                         [](const BrightnessStep& a, const BrightnessStep& b) { return a.value < b.value; });
        // Two choices of one number: the first stands for it.
        brightnessSteps_.erase(std::unique(brightnessSteps_.begin(), brightnessSteps_.end(),
                                           [](const BrightnessStep& a, const BrightnessStep& b) { return a.value == b.value; }),
                               brightnessSteps_.end());
    }
    GrayGuaranteeOption = lookUp("GrayGuarantee");
    own_.GrayGuarantee = build(GrayGuaranteeOption);

    outputcolorChoices = own_.outputcolor;
    imagequalityChoices = own_.imagequality;
    imagetypeChoices = own_.imagetype;
    imageadjustChoices = own_.imageadjust;
    screenChoices = own_.screen;
    tonersaveChoices = own_.tonersave;
    GrayGuaranteeChoices = own_.GrayGuarantee;

    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        colorbalance::densityOption(i) = lookUp(colorbalance::densityKeyword(i));
        hasDensityOptions_ = hasDensityOptions_ || colorbalance::densityOption(i);
    }
}

PrinterPDEOrvan::~PrinterPDEOrvan()
{
    // A dialog controller still around would otherwise outlive the panel it reports to.
    delete aColorBalance.data();
    // The host may have taken the view into its window and destroyed it already.
    delete PDEView.data();
    // The shared lists live as long as the panel that built them: their entries point
    // into a PPD that the host closes once its panels are gone.
    const auto release = [](std::shared_ptr<ChoiceList>& shared, const std::shared_ptr<ChoiceList>& own) {
        if (shared == own) shared.reset();
    };
    release(outputcolorChoices, own_.outputcolor);
    release(imagequalityChoices, own_.imagequality);
    release(imagetypeChoices, own_.imagetype);
    release(imageadjustChoices, own_.imageadjust);
    release(screenChoices, own_.screen);
    release(tonersaveChoices, own_.tonersave);
    release(GrayGuaranteeChoices, own_.GrayGuarantee);
    // Nor may the shared reference outlive this panel's PPD.
    if (VelkaRefppd && VelkaRefppd == ppd_) VelkaRefppd = nullptr;
}

// ---------------------------------------------------------------------------------
// Panel operations

QWidget* PrinterPDEOrvan::panelView()
{
    if (PDEView) return PDEView;
    QWidget* view = pluginBundle ? pluginBundle->loadLayout(QStringLiteral("PDEView"), this) : nullptr;
    PDEView = view;
    basicSize = view ? QSizeF(view->size()) : QSizeF(0, 0);
    if (view) {
        view->resize(basicSize.toSize());
        // A view loaded afresh (the host destroyed the earlier one) has unfilled controls.
        hasInited = false;
    }
    return PDEView;
}

void PrinterPDEOrvan::bindOutlets(const platform::Outlets& outlets)
{
    PDEView = outlets.root();
    defaultButton = outlets.find<QPushButton>("defaultButton");
    colorBalanceButton = outlets.find<QPushButton>("colorBalanceButton");
    GrayGuaranteeButton = outlets.find<QCheckBox>("GrayGuaranteeButton");
    outputcolorButton = outlets.find<QComboBox>("outputcolorButton");
    imagequalityButton = outlets.find<QComboBox>("imagequalityButton");
    imagetypeButton = outlets.find<QComboBox>("imagetypeButton");
    imageadjustButton = outlets.find<QComboBox>("imageadjustButton");
    TonerSaveButton = outlets.find<QComboBox>("TonerSaveButton");
    screenButton = outlets.find<QComboBox>("screenButton");
    brightnessSlider = outlets.find<QSlider>("brightnessSlider");
    colorModeText = outlets.find<QLabel>("colorModeText");
}

QString PrinterPDEOrvan::panelName()
{
    if (thePDEName.isNull()) {
        const QString key = QStringLiteral("Image Options");
        thePDEName = pluginBundle ? pluginBundle->localizedString(key) : key;
    }
    return thePDEName;
}

QString PrinterPDEOrvan::panelKind() { return QStringLiteral("com.PrinterPDE"); }

const QStringList& PrinterPDEOrvan::supportedPPDOptionKeys()
{
    if (!supportedOptions) {
        QStringList keys;
        keys.reserve(16);
        const auto announce = [&keys](ppd_option_t* option, const char* keyword) {
            if (option) keys.append(QLatin1String(keyword));
        };
        announce(outputcolorOption, "ColorModel");
        announce(imagequalityOption, "DrvResolution");
        announce(imagetypeOption, "ImageType");
        announce(imageadjustOption, "ImageAdjustmentMode");
        announce(screenOption, "Screen");
        announce(brightnessOption, "Brightness");
        for (int i = 0; i < colorbalance::kDensityCount; ++i)
            announce(colorbalance::densityOption(i), colorbalance::densityKeyword(i));
        announce(tonersaveOption, "TonerMode");
        announce(GrayGuaranteeOption, "GrayGuarantee");
        supportedOptions = std::move(keys);
    }
    return *supportedOptions;
}

void PrinterPDEOrvan::willShow()
{
    initializeUI();
    updateUI();
    changetonersaveOption(nullptr);
}

bool PrinterPDEOrvan::shouldHide() { return true; }

bool PrinterPDEOrvan::shouldShowHelp() { return true; }

bool PrinterPDEOrvan::saveValuesAndReturnError(QString* /*error*/)
{
    writeNonPPDSettingsToPrintSettings();
    if (!useConstraintHandling) writePPDSettingsToPrintSettingsOnTiger();
    return true;
}

bool PrinterPDEOrvan::restoreValuesAndReturnError(QString* /*error*/)
{
    // The colour balance this process committed, for a record that does not bring one.
    const bool committedOn = CBstate;
    const int32_t committedTarget = CBtarget;
    std::array<int64_t, colorbalance::kDensityCount> committedWorking{};
    for (int i = 0; i < colorbalance::kDensityCount; ++i)
        committedWorking[static_cast<std::size_t>(i)] = colorbalance::workingValue(i);

    if (useConstraintHandling) {
        updateMarkedSelections();
        // Only a controller that still exists can take its PPD defaults.
        if (aColorBalance) aColorBalance->defaultBtnClick(nullptr);
        CBstate = false;
        CBtarget = 0;
        defaultButtonPushed(nullptr);
    } else {
        getPPDSettingsFromPrintSettingsOnTiger();
    }
    updateUI();
    colourBalanceRestored_ = false;
    getNonPPDSettingsFromPrintSettings();

    // Without the record's densities a result committed in this process stands: the
    // dialog opens on it, the record keeps it, and the host holds it for the job. The
    // record's own switch, target and stray densities do not stand beside it.
    if (ColorBlanceRes && !colourBalanceRestored_) {
        CBstate = committedOn;
        CBtarget = committedTarget;
        stateEnableButton = committedOn ? 1 : 0;
        statetargetColorButton = committedTarget;
        if (committedOn) {
            for (int i = 0; i < colorbalance::kDensityCount; ++i)
                colorbalance::workingValue(i) = committedWorking[static_cast<std::size_t>(i)];
        }
        changeColorBlanceOption();
    }
    return true;
}

void PrinterPDEOrvan::PPDOptionKeyValueDidChange(const QString& /*key*/, const QString& /*choice*/) {}

void PrinterPDEOrvan::panelViewDidResize() {}

// ---------------------------------------------------------------------------------
// Filling and following the marks

void PrinterPDEOrvan::setViewTitleByTag(int tag, ppd_option_t* option)
{
    platform::setStringValue(platform::viewWithTag(PDEView, tag), CreateOptionTitle(option));
}

void PrinterPDEOrvan::initializeUI()
{
    if (hasInited) return;
    // Filled controls need controls: without a view there is nothing to fill yet.
    if (!PDEView) return;

    struct PopUp {
        ppd_option_t* option;
        int tag;
        QComboBox* popup;
        const ChoiceList* list;
    };
    const PopUp popups[] = {
        {outputcolorOption, 1, outputcolorButton, own_.outputcolor.get()},
        {imagequalityOption, 2, imagequalityButton, own_.imagequality.get()},
        {imagetypeOption, 3, imagetypeButton, own_.imagetype.get()},
        {imageadjustOption, 5, imageadjustButton, own_.imageadjust.get()},
        {screenOption, 4, screenButton, own_.screen.get()},
        {tonersaveOption, 7, TonerSaveButton, own_.tonersave.get()},
    };
    for (const PopUp& p : popups) {
        if (p.option) {
            setViewTitleByTag(p.tag, p.option);
            InitPopUpFromArray(p.popup, p.list);
        } else {
            platform::setEnabled(p.popup, false);
        }
    }

    if (GrayGuaranteeOption) {
        platform::setTitle(platform::viewWithTag(PDEView, 6), CreateOptionTitle(GrayGuaranteeOption));
        // A host that marks choices holds what the job carries: the check box shows that.
        platform::setState(GrayGuaranteeButton, useConstraintHandling ? markedGrayGuarantee() : GrayGuaranteeValue);
    } else {
        platform::setEnabled(GrayGuaranteeButton, false);
    }

    // The labels show the panel's own texts, whatever the PPD calls the options.
    const auto localized = [this](const QString& key) {
        return pluginBundle ? pluginBundle->localizedString(key) : key;
    };
    platform::setTitle(platform::viewWithTag(PDEView, 8), localized(QStringLiteral("Color Balance...")));
    platform::setTitle(platform::viewWithTag(PDEView, 9), localized(QStringLiteral("Default")));
    platform::setStringValue(platform::viewWithTag(PDEView, 1), localized(QStringLiteral("Output Color:")));
    platform::setStringValue(platform::viewWithTag(PDEView, 2), localized(QStringLiteral("Image Quality:")));
    platform::setStringValue(platform::viewWithTag(PDEView, 3), localized(QStringLiteral("Image Types:")));
    platform::setStringValue(platform::viewWithTag(PDEView, 4), localized(QStringLiteral("Screen:")));
    platform::setStringValue(platform::viewWithTag(PDEView, 5), localized(QStringLiteral("Image adjust mode:")));
    platform::setTitle(platform::viewWithTag(PDEView, 6), localized(QStringLiteral("GrayGuarantee")));
    platform::setStringValue(platform::viewWithTag(PDEView, 7), localized(QStringLiteral("Toner Saving Mode:")));
    platform::setStringValue(platform::viewWithTag(PDEView, 10), localized(QStringLiteral("Brightness:")));
    // The caption keeps the text of the layout, in the user's language.
    platform::setStringValue(colorModeText, localized(platform::stringValue(colorModeText)));

    setUpBrightnessSlider();
    // A button with nothing behind it on this printer is not offered.
    platform::setEnabled(colorBalanceButton, hasDensityOptions_);
    platform::setEnabled(defaultButton, outputcolorOption || screenOption || tonersaveOption || GrayGuaranteeOption);

    // Freshly filled pop-ups start from the host's marks (else the PPD defaults): the
    // rules that run right after must see what the user will see. A host that marks
    // nothing has them from the record restored before.
    updateMarkedSelections();
    const bool kept = !useConstraintHandling && applyKeptPositions();
    hasInited = true;
    followImageTypeWithTonerItems();
    if (kept) {
        // The rules ran on empty controls when the record was restored.
        updateUI();
        colorModeBtnPushed(nullptr);
    }
}

void PrinterPDEOrvan::setUpBrightnessSlider()
{
    QWidget* labels[] = {platform::viewWithTag(PDEView, 11), platform::viewWithTag(PDEView, 12),
                         platform::viewWithTag(PDEView, 13)};
    if (brightnessSteps_.empty() || !brightnessSlider) {
        platform::setEnabled(brightnessSlider, false);
        for (QWidget* label : labels) platform::setStringValue(label, QString());
        return;
    }
    // The step is what every choice's number is a multiple of, counted from the lowest.
    int step = 0;
    for (std::size_t i = 1; i < brightnessSteps_.size(); ++i)
        step = std::gcd(step, brightnessSteps_[i].value - brightnessSteps_[0].value);
    step = std::max(step, 1);
    brightnessSlider->setRange(brightnessSteps_.front().value, brightnessSteps_.back().value);
    brightnessSlider->setSingleStep(step);
    brightnessSlider->setPageStep(step);
    brightnessSlider->setTickInterval(step);
    brightnessSlider->setEnabled(true);

    // The two ends, and the middle when there is one, read as the printer names them
    // (in the user's language where the bundle knows the printer's words).
    const std::size_t count = brightnessSteps_.size();
    platform::setStringValue(labels[0], brightnessTitle(brightnessSteps_.front().choice));
    platform::setStringValue(labels[1], count % 2 == 1 && count > 2 ? brightnessTitle(brightnessSteps_[count / 2].choice)
                                                                    : QString());
    platform::setStringValue(labels[2], brightnessTitle(brightnessSteps_.back().choice));

    // The host's mark, else the PPD's default.
    ppd_choice_t* marked = VelkaRefppd ? ppdFindMarkedChoice(VelkaRefppd, "Brightness") : nullptr;
    const QString name = QString::fromLatin1(marked ? marked->choice : brightnessOption->defchoice);
    for (const BrightnessStep& s : brightnessSteps_) {
        if (s.choice->ppdTitle() == name) brightnessSlider->setValue(s.value);
    }
    showBrightnessChoice();
}

int PrinterPDEOrvan::nearestBrightness(int value) const
{
    int nearest = value;
    qint64 distance = -1;
    for (const BrightnessStep& s : brightnessSteps_) {
        const qint64 d = qAbs(qint64(s.value) - value);
        if (distance < 0 || d < distance) {
            distance = d;
            nearest = s.value;
        }
    }
    return nearest;
}

PDEChoice* PrinterPDEOrvan::brightnessChoice() const
{
    if (!brightnessSlider) return nullptr;
    const int value = nearestBrightness(brightnessSlider->value());
    for (const BrightnessStep& s : brightnessSteps_) {
        if (s.value == value) return s.choice;
    }
    return nullptr;
}

void PrinterPDEOrvan::handOverBrightness()
{
    if (!useConstraintHandling || !brightnessOption) return;
    if (PDEChoice* choice = brightnessChoice()) handOver(QStringLiteral("Brightness"), choice->ppdTitle());
}

QString PrinterPDEOrvan::brightnessTitle(PDEChoice* choice) const
{
    const QString text = choice->userTitle();
    return pluginBundle && !text.isEmpty() ? pluginBundle->localizedString(text) : text;
}

void PrinterPDEOrvan::showBrightnessChoice()
{
    // The slider's tool tip names the choice it stands at.
    if (PDEChoice* choice = brightnessChoice()) brightnessSlider->setToolTip(brightnessTitle(choice));
}

void PrinterPDEOrvan::changebrightnessOption(QObject* /*sender*/)
{
    handOverBrightness();
    showBrightnessChoice();
}

int64_t PrinterPDEOrvan::indexOfMarkedOption(ppd_option_t* option, const char* key)
{
    if (!option || !option->choices || option->num_choices <= 0) return -1;
    ppd_choice_t* const first = option->choices;
    ppd_choice_t* const end = option->choices + option->num_choices;

    ppd_choice_t* marked = VelkaRefppd ? ppdFindMarkedChoice(VelkaRefppd, key) : nullptr;
    // The shared PPD may belong to a later panel: a mark there names a choice, which is
    // looked up in this option rather than measured against another option's array.
    const std::less<const ppd_choice_t*> before;
    if (marked && (before(marked, first) || !before(marked, end))) marked = ppdFindChoice(option, marked->choice);
    if (!marked) marked = ppdFindChoice(option, option->defchoice);
    if (!marked) return -1;
    return marked - first;
}

PDEChoice* PrinterPDEOrvan::entryAt(const std::shared_ptr<ChoiceList>& list, int64_t index)
{
    if (!list || index < 0 || index >= static_cast<int64_t>(list->size())) return nullptr;
    return (*list)[static_cast<std::size_t>(index)].get();
}

void PrinterPDEOrvan::updateMarkedSelections()
{
    struct Marked {
        ppd_option_t* option;
        const char* key;
        PDEChoice** selection;
        const std::shared_ptr<ChoiceList>& list;
    };
    const Marked options[] = {
        {outputcolorOption, "ColorModel", &outputcolorSelection, own_.outputcolor},
        {imagequalityOption, "DrvResolution", &imagequalitySelection, own_.imagequality},
        {imageadjustOption, "ImageAdjustmentMode", &imageadjustSelection, own_.imageadjust},
        {screenOption, "Screen", &screenSelection, own_.screen},
        {imagetypeOption, "ImageType", &imagetypeSelection, own_.imagetype},
        {tonersaveOption, "TonerMode", &tonersaveSelection, own_.tonersave},
    };
    for (const Marked& m : options) {
        if (!m.option) continue;
        const int64_t i = indexOfMarkedOption(m.option, m.key);
        *m.selection = i == -1 ? nullptr : entryAt(m.list, i);
        // The colour mode follows the marked choice by its name, as everywhere else,
        // wherever the PPD lists it.
        if (m.selection == &outputcolorSelection && i != -1)
            CBColorMode = outputcolorSelection && isColourChoice(outputcolorSelection->ppdTitle()) ? 0 : 1;
    }
}

void PrinterPDEOrvan::selectFromList(QComboBox* popup, const std::shared_ptr<ChoiceList>& list,
                                     const PDEChoice* selection)
{
    if (!selection || !list) return;
    for (std::size_t i = 0; i < list->size(); ++i) {
        if ((*list)[i].get() == selection) {
            platform::select(popup, static_cast<qint64>(i));
            return;
        }
    }
}

void PrinterPDEOrvan::updateUI()
{
    if (!hasInited) return;
    selectFromList(outputcolorButton, own_.outputcolor, outputcolorSelection);
    selectFromList(imagequalityButton, own_.imagequality, imagequalitySelection);
    selectFromList(imagetypeButton, own_.imagetype, imagetypeSelection);
    selectFromList(screenButton, own_.screen, screenSelection);
    selectFromList(TonerSaveButton, own_.tonersave, tonersaveSelection);
    selectFromList(imageadjustButton, own_.imageadjust, imageadjustSelection);
}

void PrinterPDEOrvan::handOver(const QString& key, const QString& choice)
{
    if (pdePluginCallbackObject) pdePluginCallbackObject->willChangePPDOptionKeyValue(key, choice);
}

PDEChoice* PrinterPDEOrvan::selectionForPopUp(QComboBox* popup, const QString& key)
{
    PDEChoice* choice = selectedChoice(popup);
    if (!useConstraintHandling) return choice;
    if (choice) {
        const QString name = choice->ppdTitle();
        if (!name.isNull()) handOver(key, name);
    }
    updateMarkedSelections();
    return nullptr;
}

// ---------------------------------------------------------------------------------
// Change handlers and the rules between the controls

void PrinterPDEOrvan::changeoutputcolorOption(QObject* /*sender*/)
{
    if (PDEChoice* s = selectionForPopUp(outputcolorButton, QStringLiteral("ColorModel"))) outputcolorSelection = s;
    updateUI();
}

void PrinterPDEOrvan::changeimagequalityOption(QObject* /*sender*/)
{
    if (PDEChoice* s = selectionForPopUp(imagequalityButton, QStringLiteral("DrvResolution")))
        imagequalitySelection = s;
    updateUI();
}

void PrinterPDEOrvan::changeimageadjustOption(QObject* /*sender*/)
{
    if (PDEChoice* s = selectionForPopUp(imageadjustButton, QStringLiteral("ImageAdjustmentMode")))
        imageadjustSelection = s;
    updateUI();
}

void PrinterPDEOrvan::changescreenOption(QObject* /*sender*/)
{
    if (PDEChoice* s = selectionForPopUp(screenButton, QStringLiteral("Screen"))) screenSelection = s;
    updateUI();
}

void PrinterPDEOrvan::handOverImageTypeAndTonerMode()
{
    if (PDEChoice* s = selectionForPopUp(imagetypeButton, QStringLiteral("ImageType"))) imagetypeSelection = s;
    if (PDEChoice* s = selectionForPopUp(TonerSaveButton, QStringLiteral("TonerMode"))) tonersaveSelection = s;
}

void PrinterPDEOrvan::changeimagetypeOption(QObject* /*sender*/)
{
    // Only normal images may save toner; any other type prints with toner saving item 3.
    if (selectedChoiceName(imagetypeButton) == kNormalImageType) {
        for (int i = 0; i < 3; ++i) platform::setItemEnabled(TonerSaveButton, i, true);
    } else {
        if (platform::numberOfItems(TonerSaveButton) > 3) platform::select(TonerSaveButton, 3);
        for (int i = 0; i < 3; ++i) platform::setItemEnabled(TonerSaveButton, i, false);
    }
    // Toner saving may have changed under gray guarantee.
    applyGrayGuaranteeRule();
    handOverImageTypeAndTonerMode();
    updateUI();
}

void PrinterPDEOrvan::followImageTypeWithTonerItems()
{
    // Toner saving shown again (restored, filled anew) offers what the image type leaves
    // it, as when the image type was chosen: an image type other than Normal takes the
    // first three items away. Image type processing switched off by gray output does not.
    const QString type = shownChoiceName(imagetypeButton, imagetypeSelection);
    const bool free = type.isNull() || type == kNormalImageType || type == QLatin1String("Off");
    for (int i = 0; i < 3; ++i) platform::setItemEnabled(TonerSaveButton, i, free);
}

QString PrinterPDEOrvan::shownChoiceName(const QComboBox* popup, PDEChoice* selection) const
{
    // Until the pop-ups are filled, what they will show is their selection.
    if (hasInited && PDEView) return selectedChoiceName(popup);
    return selection ? selection->ppdTitle() : QString();
}

bool PrinterPDEOrvan::colourOutputSelected() const
{
    return isColourChoice(shownChoiceName(outputcolorButton, outputcolorSelection));
}

void PrinterPDEOrvan::applyGrayGuaranteeRule()
{
    // Gray guarantee needs colour output without toner saving, and a PPD that has it.
    if (GrayGuaranteeOption && shownChoiceName(TonerSaveButton, tonersaveSelection) == kNoTonerSaving
        && colourOutputSelected()) {
        platform::setEnabled(GrayGuaranteeButton, true);
        return;
    }
    const bool wasOn = platform::state(GrayGuaranteeButton) == 1;
    platform::setEnabled(GrayGuaranteeButton, false);
    platform::setState(GrayGuaranteeButton, 0);
    // The job carries what the check box shows: off.
    if (useConstraintHandling && GrayGuaranteeOption && (wasOn || markedGrayGuarantee() != 0))
        handOver(QStringLiteral("GrayGuarantee"), QStringLiteral("False"));
}

int32_t PrinterPDEOrvan::markedGrayGuarantee() const
{
    ppd_choice_t* marked = VelkaRefppd ? ppdFindMarkedChoice(VelkaRefppd, "GrayGuarantee") : nullptr;
    if (!marked && GrayGuaranteeOption) marked = ppdFindChoice(GrayGuaranteeOption, GrayGuaranteeOption->defchoice);
    return marked && qstrcmp(marked->choice, "True") == 0 ? 1 : 0;
}

void PrinterPDEOrvan::changetonersaveOption(QObject* /*sender*/)
{
    applyGrayGuaranteeRule();
    handOverImageTypeAndTonerMode();
    updateUI();
}

void PrinterPDEOrvan::changeGrayGuaranteeOption(QObject* /*sender*/)
{
    if (useConstraintHandling)
        handOver(QStringLiteral("GrayGuarantee"),
                 platform::state(GrayGuaranteeButton) == 1 ? QStringLiteral("True") : QStringLiteral("False"));
    updateUI();
}

void PrinterPDEOrvan::colorModeBtnPushed(QObject* sender)
{
    CBColorMode = colourOutputSelected() ? 0 : 1;
    changeoutputcolorOption(sender);
    if (CBColorMode == 0) {
        platform::setTextColor(colorModeText, platform::controlTextColor());
        // Colour output offers gray guarantee as far as toner saving allows it.
        applyGrayGuaranteeRule();
        if (platform::isEnabled(GrayGuaranteeButton)) changeGrayGuaranteeOption(nullptr);
    } else {
        // Gray output: no gray guarantee and no image type processing.
        platform::setTextColor(colorModeText, platform::disabledControlTextColor());
        applyGrayGuaranteeRule();
        if (useConstraintHandling) {
            handOver(QStringLiteral("ImageType"), QStringLiteral("Off"));
            // The image types pop-up shows what the job now carries.
            updateMarkedSelections();
            updateUI();
        }
    }
}

// ---------------------------------------------------------------------------------
// Color Balance dialog

void PrinterPDEOrvan::colorBalanceButtonPushed(QObject* /*sender*/)
{
    // The dialog offers only Black in gray output.
    CBColorMode = colourOutputSelected() ? 0 : 1;

    aColorBalance = new ColorBalanceOrvan();
    if (!pluginBundle || !pluginBundle->loadLayout(QStringLiteral("ColorBalance"), aColorBalance)) {
        // Without its window the controller can never show, nor give itself up.
        delete aColorBalance.data();
        return;
    }
    ColorBlanceRes = aColorBalance->Start(pluginBundle);
    // The controller may already have gone with its window during the modal loop.
    if (aColorBalance) {
        if (QDialog* window = aColorBalance->window()) window->close();
    }
    if (ColorBlanceRes) changeColorBlanceOption();
}

void PrinterPDEOrvan::changeColorBlanceOption()
{
    if (useConstraintHandling) {
        if (ColorBlanceRes) {
            const QList<int32_t>& result = *ColorBlanceRes;
            for (int i = 0; i < colorbalance::kDensityCount && i < result.size(); ++i)
                handOver(QLatin1String(colorbalance::densityKeyword(i)), QString::number(result[i]));
        }
    } else {
        writePPDSettingsToPrintSettingsOnTiger();
    }
    updateUI();
}

// ---------------------------------------------------------------------------------
// Default button

int64_t PrinterPDEOrvan::querydef(ppd_option_t* option)
{
    if (!option || !option->choices) return -1;
    ppd_choice_t* choice = ppdFindChoice(option, option->defchoice);
    if (!choice) return -1;
    return choice - option->choices;
}

void PrinterPDEOrvan::defaultButtonPushed(QObject* /*sender*/)
{
    platform::select(outputcolorButton, querydef(outputcolorOption));
    changeoutputcolorOption(nullptr);
    platform::select(screenButton, querydef(screenOption));
    changescreenOption(nullptr);
    // An item the image type has taken away is no default to go back to: toner saving
    // stays as the image type sets it.
    const int64_t toner = querydef(tonersaveOption);
    if (toner < 0 || toner >= platform::numberOfItems(TonerSaveButton)
        || platform::isItemEnabled(TonerSaveButton, static_cast<int>(toner)))
        platform::select(TonerSaveButton, toner);
    changetonersaveOption(nullptr);
    platform::setState(GrayGuaranteeButton, querydef(GrayGuaranteeOption) == 0 ? 1 : 0);
    updateUI();
    colorModeBtnPushed(nullptr);
}

// ---------------------------------------------------------------------------------
// Settings record, summary, check before printing

void PrinterPDEOrvan::writeNonPPDSettingsToPrintSettings()
{
    platform::PrintSettings* s = pdePluginCallbackObject ? pdePluginCallbackObject->printSettings() : nullptr;
    if (!s) return;

    // Controls that were never filled (or are gone with the view) show nothing the user
    // chose; writing them would overwrite the record of an earlier job with empty positions.
    const bool controlsFilled = hasInited && PDEView;
    if (controlsFilled) {
        storeInt(s, "colormodeSettings", platform::indexOfSelectedItem(outputcolorButton));
        storeInt(s, "imagequalitySettings", platform::indexOfSelectedItem(imagequalityButton));
        storeInt(s, "imagetypeSettings", platform::indexOfSelectedItem(imagetypeButton));
        storeInt(s, "imageadjustSettings", platform::indexOfSelectedItem(imageadjustButton));
        storeInt(s, "TonerSaveSettings", platform::indexOfSelectedItem(TonerSaveButton));
        storeInt(s, "screenSettings", platform::indexOfSelectedItem(screenButton));
        storeInt(s, "brightnessSettings", platform::intValue(brightnessSlider));
    }

    if (ColorBlanceRes && ColorBlanceRes->size() >= colorbalance::kDensityCount) {
        for (int i = 0; i < colorbalance::kDensityCount; ++i)
            storeInt(s, kDensitySettingsKeys[static_cast<std::size_t>(i)], (*ColorBlanceRes)[i]);
    }

    if (controlsFilled) storeInt(s, "GrayGuaranteeSettings", platform::state(GrayGuaranteeButton));
    storeInt(s, "stateEnableSettings", stateEnableButton);
    storeInt(s, "statetargetColorSettings", statetargetColorButton);
}

void PrinterPDEOrvan::getNonPPDSettingsFromPrintSettings()
{
    platform::PrintSettings* s = pdePluginCallbackObject ? pdePluginCallbackObject->printSettings() : nullptr;
    if (!s) return;

    // A host that marks nothing remembers nothing but this record: positions restored
    // before the controls are filled are kept for the fill, and those the panel does
    // not hand over become its selections, as a user's pick does.
    const bool keepForFill = !useConstraintHandling && !(hasInited && PDEView);
    const auto keep = [this, keepForFill](QComboBox* popup, PDEChoice** selection, int kept, int32_t v) {
        if (keepForFill) {
            pendingPositions_[static_cast<std::size_t>(kept)] = v;
        } else if (!useConstraintHandling) {
            *selection = selectedChoice(popup);
        }
    };

    // A stored position of -1 (or any that names no item) leaves the pop-up with no
    // selected item, so that nothing is handed over for it.
    if (const auto v = storedInt(s, "colormodeSettings")) {
        platform::select(outputcolorButton, *v);
        changeoutputcolorOption(nullptr);
        if (keepForFill) keep(outputcolorButton, &outputcolorSelection, 0, *v);
    }
    if (const auto v = storedInt(s, "imagequalitySettings")) {
        platform::select(imagequalityButton, *v);
        keep(imagequalityButton, &imagequalitySelection, 1, *v);
    }
    if (const auto v = storedInt(s, "imagetypeSettings")) {
        platform::select(imagetypeButton, *v);
        keep(imagetypeButton, &imagetypeSelection, 2, *v);
    }
    if (const auto v = storedInt(s, "imageadjustSettings")) {
        platform::select(imageadjustButton, *v);
        keep(imageadjustButton, &imageadjustSelection, 3, *v);
    }
    if (const auto v = storedInt(s, "screenSettings")) {
        platform::select(screenButton, *v);
        changescreenOption(nullptr);
        if (keepForFill) keep(screenButton, &screenSelection, 4, *v);
    }
    if (const auto v = storedInt(s, "brightnessSettings")) {
        // The record holds the slider's number; one between or beyond the printer's
        // choices (an older record) takes the nearest.
        const int value = brightnessSteps_.empty() ? *v : nearestBrightness(*v);
        platform::setIntValue(brightnessSlider, value);
        if (keepForFill) pendingBrightness_ = value;
        handOverBrightness();
        if (brightnessSlider) showBrightnessChoice();
    }

    // A stored density outside -3..+3 names no choice of the density options and is
    // ignored.
    std::array<std::optional<int32_t>, colorbalance::kDensityCount> densities;
    bool everyDensity = true;
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        QString text;
        if (PMPrintSettingsGetValue(s, QLatin1String(kDensitySettingsKeys[static_cast<std::size_t>(i)]), &text) == noErr
            && platform::hasLeadingInteger(text)) {
            const int64_t v = platform::longLongValue(text);
            if (v >= -3 && v <= 3) densities[static_cast<std::size_t>(i)] = static_cast<int32_t>(v);
        }
        everyDensity = everyDensity && densities[static_cast<std::size_t>(i)].has_value();
    }
    if (everyDensity) {
        restoreColourBalance(densities, storedInt(s, "stateEnableSettings").value_or(0) == 1,
                             storedInt(s, "statetargetColorSettings").value_or(0));
    } else if (ColorBlanceRes) {
        // Without the whole committed result, the densities found only go into the
        // working values, and only once this process has a result of its own.
        for (int i = 0; i < colorbalance::kDensityCount; ++i) {
            if (const auto v = densities[static_cast<std::size_t>(i)]) colorbalance::workingValue(i) = *v;
        }
    }

    // The check box and the colour-balance switch are on or off, the target one of the
    // four toners; anything else stored counts as missing.
    const auto gray = storedInt(s, "GrayGuaranteeSettings");
    if (gray && (*gray == 0 || *gray == 1)) {
        GrayGuaranteeValue = *gray;
        // The check box takes the record's state at once, so that what is handed over
        // next is what it shows (and shows once it is filled).
        if (GrayGuaranteeOption) platform::setState(GrayGuaranteeButton, *gray);
        changeGrayGuaranteeOption(nullptr);
    } else {
        GrayGuaranteeValue = 0;
    }
    const auto enable = storedInt(s, "stateEnableSettings");
    stateEnableButton = enable && (*enable == 0 || *enable == 1) ? *enable : 0;
    const auto target = storedInt(s, "statetargetColorSettings");
    statetargetColorButton = target && *target >= 0 && *target <= 3 ? *target : 0;

    colorModeBtnPushed(nullptr);
    // Gray output hands over Off when the colour is chosen, but an image type chosen
    // after it went out with the job the record stands for: it stays what it was.
    if (const auto v = storedInt(s, "imagetypeSettings"); v && useConstraintHandling && !colourOutputSelected()
        && *v >= 0 && *v < platform::numberOfItems(imagetypeButton)) {
        platform::select(imagetypeButton, *v);
        handOverImageTypeAndTonerMode();
    }

    if (const auto v = storedInt(s, "TonerSaveSettings")) {
        platform::select(TonerSaveButton, *v);
        if (keepForFill) keep(TonerSaveButton, &tonersaveSelection, 5, *v);
    }
    followImageTypeWithTonerItems();
    changetonersaveOption(nullptr);
}

bool PrinterPDEOrvan::applyKeptPositions()
{
    bool applied = false;
    PDEChoice** const selections[] = {&outputcolorSelection, &imagequalitySelection, &imagetypeSelection,
                                      &imageadjustSelection, &screenSelection,       &tonersaveSelection};
    const std::shared_ptr<ChoiceList>* const lists[] = {&own_.outputcolor, &own_.imagequality, &own_.imagetype,
                                                       &own_.imageadjust, &own_.screen,       &own_.tonersave};
    for (std::size_t i = 0; i < pendingPositions_.size(); ++i) {
        if (!pendingPositions_[i]) continue;
        // A position that names no item leaves no item selected, as on a filled pop-up.
        *selections[i] = entryAt(*lists[i], *pendingPositions_[i]);
        pendingPositions_[i].reset();
        applied = true;
    }
    if (pendingBrightness_) {
        platform::setIntValue(brightnessSlider, *pendingBrightness_);
        showBrightnessChoice();
        pendingBrightness_.reset();
        applied = true;
    }
    return applied;
}

void PrinterPDEOrvan::restoreColourBalance(
    const std::array<std::optional<int32_t>, colorbalance::kDensityCount>& densities, bool on, int32_t target)
{
    // The record holds what the last OK committed: the result, the switch and the target
    // the dialog opens on, and behind a switched-on result the working values it shows.
    // The result of a switched-off adjustment is no adjustment at all.
    QList<int32_t> result;
    result.reserve(colorbalance::kDensityCount);
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        const int32_t v = densities[static_cast<std::size_t>(i)].value_or(0);
        result.append(on ? v : 0);
        if (on) colorbalance::workingValue(i) = v;
    }
    ColorBlanceRes = result;
    CBstate = on;
    CBtarget = target >= 0 && target <= 3 ? target : 0;
    colourBalanceRestored_ = true;
    changeColorBlanceOption();
}

bool PrinterPDEOrvan::shouldPrint()
{
    platform::PrintSettings* settings =
        pdePluginCallbackObject ? pdePluginCallbackObject->printSettings() : nullptr;
    platform::PrintSession* session = pdePluginCallbackObject ? pdePluginCallbackObject->printSession() : nullptr;
    // The brightness the slider shows, whatever the destination.
    if (hasInited) handOverBrightness();
    uint16_t destination = platform::kPMDestinationInvalid;
    if (PMSessionGetDestinationType(session, settings, &destination) == noErr
        && destination == platform::kPMDestinationPrinter && ColorBlanceRes)
        changeColorBlanceOption();
    return true;
}

QMap<QString, QString> PrinterPDEOrvan::summaryInfo()
{
    QMap<QString, QString> summary;
    const auto add = [&summary](ppd_option_t* option, PDEChoice* selection) {
        if (selection) summary.insert(CreateOptionTitle(option), selection->userTitle());
    };
    add(outputcolorOption, outputcolorSelection);
    add(imagetypeOption, imagetypeSelection);
    add(imageadjustOption, imageadjustSelection);
    add(tonersaveOption, tonersaveSelection);
    add(screenOption, screenSelection);
    if (GrayGuaranteeOption) {
        // The option's first choice means on, its second off.
        PDEChoice* shown = entryAt(own_.GrayGuarantee, platform::state(GrayGuaranteeButton) == 1 ? 0 : 1);
        if (shown) summary.insert(CreateOptionTitle(GrayGuaranteeOption), shown->userTitle());
    }
    return summary;
}
