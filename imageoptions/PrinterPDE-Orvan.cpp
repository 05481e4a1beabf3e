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
#include <QSlider>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

using namespace imageoptions;

namespace {

// One pop-up of the panel: every place that fills, follows, saves, restores, hands over
// or summarises the pop-ups goes through this table.
struct PopUpOption {
    const char* keyword;     // PPD keyword, handed over with the choice's name
    ViewTag labelTag;        // the label beside the pop-up
    const char* label;       // the label's text (localisation key)
    const char* settingsKey; // the selected position in the print settings
    QPointer<QComboBox> PrinterPDEOrvan::*popup;
    ppd_option_t* PrinterPDEOrvan::*option;
    std::shared_ptr<ChoiceList> SharedPanelState::*choices; // as built by the last panel
    PDEChoice* PrinterPDEOrvan::*selection;
    bool restoreHandsOver; // a restored position goes to the host at once
    bool summarised;       // a Summary row shows the selection
};

using P = PrinterPDEOrvan;
using S = SharedPanelState;
const std::array<PopUpOption, kPopUpCount> kPopUps = {{
    {"ColorModel", kOutputColorLabel, "Output Color:", "colormodeSettings", &P::outputcolorButton,
     &P::outputcolorOption, &S::outputcolorChoices, &P::outputcolorSelection, true, true},
    {"DrvResolution", kImageQualityLabel, "Image Quality:", "imagequalitySettings", &P::imagequalityButton,
     &P::imagequalityOption, &S::imagequalityChoices, &P::imagequalitySelection, false, false},
    {"ImageType", kImageTypesLabel, "Image Types:", "imagetypeSettings", &P::imagetypeButton, &P::imagetypeOption,
     &S::imagetypeChoices, &P::imagetypeSelection, false, true},
    {"ImageAdjustmentMode", kImageAdjustLabel, "Image adjust mode:", "imageadjustSettings", &P::imageadjustButton,
     &P::imageadjustOption, &S::imageadjustChoices, &P::imageadjustSelection, false, true},
    {"TonerMode", kTonerSaveLabel, "Toner Saving Mode:", "TonerSaveSettings", &P::TonerSaveButton,
     &P::tonersaveOption, &S::tonersaveChoices, &P::tonersaveSelection, false, true},
    {"Screen", kScreenLabel, "Screen:", "screenSettings", &P::screenButton, &P::screenOption, &S::screenChoices,
     &P::screenSelection, true, true},
}};

// Choice names the rules compare and hand over.
// Output colour by the choice's name: the gray choices of the printers we know of
// ("Gray", "Grayscale", "KGray", "Mono", "Monochrome", "Black" and the like); every
// other choice ("RGB", "CMYK", "Color") prints in colour.
bool isColourChoice(const QString& name)
{
    // Gray choices are "Mono", "Monochrome", "Black", "BlackWhite", "BlackAndWhite",
    // "BW", "K", "W", "WhiteScale", and "Gray"/"Grey" with an optional leading "K",
    // "Scale" and bit depth ("KGray16", "Grayscale8"), in any case. Written out rather
    // than as a regular expression, which would be compiled at every start.
    if (name.isEmpty()) return false;
    const QString lower = name.toLower();
    static const QStringList grayNames = {
        QStringLiteral("mono"),     QStringLiteral("monochrome"),    QStringLiteral("black"),
        QStringLiteral("blackwhite"), QStringLiteral("blackandwhite"), QStringLiteral("bw"),
        QStringLiteral("k"),        QStringLiteral("w"),             QStringLiteral("whitescale")};
    if (grayNames.contains(lower)) return false;
    QStringView rest(lower);
    if (rest.startsWith(u'k')) rest = rest.mid(1);
    if (!rest.startsWith(u"gray") && !rest.startsWith(u"grey")) return true;
    rest = rest.mid(4);
    if (rest.startsWith(u"scale")) rest = rest.mid(5);
    return !std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isDigit(); });
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

    for (std::size_t i = 0; i < kPopUps.size(); ++i) {
        this->*kPopUps[i].option = lookUp(kPopUps[i].keyword);
        ownLists_[i] = build(this->*kPopUps[i].option);
    }
    brightnessOption = lookUp("Brightness");
    ownBrightness_ = build(brightnessOption);
    if (ownBrightness_ && !ownBrightness_->empty()) {
        bool numbered = true;
        for (const auto& choice : *ownBrightness_) {
            bool ok = false;
            choice->ppdTitle().toInt(&ok);
            numbered = numbered && ok;
        }
        for (std::size_t i = 0; i < ownBrightness_->size(); ++i) {
            PDEChoice* choice = (*ownBrightness_)[i].get();
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
    ownGrayGuarantee_ = build(GrayGuaranteeOption);

    for (std::size_t i = 0; i < kPopUps.size(); ++i) sharedPanelState.*kPopUps[i].choices = ownLists_[i];
    GrayGuaranteeChoices = ownGrayGuarantee_;

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
    for (std::size_t i = 0; i < kPopUps.size(); ++i) release(sharedPanelState.*kPopUps[i].choices, ownLists_[i]);
    release(GrayGuaranteeChoices, ownGrayGuarantee_);
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
        // Toner saving comes after the colour balance, as hosts have always been told.
        for (const PopUpOption& p : kPopUps) {
            if (&p != &kPopUps[kTonerSave]) announce(this->*p.option, p.keyword);
        }
        announce(brightnessOption, "Brightness");
        for (int i = 0; i < colorbalance::kDensityCount; ++i)
            announce(colorbalance::densityOption(i), colorbalance::densityKeyword(i));
        announce(tonersaveOption, kPopUps[kTonerSave].keyword);
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

void PrinterPDEOrvan::initializeUI()
{
    if (hasInited) return;
    // Filled controls need controls: without a view there is nothing to fill yet.
    if (!PDEView) return;

    // The labels show the panel's own texts, whatever the PPD calls the options.
    const auto localized = [this](const QString& key) {
        return pluginBundle ? pluginBundle->localizedString(key) : key;
    };
    for (std::size_t i = 0; i < kPopUps.size(); ++i) {
        const PopUpOption& p = kPopUps[i];
        platform::setStringValue(platform::viewWithTag(PDEView, p.labelTag), localized(QString::fromUtf8(p.label)));
        if (this->*p.option) {
            InitPopUpFromArray(this->*p.popup, ownLists_[i].get());
        } else {
            platform::setEnabled(this->*p.popup, false);
        }
    }

    platform::setTitle(platform::viewWithTag(PDEView, kGrayGuaranteeBox), localized(QStringLiteral("GrayGuarantee")));
    if (GrayGuaranteeOption) {
        // A host that marks choices holds what the job carries: the check box shows that.
        platform::setState(GrayGuaranteeButton, useConstraintHandling ? markedGrayGuarantee() : GrayGuaranteeValue);
    } else {
        platform::setEnabled(GrayGuaranteeButton, false);
    }
    platform::setTitle(platform::viewWithTag(PDEView, kColorBalanceButton), localized(QStringLiteral("Color Balance...")));
    platform::setTitle(platform::viewWithTag(PDEView, kDefaultButton), localized(QStringLiteral("Default")));
    platform::setStringValue(platform::viewWithTag(PDEView, kBrightnessLabel), localized(QStringLiteral("Brightness:")));
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
    QWidget* labels[] = {platform::viewWithTag(PDEView, kBrightnessLowLabel),
                         platform::viewWithTag(PDEView, kBrightnessMidLabel),
                         platform::viewWithTag(PDEView, kBrightnessHighLabel)};
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
    for (std::size_t n = 0; n < kPopUps.size(); ++n) {
        const PopUpOption& p = kPopUps[n];
        if (!(this->*p.option)) continue;
        const int64_t i = indexOfMarkedOption(this->*p.option, p.keyword);
        this->*p.selection = i == -1 ? nullptr : entryAt(ownLists_[n], i);
        // The colour mode follows the marked choice by its name, as everywhere else,
        // wherever the PPD lists it.
        if (n == kOutputColor && i != -1)
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
    for (std::size_t i = 0; i < kPopUps.size(); ++i)
        selectFromList(this->*kPopUps[i].popup, ownLists_[i], this->*kPopUps[i].selection);
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

void PrinterPDEOrvan::handOverPopUp(PopUp which)
{
    const PopUpOption& p = kPopUps[which];
    if (PDEChoice* s = selectionForPopUp(this->*p.popup, QLatin1String(p.keyword))) this->*p.selection = s;
}

// ---------------------------------------------------------------------------------
// Change handlers and the rules between the controls

void PrinterPDEOrvan::changeoutputcolorOption(QObject* /*sender*/)
{
    handOverPopUp(kOutputColor);
    updateUI();
}

void PrinterPDEOrvan::changeimagequalityOption(QObject* /*sender*/)
{
    handOverPopUp(kImageQuality);
    updateUI();
}

void PrinterPDEOrvan::changeimageadjustOption(QObject* /*sender*/)
{
    handOverPopUp(kImageAdjust);
    updateUI();
}

void PrinterPDEOrvan::changescreenOption(QObject* /*sender*/)
{
    handOverPopUp(kScreen);
    updateUI();
}

void PrinterPDEOrvan::handOverImageTypeAndTonerMode()
{
    handOverPopUp(kImageType);
    handOverPopUp(kTonerSave);
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
        for (const PopUpOption& p : kPopUps) storeInt(s, p.settingsKey, platform::indexOfSelectedItem(this->*p.popup));
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
    // A stored position of -1 (or any that names no item) leaves the pop-up with no
    // selected item, so that nothing is handed over for it. Toner saving comes last,
    // after the rules that may take its items away.
    const auto restorePosition = [this, s, keepForFill](PopUp which) {
        const PopUpOption& p = kPopUps[which];
        const auto v = storedInt(s, p.settingsKey);
        if (!v) return;
        platform::select(this->*p.popup, *v);
        if (p.restoreHandsOver) {
            handOverPopUp(which);
            updateUI();
        }
        // A position handed over is the selection already; toner saving's is handed over
        // by the rules that follow it.
        if (keepForFill) {
            pendingPositions_[which] = *v;
        } else if (!useConstraintHandling && !p.restoreHandsOver && which != kTonerSave) {
            this->*p.selection = selectedChoice(this->*p.popup);
        }
    };
    for (const PopUp which : {kOutputColor, kImageQuality, kImageType, kImageAdjust, kScreen}) restorePosition(which);
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
    if (const auto v = storedInt(s, kPopUps[kImageType].settingsKey); v && useConstraintHandling && !colourOutputSelected()
        && *v >= 0 && *v < platform::numberOfItems(imagetypeButton)) {
        platform::select(imagetypeButton, *v);
        handOverImageTypeAndTonerMode();
    }

    restorePosition(kTonerSave);
    followImageTypeWithTonerItems();
    changetonersaveOption(nullptr);
}

bool PrinterPDEOrvan::applyKeptPositions()
{
    bool applied = false;
    for (std::size_t i = 0; i < pendingPositions_.size(); ++i) {
        if (!pendingPositions_[i]) continue;
        // A position that names no item leaves no item selected, as on a filled pop-up.
        this->*kPopUps[i].selection = entryAt(ownLists_[i], *pendingPositions_[i]);
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
    // Rows in table order: of two options with one title, the later one stands.
    for (const PopUpOption& p : kPopUps) {
        if (PDEChoice* selection = this->*p.selection; selection && p.summarised)
            summary.insert(CreateOptionTitle(this->*p.option), selection->userTitle());
    }
    if (GrayGuaranteeOption) {
        // The option's first choice means on, its second off.
        PDEChoice* shown = entryAt(ownGrayGuarantee_, platform::state(GrayGuaranteeButton) == 1 ? 0 : 1);
        if (shown) summary.insert(CreateOptionTitle(GrayGuaranteeOption), shown->userTitle());
    }
    return summary;
}
