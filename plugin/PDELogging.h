#pragma once
// Diagnostics for the plug-in's developers: bracketing trace lines, and the
// exception-reporting operations both panels share.
#include <QString>
#include <QStringList>

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#define ORVAN_PDE_EXPORT __attribute__((visibility("default")))

// The root of the plug-in's objects that appear in traces: each has a description.
class PDEObject {
public:
    virtual ~PDEObject();
    // "<ClassName: 0x...>" by default.
    virtual QString description() const;

    // Logs "exception!" and then "bummer: <the exception>".
    void reportException(const std::exception& exception);
    // Whether the exception is to be logged: always true.
    bool exceptionHandler(const void* handler, const std::exception& exception, unsigned mask);
    // Starts the symboliser on the exception's stack trace, detached; or logs
    // "No stack trace available.".
    void printStackTrace(const std::exception& exception);
};

// The plug-in's exception type: records the return addresses where it is thrown.
class PDEException : public std::runtime_error {
public:
    explicit PDEException(const std::string& what);
    // The return addresses as text ("0x... 0x..." separated by two spaces), or empty.
    QString stackTrace() const;

private:
    std::vector<void*> frames_;
};

// The symboliser that turns the return addresses of a running process into function
// names, and the arguments it is started with for one stack trace: "-f", "-C", "-p",
// the process id, then the pieces of the trace split at every two spaces.
inline constexpr const char* kPDESymboliser = "eu-addr2line";
QStringList PDESymboliserArguments(qint64 pid, const QString& stackTrace);

extern "C" {
// Trace lines "BEGIN", "END" and "LOG": the tag, the object's description (when
// there is an object), then the caller's format with the caller's arguments.
ORVAN_PDE_EXPORT void _PDEProlog(const PDEObject* object, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
ORVAN_PDE_EXPORT void _PDEEpilog(const PDEObject* object, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
ORVAN_PDE_EXPORT void _PDELog(const PDEObject* object, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
}
