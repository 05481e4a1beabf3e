#pragma once
// What the robustness tests of orvan-print's dialog share: a private cupsd with an
// "Orvan" queue (stopped, so no filter ever runs and jobs stay to be read back), the
// panels' views, and the Secure Print flow as a user goes through it.
#include "platform/PDEPanel.h"
#include "tests/host/HostQueueTest.h"

namespace robust {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::modeOf;
using hosttest::readJson;

using hosttest::chooseSecurePrint;
using hosttest::customBase64;
using hosttest::panelView;

// The dialog's fixture with a private scheduler and its "Orvan" queue.
using QueueTest = hosttest::HostQueueTest;

} // namespace robust
