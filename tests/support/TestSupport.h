#pragma once
// What every test needs: paths, a PPD opened the way the host opens it, and recorders
// for the log and for alerts.
#include "host/HostCallback.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
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

// Runs `interact` inside the next modal loop to start; `interact` gets the modal window
// and should end it. A window it leaves open fails the test and is rejected, so that no
// test waits forever.
inline void whenModal(std::function<void(QDialog*)> interact, bool* ran = nullptr)
{
    QTimer::singleShot(0, qApp, [interact = std::move(interact), ran] {
        if (ran) *ran = true;
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        EXPECT_NE(window, nullptr) << "no modal window is running";
        if (!window) return;
        QPointer<QDialog> guard(window);
        interact(window);
        if (guard && guard->isVisible()) {
            ADD_FAILURE() << "the modal window " << guard->objectName().toStdString() << " is still open";
            guard->reject();
        }
    });
}

// The same for the modal loop that `open` starts; fails the test when none ran.
inline void inModal(const std::function<void()>& open, std::function<void(QDialog*)> interact)
{
    bool ran = false;
    whenModal(std::move(interact), &ran);
    open();
    EXPECT_TRUE(ran);
}

} // namespace testsupport
