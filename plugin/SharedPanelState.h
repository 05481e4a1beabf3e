#pragma once
// The state the panels and dialogs share, once per process: it outlives any one panel
// or dialog, so a second print dialog in the same process starts from what the first
// left. Everything runs on the host's user-interface thread; nothing locks it. The
// names below are the plug-in's established names (stored settings and the layouts
// rely on them), each a reference into the one instance.
#include <QList>
#include <QString>

#include <cups/ppd.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class PDEChoice;
namespace platform {
class Bundle;
}

// One PDEChoice per choice of a PPD option, in PPD order: a position in the list is
// the position in the PPD and in the pop-up.
using ChoiceList = std::vector<std::unique_ptr<PDEChoice>>;

namespace colorbalance {
// Four toners (Black, Cyan, Magenta, Yellow) by three tone ranges (Low, Mid, High),
// in density-index order: 3 * toner + range.
inline constexpr int kDensityCount = 12;
} // namespace colorbalance

// What the Secure Print setup dialog confirmed at its last OK.
struct SecurePrintSetup {
    int32_t jobNameMode = 0; // 0 use the existing name, 1 enter a new name
    QString userID;
    QString passcode;
    QString newJobName; // in job name mode 1 only
    QString modeTitle;  // the title of the selected name-mode item
    bool operator==(const SecurePrintSetup&) const = default;
};

struct SharedPanelState {
    // PPD choice model: 1 selects UTF-8 for user titles, set when PDEChoice is first
    // used; the finders' position counter; the PPD of the last panel constructed,
    // which every marked-choice lookup uses.
    uint8_t ppdEncoding = 0;
    uint32_t nIndex = 0;
    ppd_file_t* VelkaRefppd = nullptr;

    // Image Options: the choices of each option as built by the last panel constructed
    // (null for an option its PPD lacks).
    std::shared_ptr<ChoiceList> outputcolorChoices, imagequalityChoices, imagetypeChoices, imageadjustChoices,
        screenChoices, tonersaveChoices, GrayGuaranteeChoices;

    // Colour balance: the working densities (-3..+3, edited live by the dialog) and
    // their PPD options, in density-index order.
    std::array<int64_t, colorbalance::kDensityCount> densitySettings{};
    std::array<ppd_option_t*, colorbalance::kDensityCount> densityOptions{};
    bool CBstate = false;               // committed "Adjust Color Balance" switch
    int32_t CBtarget = 0;               // committed target toner, 0..3
    int32_t CBColorMode = 0;            // 1: gray output (Black only); else colour
    int32_t stateEnableButton = 0;      // switch as of the last OK, for the print settings
    int32_t statetargetColorButton = 0; // target as of the last OK, for the print settings
    // The committed result of the last OK: twelve values, or none before the first OK.
    std::optional<QList<int32_t>> ColorBlanceRes;

    // Secure print. The bundle of the Job Type panel constructed last (not owned: the
    // host keeps it alive); the choices of "JobType"; "UserID", "JobNameMode",
    // "SecurePrintPasscode" and "NewJob", null when the PPD lacks one.
    platform::Bundle* pluginBundle = nullptr;
    std::shared_ptr<ChoiceList> jobtypeChoices;
    ppd_option_t* jobidOption = nullptr;
    ppd_option_t* jobnameOption = nullptr;
    ppd_option_t* secureprintOption = nullptr;
    ppd_option_t* newjobOption = nullptr;
    int32_t secureIndex = 0; // the selected job type: 0 Normal Print, 1 Secure Print
    int32_t firstRun = 0;    // 1 once a Job Type panel has been shown
    int32_t jobnameMode = 0; // job name mode of the last OK
    QString docName;         // the job name field's text at the last OK; null before
    std::optional<SecurePrintSetup> response; // none before the first OK
};

extern SharedPanelState sharedPanelState;

// For test fixtures, benchmarks and fuzz targets only: the state as when the plug-in
// is loaded. The plug-in itself never resets it.
void resetSharedPanelState();

inline uint8_t& ppdEncoding = sharedPanelState.ppdEncoding;
inline uint32_t& nIndex = sharedPanelState.nIndex;
inline ppd_file_t*& VelkaRefppd = sharedPanelState.VelkaRefppd;

inline std::shared_ptr<ChoiceList>& outputcolorChoices = sharedPanelState.outputcolorChoices;
inline std::shared_ptr<ChoiceList>& imagequalityChoices = sharedPanelState.imagequalityChoices;
inline std::shared_ptr<ChoiceList>& imagetypeChoices = sharedPanelState.imagetypeChoices;
inline std::shared_ptr<ChoiceList>& imageadjustChoices = sharedPanelState.imageadjustChoices;
inline std::shared_ptr<ChoiceList>& screenChoices = sharedPanelState.screenChoices;
inline std::shared_ptr<ChoiceList>& tonersaveChoices = sharedPanelState.tonersaveChoices;
inline std::shared_ptr<ChoiceList>& GrayGuaranteeChoices = sharedPanelState.GrayGuaranteeChoices;

inline int64_t& ColorDensityBlackLowSetting = sharedPanelState.densitySettings[0];
inline int64_t& ColorDensityBlackMidSetting = sharedPanelState.densitySettings[1];
inline int64_t& ColorDensityBlackHighSetting = sharedPanelState.densitySettings[2];
inline int64_t& ColorDensityCyanLowSetting = sharedPanelState.densitySettings[3];
inline int64_t& ColorDensityCyanMidSetting = sharedPanelState.densitySettings[4];
inline int64_t& ColorDensityCyanHighSetting = sharedPanelState.densitySettings[5];
inline int64_t& ColorDensityMagentaLowSetting = sharedPanelState.densitySettings[6];
inline int64_t& ColorDensityMagentaMidSetting = sharedPanelState.densitySettings[7];
inline int64_t& ColorDensityMagentaHighSetting = sharedPanelState.densitySettings[8];
inline int64_t& ColorDensityYellowLowSetting = sharedPanelState.densitySettings[9];
inline int64_t& ColorDensityYellowMidSetting = sharedPanelState.densitySettings[10];
inline int64_t& ColorDensityYellowHighSetting = sharedPanelState.densitySettings[11];
inline ppd_option_t*& ColorDensityBlackLowOption = sharedPanelState.densityOptions[0];
inline ppd_option_t*& ColorDensityBlackMidOption = sharedPanelState.densityOptions[1];
inline ppd_option_t*& ColorDensityBlackHighOption = sharedPanelState.densityOptions[2];
inline ppd_option_t*& ColorDensityCyanLowOption = sharedPanelState.densityOptions[3];
inline ppd_option_t*& ColorDensityCyanMidOption = sharedPanelState.densityOptions[4];
inline ppd_option_t*& ColorDensityCyanHighOption = sharedPanelState.densityOptions[5];
inline ppd_option_t*& ColorDensityMagentaLowOption = sharedPanelState.densityOptions[6];
inline ppd_option_t*& ColorDensityMagentaMidOption = sharedPanelState.densityOptions[7];
inline ppd_option_t*& ColorDensityMagentaHighOption = sharedPanelState.densityOptions[8];
inline ppd_option_t*& ColorDensityYellowLowOption = sharedPanelState.densityOptions[9];
inline ppd_option_t*& ColorDensityYellowMidOption = sharedPanelState.densityOptions[10];
inline ppd_option_t*& ColorDensityYellowHighOption = sharedPanelState.densityOptions[11];
inline bool& CBstate = sharedPanelState.CBstate;
inline int32_t& CBtarget = sharedPanelState.CBtarget;
inline int32_t& CBColorMode = sharedPanelState.CBColorMode;
inline int32_t& stateEnableButton = sharedPanelState.stateEnableButton;
inline int32_t& statetargetColorButton = sharedPanelState.statetargetColorButton;
inline std::optional<QList<int32_t>>& ColorBlanceRes = sharedPanelState.ColorBlanceRes;

inline platform::Bundle*& pluginBundle = sharedPanelState.pluginBundle;
inline std::shared_ptr<ChoiceList>& jobtypeChoices = sharedPanelState.jobtypeChoices;
inline ppd_option_t*& jobidOption = sharedPanelState.jobidOption;
inline ppd_option_t*& jobnameOption = sharedPanelState.jobnameOption;
inline ppd_option_t*& secureprintOption = sharedPanelState.secureprintOption;
inline ppd_option_t*& newjobOption = sharedPanelState.newjobOption;
inline int32_t& secureIndex = sharedPanelState.secureIndex;
inline int32_t& firstRun = sharedPanelState.firstRun;
inline int32_t& jobnameMode = sharedPanelState.jobnameMode;
inline QString& docName = sharedPanelState.docName;
inline std::optional<SecurePrintSetup>& response = sharedPanelState.response;
