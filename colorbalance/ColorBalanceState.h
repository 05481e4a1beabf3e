#pragma once
// The colour-balance state shared by the Color Balance dialog and the Image Options
// panel: twelve densities, four toners by three tone ranges, in density-index order
// (3 * toner + range; toner Black 0, Cyan 1, Magenta 2, Yellow 3; range Low 0,
// Mid 1, High 2). It lives for the whole process.
#include <QList>

#include <cups/ppd.h>

#include <array>
#include <cstdint>
#include <optional>

// Working values, -3..+3; the dialog edits them live.
extern int64_t ColorDensityBlackLowSetting, ColorDensityBlackMidSetting, ColorDensityBlackHighSetting;
extern int64_t ColorDensityCyanLowSetting, ColorDensityCyanMidSetting, ColorDensityCyanHighSetting;
extern int64_t ColorDensityMagentaLowSetting, ColorDensityMagentaMidSetting, ColorDensityMagentaHighSetting;
extern int64_t ColorDensityYellowLowSetting, ColorDensityYellowMidSetting, ColorDensityYellowHighSetting;

// PPD options of the twelve densities; null when the PPD lacks one.
extern ppd_option_t *ColorDensityBlackLowOption, *ColorDensityBlackMidOption, *ColorDensityBlackHighOption;
extern ppd_option_t *ColorDensityCyanLowOption, *ColorDensityCyanMidOption, *ColorDensityCyanHighOption;
extern ppd_option_t *ColorDensityMagentaLowOption, *ColorDensityMagentaMidOption, *ColorDensityMagentaHighOption;
extern ppd_option_t *ColorDensityYellowLowOption, *ColorDensityYellowMidOption, *ColorDensityYellowHighOption;

extern bool CBstate;                    // committed "Adjust Color Balance" switch
extern int32_t CBtarget;                // committed target toner, 0..3
extern int32_t CBColorMode;             // 1: gray output (Black only); else colour
extern int32_t stateEnableButton;       // switch as of the last OK, for the print settings
extern int32_t statetargetColorButton;  // target as of the last OK, for the print settings
// The committed result of the last OK: twelve values, or none before the first OK.
extern std::optional<QList<int32_t>> ColorBlanceRes;

namespace colorbalance {

inline constexpr int kDensityCount = 12;

// The working value of density `index` (0..11).
int64_t& workingValue(int index);
// The PPD option reference of density `index` (0..11).
ppd_option_t*& densityOption(int index);
// "QVColorDensityBlackLow" ... "QVColorDensityYellowHigh".
const char* densityKeyword(int index);
// "ColorDensityBlackLow" ... "ColorDensityYellowHigh".
const char* densityDefaultKey(int index);

// For test fixtures only: the state as when the plug-in is loaded.
void resetColorBalanceState();

} // namespace colorbalance
