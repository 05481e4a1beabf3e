#pragma once
// What every test needs: paths, a PPD opened the way the host opens it, and recorders
// for the log and for alerts.
#include "host/HostCallback.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace testsupport {

QString sourcePath(const QString& relative);   // under the source tree
QString testDataPath(const QString& name);     // tests/data/<name>
QString bundledPpdPath();                      // resources/Orvan.ppd
QString bundlePath();                          // the built OrvanPDE.bundle

// Opens a PPD with its defaults marked; fails the current test when it cannot.
host::PpdPtr openTestPpd(const QString& path);

// Records every log line while it lives.
class LogRecorder {
public:
    LogRecorder();
    ~LogRecorder();
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;
    const QStringList& lines() const { return lines_; }
    void clear() { lines_.clear(); }

private:
    QStringList lines_;
};

// Records every alert (message, informative text) instead of showing it.
class AlertRecorder {
public:
    AlertRecorder();
    ~AlertRecorder();
    AlertRecorder(const AlertRecorder&) = delete;
    AlertRecorder& operator=(const AlertRecorder&) = delete;
    const QList<std::pair<QString, QString>>& alerts() const { return alerts_; }
    void clear() { alerts_.clear(); }

private:
    QList<std::pair<QString, QString>> alerts_;
};

} // namespace testsupport
