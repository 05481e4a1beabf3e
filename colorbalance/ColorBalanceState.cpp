#include "colorbalance/ColorBalanceState.h"

namespace colorbalance {
namespace {

// The default lookup key is the keyword without its "QV" prefix.
const std::array<const char*, kDensityCount> kKeywords = {
    "QVColorDensityBlackLow",   "QVColorDensityBlackMid",   "QVColorDensityBlackHigh",
    "QVColorDensityCyanLow",    "QVColorDensityCyanMid",    "QVColorDensityCyanHigh",
    "QVColorDensityMagentaLow", "QVColorDensityMagentaMid", "QVColorDensityMagentaHigh",
    "QVColorDensityYellowLow",  "QVColorDensityYellowMid",  "QVColorDensityYellowHigh",
};

} // namespace

int64_t& workingValue(int index) { return sharedPanelState.densitySettings.at(static_cast<std::size_t>(index)); }
ppd_option_t*& densityOption(int index) { return sharedPanelState.densityOptions.at(static_cast<std::size_t>(index)); }
const char* densityKeyword(int index) { return kKeywords.at(static_cast<std::size_t>(index)); }
const char* densityDefaultKey(int index) { return densityKeyword(index) + 2; }

} // namespace colorbalance
