#include "platform/Log.h"

#include <QByteArray>

#include <cstdio>
#include <mutex>
#include <syslog.h>
#include <utility>

namespace platform {

namespace {

LogSink& sink()
{
    static LogSink s;
    return s;
}

void toSyslog(const QString& line)
{
    static std::once_flag opened;
    std::call_once(opened, [] { openlog("OrvanPDE", LOG_PID, LOG_USER); });
    // The line is passed as an argument, never as the format: it may hold '%'.
    syslog(LOG_NOTICE, "%s", line.toUtf8().constData());
}

} // namespace

void log(const QString& line)
{
    if (const LogSink& s = sink()) {
        s(line);
        return;
    }
    toSyslog(line);
}

void logf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    logv(format, args);
    va_end(args);
}

void logv(const char* format, va_list args)
{
    if (!format) return;
    // Measure first, then format into a buffer of the right size: a long line is
    // logged whole, never cut at a fixed length.
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) return;
    QByteArray buffer(length + 1, '\0');
    va_list out;
    va_copy(out, args);
    std::vsnprintf(buffer.data(), buffer.size(), format, out);
    va_end(out);
    buffer.truncate(length);
    log(QString::fromUtf8(buffer));
}

LogSink setLogSink(LogSink s)
{
    return std::exchange(sink(), std::move(s));
}

} // namespace platform
