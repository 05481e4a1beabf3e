#pragma once
// One line to the system log (syslog, ident "OrvanPDE"). Never log a passcode,
// user ID or job name.
#include "platform/Export.h"

#include <QString>

#include <cstdarg>
#include <functional>

namespace platform {

ORVAN_PLATFORM_EXPORT void log(const QString& line);
ORVAN_PLATFORM_EXPORT void logf(const char* format, ...) __attribute__((format(printf, 1, 2)));
ORVAN_PLATFORM_EXPORT void logv(const char* format, va_list args)
    __attribute__((format(printf, 1, 0)));

// Tests install a sink that records lines; an empty sink restores syslog. Answers the
// previous sink.
using LogSink = std::function<void(const QString& line)>;
ORVAN_PLATFORM_EXPORT LogSink setLogSink(LogSink sink);

} // namespace platform
