// Out-of-line destructors: they anchor the vtables of the plug-in interfaces in the
// platform library, so the host and the bundle share one copy.
#include "platform/Bundle.h"
#include "platform/PDEPanel.h"
#include "platform/PDEPluginCallback.h"

namespace platform {

PDEPanel::~PDEPanel() = default;
PDEPlugIn::~PDEPlugIn() = default;
PDEPluginCallback::~PDEPluginCallback() = default;
LayoutOwner::~LayoutOwner() = default;

} // namespace platform
