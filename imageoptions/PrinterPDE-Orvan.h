#pragma once
// The "Image Options" panel: output colour, image quality, image types, screen, image
// adjust mode and toner saving as pop-ups, gray guarantee, brightness, the Color
// Balance dialog and the Default button. Every choice goes to the host as a PPD
// keyword and choice name; the panel also keeps its own record in the print settings.
#include "colorbalance/ColorBalance-Orvan.h"
#include "platform/Bundle.h"
#include "platform/PDEPanel.h"
#include "plugin/PDEChoice.h"
#include "plugin/PDELogging.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace platform {
class PDEPluginCallback;
} // namespace platform

namespace imageoptions {
// Tags of the panel view's labels and titled controls.
enum ViewTag : int {
    kOutputColorLabel = 1,
    kImageQualityLabel = 2,
    kImageTypesLabel = 3,
    kScreenLabel = 4,
    kImageAdjustLabel = 5,
    kGrayGuaranteeBox = 6,
    kTonerSaveLabel = 7,
    kColorBalanceButton = 8,
    kDefaultButton = 9,
    kBrightnessLabel = 10,
    // The brightness slider's lowest, middle and highest choice.
    kBrightnessLowLabel = 11,
    kBrightnessMidLabel = 12,
    kBrightnessHighLabel = 13,
};
// The six pop-ups, in the order of the settings record.
enum PopUp : int { kOutputColor, kImageQuality, kImageType, kImageAdjust, kTonerSave, kScreen, kPopUpCount };
} // namespace imageoptions

class PrinterPDEOrvan : public QObject,
                        public platform::PDEPanel,
                        public platform::LayoutOwner,
                        public PDEObject {
    Q_OBJECT

public:
    // initWithCallback:andBundle:. Never fails: what the PPD lacks stays none. Neither
    // the callback nor the bundle is owned; both outlive the panel.
    static std::unique_ptr<PrinterPDEOrvan> initWithCallback(platform::PDEPluginCallback* callback,
                                                             platform::Bundle* bundle);
    PrinterPDEOrvan(platform::PDEPluginCallback* callback, platform::Bundle* bundle);
    ~PrinterPDEOrvan() override;
    PrinterPDEOrvan(const PrinterPDEOrvan&) = delete;
    PrinterPDEOrvan& operator=(const PrinterPDEOrvan&) = delete;

    // Panel operations the host calls.
    QWidget* panelView() override;
    QString panelName() override;
    QString panelKind() override;
    const QStringList& supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldHide() override;
    bool shouldShowHelp() override;
    bool saveValuesAndReturnError(QString* error) override;
    bool restoreValuesAndReturnError(QString* error) override;
    bool shouldPrint() override;
    QMap<QString, QString> summaryInfo() override;
    void PPDOptionKeyValueDidChange(const QString& key, const QString& choice) override;
    void panelViewDidResize() override;

    void bindOutlets(const platform::Outlets& outlets) override;

    // The panel's own operations.
    void initializeUI();
    void updateUI();
    void updateMarkedSelections();
    // Position of the marked, else the default, choice of `option`; -1 for none.
    int64_t indexOfMarkedOption(ppd_option_t* option, const char* key);
    // Hands the pop-up's choice to the host (and answers null), or, when the host takes
    // no hand-overs, answers the choice for the caller to keep.
    PDEChoice* selectionForPopUp(QComboBox* popup, const QString& key);
    // Position of the option's declared default choice; -1 for none.
    int64_t querydef(ppd_option_t* option);
    void changeColorBlanceOption();
    void writeNonPPDSettingsToPrintSettings();
    void getNonPPDSettingsFromPrintSettings();
    // Hosts that take no hand-overs keep nothing else for us either.
    void getPPDSettingsFromPrintSettingsOnTiger() {}
    void writePPDSettingsToPrintSettingsOnTiger() {}

public slots:
    // Actions: the sender is the control, or null when called from code.
    void colorModeBtnPushed(QObject* sender);
    void changeoutputcolorOption(QObject* sender);
    void changeimagequalityOption(QObject* sender);
    void changeimagetypeOption(QObject* sender);
    void changescreenOption(QObject* sender);
    void changeimageadjustOption(QObject* sender);
    void changeGrayGuaranteeOption(QObject* sender);
    void changetonersaveOption(QObject* sender);
    // The brightness slider's action: its position goes to the host as the PPD's
    // "Brightness" choice.
    void changebrightnessOption(QObject* sender);
    void colorBalanceButtonPushed(QObject* sender);
    void defaultButtonPushed(QObject* sender);

public:
    // The Color Balance controller made last; it gives itself up when its window closes.
    QPointer<ColorBalanceOrvan> aColorBalance;
    platform::PDEPluginCallback* pdePluginCallbackObject = nullptr;
    QString thePDEName; // null until first asked for
    platform::Bundle* pluginBundle = nullptr;
    // The host may reparent the view into its window and destroy it there, so the view
    // and its controls are held weakly.
    QPointer<QWidget> PDEView;
    QPointer<QPushButton> defaultButton;
    QPointer<QPushButton> colorBalanceButton;
    QPointer<QCheckBox> GrayGuaranteeButton;
    QPointer<QComboBox> outputcolorButton;
    QPointer<QComboBox> imagequalityButton;
    QPointer<QComboBox> imagetypeButton;
    QPointer<QComboBox> imageadjustButton;
    QPointer<QComboBox> TonerSaveButton;
    QPointer<QComboBox> screenButton;
    QPointer<QSlider> brightnessSlider;
    QPointer<QLabel> colorModeText;
    bool useConstraintHandling = false;
    bool hasInited = false;
    QSizeF basicSize;
    std::optional<QStringList> supportedOptions;
    ppd_option_t* outputcolorOption = nullptr;
    ppd_option_t* imagequalityOption = nullptr;
    ppd_option_t* imagetypeOption = nullptr;
    ppd_option_t* imageadjustOption = nullptr;
    ppd_option_t* tonersaveOption = nullptr;
    ppd_option_t* screenOption = nullptr;
    ppd_option_t* brightnessOption = nullptr;
    ppd_option_t* GrayGuaranteeOption = nullptr;
    PDEChoice* outputcolorSelection = nullptr;
    PDEChoice* imagequalitySelection = nullptr;
    PDEChoice* imagetypeSelection = nullptr;
    PDEChoice* imageadjustSelection = nullptr;
    PDEChoice* screenSelection = nullptr;
    PDEChoice* tonersaveSelection = nullptr;
    int32_t GrayGuaranteeValue = 1;

private:
    // The lists this panel built (the pop-ups' in the order of imageoptions::PopUp); its
    // pop-ups and selections point into them.
    std::array<std::shared_ptr<ChoiceList>, imageoptions::kPopUpCount> ownLists_;
    std::shared_ptr<ChoiceList> ownGrayGuarantee_, ownBrightness_;
    // The slider's positions: one per "Brightness" choice, lowest first. A choice named
    // by a number sits at that number; otherwise the choices sit at their positions.
    struct BrightnessStep {
        int value;
        PDEChoice* choice;
    };
    std::vector<BrightnessStep> brightnessSteps_;
    ppd_file_t* ppd_ = nullptr; // the host's PPD at construction; not owned
    // The last restore brought the committed colour balance back from the record.
    bool colourBalanceRestored_ = false;
    // The PPD has at least one of the colour-balance density options.
    bool hasDensityOptions_ = false;
    // The record's positions (in the order of imageoptions::PopUp) and brightness,
    // restored before the controls were filled for a host that marks nothing.
    std::array<std::optional<int32_t>, imageoptions::kPopUpCount> pendingPositions_;
    std::optional<int> pendingBrightness_;

    void handOver(const QString& key, const QString& choice);
    // The pop-up's choice to the host, or, when the host takes none, to its selection.
    void handOverPopUp(imageoptions::PopUp which);
    // The gray-guarantee rule: the check box is offered only in colour output without
    // toner saving; otherwise it is off, and the host is told so.
    void applyGrayGuaranteeRule();
    // 1 when the host holds "True" for gray guarantee (else the PPD's default), else 0.
    int32_t markedGrayGuarantee() const;
    void handOverImageTypeAndTonerMode();
    // Entry `index` of `list`, or null when there is none.
    static PDEChoice* entryAt(const std::shared_ptr<ChoiceList>& list, int64_t index);
    // Selects `selection` in `popup` when it is an entry of `list` (by identity).
    static void selectFromList(QComboBox* popup, const std::shared_ptr<ChoiceList>& list,
                               const PDEChoice* selection);
    bool colourOutputSelected() const;
    // Toner saving items 0 to 2 as the image type shown allows them.
    void followImageTypeWithTonerItems();
    // The choice name a pop-up shows, or will show once filled.
    QString shownChoiceName(const QComboBox* popup, PDEChoice* selection) const;
    // Positions a record gave a host that marks nothing before the controls were filled;
    // answers whether there were any.
    bool applyKeptPositions();
    // Range, steps, ticks and end labels of the slider from the "Brightness" choices,
    // and its position from the host's mark; disabled for a PPD without them.
    void setUpBrightnessSlider();
    // The slider position nearest to `value` that names a choice.
    int nearestBrightness(int value) const;
    // The choice at the slider's position, or null.
    PDEChoice* brightnessChoice() const;
    void handOverBrightness();
    void showBrightnessChoice();
    QString brightnessTitle(PDEChoice* choice) const;
    // The committed colour balance from a record that holds all twelve densities.
    void restoreColourBalance(const std::array<std::optional<int32_t>, colorbalance::kDensityCount>& densities,
                              bool on, int32_t target);
};
