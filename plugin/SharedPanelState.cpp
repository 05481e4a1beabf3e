#include "plugin/SharedPanelState.h"

#include "plugin/PDEChoice.h"

SharedPanelState sharedPanelState;

void resetSharedPanelState() { sharedPanelState = SharedPanelState(); }
