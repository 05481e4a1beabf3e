#pragma once
// The density index shared by the Color Balance dialog and the Image Options panel:
// twelve densities, four toners by three tone ranges (3 * toner + range; toner Black 0,
// Cyan 1, Magenta 2, Yellow 3; range Low 0, Mid 1, High 2). The densities themselves
// and the committed colour balance live in the plug-in's shared state.
#include "plugin/SharedPanelState.h"

namespace colorbalance {

// The working value of density `index` (0..11).
int64_t& workingValue(int index);
// The PPD option reference of density `index` (0..11).
ppd_option_t*& densityOption(int index);
// "QVColorDensityBlackLow" ... "QVColorDensityYellowHigh".
const char* densityKeyword(int index);
// "ColorDensityBlackLow" ... "ColorDensityYellowHigh".
const char* densityDefaultKey(int index);

} // namespace colorbalance
