// Trace lines and exception reports.
#include "plugin/PDELogging.h"

#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <unistd.h>

// Named, not inlined and not static, so that the symboliser finds it by name.
[[gnu::noinline]] void orvanDiagnosticsThrowSite(int depth)
{
    if (depth > 0)
        throw PDEException("thrown for the trace");
    orvanDiagnosticsThrowSite(depth + 1);
}

namespace {

class Described : public PDEObject {
public:
    explicit Described(QString text) : text_(std::move(text)) {}
    QString description() const override { return text_; }

private:
    QString text_;
};

class Plain : public PDEObject {};

// A description is data, never a format: it may hold anything a PPD or a user typed.
TEST(Diagnostics, DirectivesInADescriptionAreText)
{
    testsupport::LogRecorder log;
    const Described object("50% %s %n %d %%");
    _PDELog(&object, "v=%d, w=%s", 7, "x");
    _PDEProlog(nullptr, "%d%%", 100);
    EXPECT_EQ(log.lines(), (QStringList{"LOG self(50% %s %n %d %%) v=7, w=x", "BEGIN 100%"}));
}

TEST(Diagnostics, StackTraceOfOurExceptions)
{
    testsupport::LogRecorder log;
    Plain object;
    object.printStackTrace(std::runtime_error("not ours"));
    EXPECT_EQ(log.lines(), QStringList{"No stack trace available."});

    try {
        orvanDiagnosticsThrowSite(0);
        FAIL() << "nothing thrown";
    } catch (const PDEException& e) {
        static const QRegularExpression shape("^0x[0-9a-f]+(  0x[0-9a-f]+)+$");
        EXPECT_TRUE(shape.match(e.stackTrace()).hasMatch()) << e.stackTrace().toStdString();
        const PDEException copy = e;
        EXPECT_EQ(copy.stackTrace(), e.stackTrace());
    }
}

// The symboliser, given the trace's addresses, runs on its own and writes to our
// standard output: point that at a file while it starts, then wait for it to name the
// function that threw.
TEST(Diagnostics, SymboliserNamesTheThrowSite)
{
    QTemporaryFile output;
    ASSERT_TRUE(output.open());
    testsupport::LogRecorder log;
    Plain object;
    try {
        orvanDiagnosticsThrowSite(0);
        FAIL() << "nothing thrown";
    } catch (const PDEException& e) {
        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        ASSERT_GE(saved, 0);
        ASSERT_GE(::dup2(output.handle(), STDOUT_FILENO), 0);
        object.printStackTrace(e);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
    }
    EXPECT_TRUE(log.lines().isEmpty());

    QByteArray text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        QFile file(output.fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        text = file.readAll();
        if (text.contains("orvanDiagnosticsThrowSite"))
            break;
        QThread::msleep(50);
    }
    EXPECT_TRUE(text.contains("orvanDiagnosticsThrowSite(int)")) << text.toStdString();
    EXPECT_TRUE(text.contains("DiagnosticsTest.cpp")) << text.toStdString();
}

} // namespace
