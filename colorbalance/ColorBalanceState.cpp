#include "colorbalance/ColorBalanceState.h"

int64_t ColorDensityBlackLowSetting = 0, ColorDensityBlackMidSetting = 0, ColorDensityBlackHighSetting = 0;
int64_t ColorDensityCyanLowSetting = 0, ColorDensityCyanMidSetting = 0, ColorDensityCyanHighSetting = 0;
int64_t ColorDensityMagentaLowSetting = 0, ColorDensityMagentaMidSetting = 0, ColorDensityMagentaHighSetting = 0;
int64_t ColorDensityYellowLowSetting = 0, ColorDensityYellowMidSetting = 0, ColorDensityYellowHighSetting = 0;

ppd_option_t *ColorDensityBlackLowOption = nullptr, *ColorDensityBlackMidOption = nullptr,
             *ColorDensityBlackHighOption = nullptr;
ppd_option_t *ColorDensityCyanLowOption = nullptr, *ColorDensityCyanMidOption = nullptr,
             *ColorDensityCyanHighOption = nullptr;
ppd_option_t *ColorDensityMagentaLowOption = nullptr, *ColorDensityMagentaMidOption = nullptr,
             *ColorDensityMagentaHighOption = nullptr;
ppd_option_t *ColorDensityYellowLowOption = nullptr, *ColorDensityYellowMidOption = nullptr,
             *ColorDensityYellowHighOption = nullptr;

bool CBstate = false;
int32_t CBtarget = 0;
int32_t CBColorMode = 0;
int32_t stateEnableButton = 0;
int32_t statetargetColorButton = 0;
std::optional<QList<int32_t>> ColorBlanceRes;

namespace colorbalance {
namespace {

const std::array<int64_t*, kDensityCount> kWorking = {
    &ColorDensityBlackLowSetting,   &ColorDensityBlackMidSetting,   &ColorDensityBlackHighSetting,
    &ColorDensityCyanLowSetting,    &ColorDensityCyanMidSetting,    &ColorDensityCyanHighSetting,
    &ColorDensityMagentaLowSetting, &ColorDensityMagentaMidSetting, &ColorDensityMagentaHighSetting,
    &ColorDensityYellowLowSetting,  &ColorDensityYellowMidSetting,  &ColorDensityYellowHighSetting,
};

const std::array<ppd_option_t**, kDensityCount> kOptions = {
    &ColorDensityBlackLowOption,   &ColorDensityBlackMidOption,   &ColorDensityBlackHighOption,
    &ColorDensityCyanLowOption,    &ColorDensityCyanMidOption,    &ColorDensityCyanHighOption,
    &ColorDensityMagentaLowOption, &ColorDensityMagentaMidOption, &ColorDensityMagentaHighOption,
    &ColorDensityYellowLowOption,  &ColorDensityYellowMidOption,  &ColorDensityYellowHighOption,
};

// The default lookup key is the keyword without its "QV" prefix.
const std::array<const char*, kDensityCount> kKeywords = {
    "QVColorDensityBlackLow",   "QVColorDensityBlackMid",   "QVColorDensityBlackHigh",
    "QVColorDensityCyanLow",    "QVColorDensityCyanMid",    "QVColorDensityCyanHigh",
    "QVColorDensityMagentaLow", "QVColorDensityMagentaMid", "QVColorDensityMagentaHigh",
    "QVColorDensityYellowLow",  "QVColorDensityYellowMid",  "QVColorDensityYellowHigh",
};

} // namespace

int64_t& workingValue(int index) { return *kWorking.at(static_cast<std::size_t>(index)); }
ppd_option_t*& densityOption(int index) { return *kOptions.at(static_cast<std::size_t>(index)); }
const char* densityKeyword(int index) { return kKeywords.at(static_cast<std::size_t>(index)); }
const char* densityDefaultKey(int index) { return densityKeyword(index) + 2; }

void resetColorBalanceState()
{
    for (int i = 0; i < kDensityCount; ++i) {
        workingValue(i) = 0;
        densityOption(i) = nullptr;
    }
    CBstate = false;
    CBtarget = 0;
    CBColorMode = 0;
    stateEnableButton = 0;
    statetargetColorButton = 0;
    ColorBlanceRes.reset();
}

} // namespace colorbalance
