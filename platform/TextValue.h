#pragma once
// Reading numbers out of texts the way the print settings and text fields are read:
// leading white space skipped, an optional sign, then decimal digits; 0 without digits.
#include "platform/Export.h"

#include <QString>

#include <cstdint>

namespace platform {

// Saturates at the limits of 32 bits.
ORVAN_PLATFORM_EXPORT int32_t intValue(const QString& text);
// Saturates at the limits of 64 bits.
ORVAN_PLATFORM_EXPORT int64_t longLongValue(const QString& text);
// Whether the text begins (after white space) with an optional sign and at least one digit.
ORVAN_PLATFORM_EXPORT bool hasLeadingInteger(const QString& text);

} // namespace platform
