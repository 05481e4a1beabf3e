#include "plugin/PDELogging.h"

#include "platform/Log.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>

#include <cstdarg>
#include <cstdlib>
#include <cxxabi.h>
#include <execinfo.h>
#include <memory>
#include <typeinfo>

// ---------------------------------------------------------------------------------------
// Objects in traces
// ---------------------------------------------------------------------------------------

PDEObject::~PDEObject() = default;

QString PDEObject::description() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    const QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    return QStringLiteral("<%1: 0x%2>").arg(name).arg(reinterpret_cast<quintptr>(this), 0, 16);
}

void PDEObject::reportException(const std::exception& exception)
{
    platform::log(QStringLiteral("exception!"));
    platform::log(QStringLiteral("bummer: ") + QString::fromUtf8(exception.what()));
}

bool PDEObject::exceptionHandler(const void* /*handler*/, const std::exception& /*exception*/,
                                 unsigned /*mask*/)
{
    return true;
}

void PDEObject::printStackTrace(const std::exception& exception)
{
    const auto* ours = dynamic_cast<const PDEException*>(&exception);
    const QString trace = ours ? ours->stackTrace() : QString();
    if (trace.isEmpty()) {
        platform::log(QStringLiteral("No stack trace available."));
        return;
    }
    // Not waited for: the symboliser writes to the standard output it inherits from us.
    QProcess::startDetached(QString::fromLatin1(kPDESymboliser),
                            PDESymboliserArguments(QCoreApplication::applicationPid(), trace));
}

QStringList PDESymboliserArguments(qint64 pid, const QString& stackTrace)
{
    QStringList arguments;
    arguments.reserve(20);
    // "-f" and "-C": print each address's function, demangled, above its file and line;
    // the function is what a reader of the trace looks for first.
    arguments << QStringLiteral("-f") << QStringLiteral("-C");
    arguments << QStringLiteral("-p") << QString::number(pid);
    // Empty pieces from separators at either end are passed on as they are.
    arguments += stackTrace.split(QStringLiteral("  "), Qt::KeepEmptyParts);
    return arguments;
}

// ---------------------------------------------------------------------------------------
// The exception type
// ---------------------------------------------------------------------------------------

PDEException::PDEException(const std::string& what)
    : std::runtime_error(what)
{
    void* frames[64];
    const int count = backtrace(frames, 64);
    // The first frame is this constructor; the trace starts where the exception is made.
    if (count > 1)
        frames_.assign(frames + 1, frames + count);
}

QString PDEException::stackTrace() const
{
    QStringList addresses;
    addresses.reserve(static_cast<qsizetype>(frames_.size()));
    for (void* frame : frames_)
        addresses << QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(frame), 16);
    return addresses.join(QStringLiteral("  "));
}

// ---------------------------------------------------------------------------------------
// Trace lines
// ---------------------------------------------------------------------------------------

namespace {

// Two steps: the line is built from the tag, the object and the caller's format, and
// then formatted with the caller's arguments. A '%' in the description is doubled so
// that it reads as itself: only the caller's directives take the caller's arguments.
void traceLine(const char* tag, const PDEObject* object, const char* format, va_list args)
{
    QByteArray line(tag);
    if (object) {
        QString description = object->description();
        description.replace(QLatin1Char('%'), QStringLiteral("%%"));
        line += " self(" + description.toUtf8() + ")";
    }
    line += ' ';
    line += format ? format : "";
    platform::logv(line.constData(), args);
}

} // namespace

extern "C" {

void _PDEProlog(const PDEObject* object, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    traceLine("BEGIN", object, format, args);
    va_end(args);
}

void _PDEEpilog(const PDEObject* object, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    traceLine("END", object, format, args);
    va_end(args);
}

void _PDELog(const PDEObject* object, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    traceLine("LOG", object, format, args);
    va_end(args);
}

} // extern "C"
