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

TEST(Diagnostics, TraceLinesWithAndWithoutAnObject)
{
    testsupport::LogRecorder log;
    const Described object("<Panel: 0x1>");
    _PDEProlog(&object, "x=%d", 5);
    _PDEEpilog(&object, "%s and %s", "one", "two");
    _PDELog(&object, "plain text");
    _PDEProlog(nullptr, "x=%d", 5);
    _PDEEpilog(nullptr, "%s", "done");
    _PDELog(nullptr, "%d%%", 100);
    EXPECT_EQ(log.lines(), (QStringList{
                               "BEGIN self(<Panel: 0x1>) x=5",
                               "END self(<Panel: 0x1>) one and two",
                               "LOG self(<Panel: 0x1>) plain text",
                               "BEGIN x=5",
                               "END done",
                               "LOG 100%",
                           }));
}

TEST(Diagnostics, DirectivesInADescriptionAreText)
{
    testsupport::LogRecorder log;
    const Described object("50% %s %n %d %%");
    _PDELog(&object, "v=%d, w=%s", 7, "x");
    _PDEProlog(&object, "nothing to format");
    EXPECT_EQ(log.lines(), (QStringList{
                               "LOG self(50% %s %n %d %%) v=7, w=x",
                               "BEGIN self(50% %s %n %d %%) nothing to format",
                           }));
}

TEST(Diagnostics, DefaultDescriptionNamesTheClassAndAddress)
{
    const Plain object;
    const QString expected = QStringLiteral("<(anonymous namespace)::Plain: 0x%1>")
                                 .arg(reinterpret_cast<quintptr>(&object), 0, 16);
    EXPECT_EQ(object.description(), expected);
}

TEST(Diagnostics, ReportException)
{
    testsupport::LogRecorder log;
    Plain object;
    object.reportException(std::runtime_error("out of toner"));
    object.reportException(PDEException("bad choice"));
    EXPECT_EQ(log.lines(), (QStringList{"exception!", "bummer: out of toner", "exception!",
                                        "bummer: bad choice"}));
}

TEST(Diagnostics, SymboliserArguments)
{
    const QStringList head{"-f", "-C", "-p", "4242"};
    EXPECT_EQ(PDESymboliserArguments(4242, "0x1  0x2"), (head + QStringList{"0x1", "0x2"}));
    EXPECT_EQ(PDESymboliserArguments(4242, "  0x1  0x2"), (head + QStringList{"", "0x1", "0x2"}));
    EXPECT_EQ(PDESymboliserArguments(4242, "0x1  0x2  "), (head + QStringList{"0x1", "0x2", ""}));
    EXPECT_EQ(PDESymboliserArguments(4242, "0x1 0x2"), (head + QStringList{"0x1 0x2"}));
    EXPECT_EQ(PDESymboliserArguments(4242, "0x1    0x2"), (head + QStringList{"0x1", "", "0x2"}));
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

// The symboliser runs on its own and writes to our standard output: point that at a
// file while it starts, then wait for it to name the function that threw.
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
