#pragma once
// Modal alerts with one OK button.
#include "platform/Export.h"

#include <QString>

#include <functional>

namespace platform {

// Shows a modal alert (a QMessageBox by default) and returns when it is dismissed.
ORVAN_PLATFORM_EXPORT void runAlert(const QString& message, const QString& informative);

// Tests install a recorder so no test blocks; an empty runner restores the message box.
// Answers the previous runner.
using AlertRunner = std::function<void(const QString& message, const QString& informative)>;
ORVAN_PLATFORM_EXPORT AlertRunner setAlertRunner(AlertRunner runner);

} // namespace platform
