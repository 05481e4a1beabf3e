#include "fuzz/FuzzSupport.h"

#include "platform/Alert.h"
#include "platform/Bundle.h"
#include "platform/Log.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

#include <array>
#include <memory>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

int alerts = 0;
int logLines = 0;

// The toolkit's warnings (offscreen platform limits, fonts) would drown the fuzzer's
// output; critical and fatal messages still go to standard error.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || tracing())
        std::fprintf(stderr, "%s (%s:%d)\n", qPrintable(message), context.file ? context.file : "?", context.line);
    if (type == QtFatalMsg) std::abort();
}

} // namespace

void startApplication(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    // The application lives as long as the process; the fuzzer never returns to main.
    static int appArgc = 1;
    static char* appArgv[] = {argc && *argc > 0 && argv ? (*argv)[0] : const_cast<char*>("fuzz"), nullptr};
    static QApplication* app = new QApplication(appArgc, appArgv);
    (void)app;
    // No alert may block and no log line may reach syslog.
    platform::setAlertRunner([](const QString&, const QString&) { ++alerts; });
    platform::setLogSink([](const QString&) { ++logLines; });
}

QString sourcePath(const QString& relative) { return QStringLiteral(ORVAN_SOURCE_DIR "/") + relative; }

QString bundlePath() { return QStringLiteral(ORVAN_BUNDLE_DIR); }

bool tracing()
{
    static const bool on = qEnvironmentVariableIntValue("FUZZ_TRACE") != 0;
    return on;
}

void trace(const QString& line)
{
    if (tracing()) std::fprintf(stderr, "==fuzz== %s\n", qPrintable(line));
}

void settle()
{
    // Twice: an object going may give up another one.
    for (int i = 0; i < 2; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int alertCount() { return alerts; }

int logLineCount() { return logLines; }

platform::Bundle* bundle(int language)
{
    static std::array<std::unique_ptr<platform::Bundle>, 3> bundles;
    static const std::array<QLocale, 3> locales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                                   QLocale(QLocale::German, QLocale::Germany),
                                                   QLocale(QLocale::Japanese, QLocale::Japan)};
    const std::size_t i = static_cast<std::size_t>(language) % bundles.size();
    if (!bundles[i]) bundles[i] = std::make_unique<platform::Bundle>(bundlePath(), locales[i]);
    return bundles[i].get();
}

void fail(const char* file, int line, const QString& what)
{
    std::fprintf(stderr, "\n==fuzz== invariant broken at %s:%d\n==fuzz== %s\n", file, line, qPrintable(what));
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz
