#pragma once
// The panel driver's checks as test failures, with the driver's trace kept for the
// failure message of a sequence.
#include "tests/support/PanelDriver.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace testsupport {

class DriverChecks {
public:
    DriverChecks()
    {
        previousHandler_ = panels::setFailureHandler([this](const char* file, int line, const QString& what) {
            ++failures_;
            ADD_FAILURE_AT(file, line) << what.toStdString();
        });
        previousSink_ = panels::setTraceSink([this](const QString& line) { trace_.append(line); });
    }
    ~DriverChecks()
    {
        panels::setFailureHandler(std::move(previousHandler_));
        panels::setTraceSink(std::move(previousSink_));
    }
    DriverChecks(const DriverChecks&) = delete;
    DriverChecks& operator=(const DriverChecks&) = delete;

    int failures() const { return failures_; }
    // The trace since the last clear; the last `lines` of it.
    QString trace(int lines = 60) const { return trace_.mid(qMax(0, trace_.size() - lines)).join(QLatin1Char('\n')); }
    void clearTrace() { trace_.clear(); }

private:
    int failures_ = 0;
    QStringList trace_;
    panels::FailureHandler previousHandler_;
    panels::TraceSink previousSink_;
};

} // namespace testsupport
