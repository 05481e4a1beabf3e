#include "tests/support/TestSupport.h"

#include "platform/Alert.h"
#include "platform/Log.h"

#include <gtest/gtest.h>

namespace testsupport {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(ORVAN_SOURCE_DIR "/") + relative;
}

QString testDataPath(const QString& name) { return sourcePath(QStringLiteral("tests/data/") + name); }

QString bundledPpdPath() { return sourcePath(QStringLiteral("resources/Orvan.ppd")); }

QString bundlePath() { return QStringLiteral(ORVAN_BUNDLE_DIR); }

host::PpdPtr openTestPpd(const QString& path)
{
    QString error;
    host::PpdPtr ppd = host::openPpd(path, &error);
    EXPECT_TRUE(ppd) << error.toStdString();
    return ppd;
}

LogRecorder::LogRecorder()
{
    platform::setLogSink([this](const QString& line) { lines_.append(line); });
}

LogRecorder::~LogRecorder() { platform::setLogSink({}); }

AlertRecorder::AlertRecorder()
{
    platform::setAlertRunner(
        [this](const QString& message, const QString& informative) { alerts_.append({message, informative}); });
}

AlertRecorder::~AlertRecorder() { platform::setAlertRunner({}); }

} // namespace testsupport
