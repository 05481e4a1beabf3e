#pragma once
// The host's help registry: bundles register their help book, the host opens it.
#include "platform/Export.h"

#include <QString>
#include <QStringList>

namespace platform {

// Registers <bundlePath>/Resources/Help/index.html; false when there is none.
ORVAN_PLATFORM_EXPORT bool registerHelpBook(const QString& bundlePath);
// The index page registered for the bundle, or an empty text.
ORVAN_PLATFORM_EXPORT QString helpBookIndex(const QString& bundlePath);
ORVAN_PLATFORM_EXPORT QStringList registeredHelpBooks();
// For test fixtures only.
ORVAN_PLATFORM_EXPORT void resetHelpRegistry();

} // namespace platform
