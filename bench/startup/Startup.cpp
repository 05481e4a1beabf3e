// bench-startup: whole-process timings of orvan-print beside a bare Qt dialog and Qt's
// own print dialog. Each program runs as a child, repeatedly and in turn; the table
// shows the median wall time from start to exit and the median peak memory (the
// child's maximum resident set). A private CUPS scheduler on a loopback port serves
// an "Orvan" queue with the bundled PPD for the duration of the run.
#include "tests/host/PrivateCupsd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Program {
    Program(const char* key_, const char* title_, QStringList command_, bool firstFrame_)
        : key(key_), title(title_), command(std::move(command_)), firstFrame(firstFrame_)
    {
    }
    const char* key;
    const char* title;
    QStringList command;
    bool firstFrame; // stopped by the preloaded first-frame library
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;
    int failures = 0;
};

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
    int status = -1;
};

Sample runOnce(const QStringList& command, const QStringList& environment, const QString& logPath)
{
    std::vector<std::string> argStorage, envStorage;
    for (const QString& a : command) argStorage.push_back(a.toStdString());
    for (const QString& e : environment) envStorage.push_back(e.toStdString());
    std::vector<char*> argv, envp;
    for (std::string& a : argStorage) argv.push_back(a.data());
    for (std::string& e : envStorage) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const std::string log = logPath.toStdString();

    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
        }
        const int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0) ::dup2(null, 0);
        ::execve(argv[0], argv.data(), envp.data());
        std::_Exit(127);
    }
    if (pid < 0) return sample;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto end = std::chrono::steady_clock::now();
    sample.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // KiB on Linux
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
    sample.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    sample.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return sample;
}

double median(std::vector<double> v)
{
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString tail(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLocal8Bit(file.readAll().right(1500));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = 15;
    bool smoke = false;
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--smoke")) {
            smoke = true;
            runs = 1;
        } else if (arguments[i] == QLatin1String("--runs") && i + 1 < arguments.size()) {
            runs = std::max(1, arguments[++i].toInt());
        } else {
            std::fprintf(stderr, "usage: bench-startup [--runs N] [--smoke]\n");
            return 2;
        }
    }

    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/orvan-bench-XXXXXX"));
    if (!scratch.isValid()) {
        std::fprintf(stderr, "bench-startup: no temporary directory\n");
        return 1;
    }
    testsupport::PrivateCupsd cupsd;
    QString error;
    if (!testsupport::PrivateCupsd::available()) {
        std::fprintf(stderr, "bench-startup: no CUPS scheduler installed (/usr/sbin/cupsd)\n");
        return 1;
    }
    if (!cupsd.start(&error) ||
        !cupsd.addQueue(QStringLiteral("Orvan"), QStringLiteral(ORVAN_BUNDLED_PPD), &error, true)) {
        std::fprintf(stderr, "bench-startup: %s\n", qPrintable(error));
        return 1;
    }

    // A clean, private environment: offscreen, the private server, no saved settings.
    const QString home = scratch.path();
    QDir(home).mkpath(QStringLiteral("config"));
    QDir(home).mkpath(QStringLiteral("runtime"));
    ::chmod(QFile::encodeName(home + QStringLiteral("/runtime")).constData(), 0700);
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    base.insert(QStringLiteral("CUPS_SERVER"), cupsd.server());
    base.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    base.remove(QStringLiteral("LD_PRELOAD"));
    QProcessEnvironment preloaded = base;
    preloaded.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ORVAN_FIRST_FRAME_LIB));

    const QString print = QStringLiteral(ORVAN_PRINT_EXE);
    const QString output = home + QStringLiteral("/out.pdf");
    // The built-in test page is the document: without one, orvan-print would first ask
    // what to print.
    std::vector<Program> programs = {
        {"a", "(a) orvan-print, bundled PPD, Save to File: first frame",
         {print, QStringLiteral("--offscreen"), QStringLiteral("--test-page"), QStringLiteral("--output"), output}, true},
        {"a'", "(a') the same, until ready (--quit-after-show)",
         {print, QStringLiteral("--offscreen"), QStringLiteral("--test-page"), QStringLiteral("--output"), output,
          QStringLiteral("--quit-after-show")},
         false},
        {"b", "(b) orvan-print, Orvan queue of the private cupsd: first frame",
         {print, QStringLiteral("--offscreen"), QStringLiteral("--test-page"), QStringLiteral("--printer"),
          QStringLiteral("Orvan")},
         true},
        {"b'", "(b') the same, until ready: queue listed, its PPD loaded, panels rebuilt",
         {print, QStringLiteral("--offscreen"), QStringLiteral("--test-page"), QStringLiteral("--printer"),
          QStringLiteral("Orvan"), QStringLiteral("--quit-after-show")},
         false},
        {"c", "(c) bare Qt dialog, same kinds of widgets: first frame",
         {QStringLiteral(ORVAN_PEER_BARE)}, true},
        {"d", "(d) Qt's QPrintDialog, Orvan queue of the private cupsd: first frame",
         {QStringLiteral(ORVAN_PEER_QTPRINT), QStringLiteral("Orvan")}, true},
    };

    const QStringList plainEnv = base.toStringList();
    const QStringList preloadEnv = preloaded.toStringList();
    const auto runProgram = [&](Program& p, bool keep) {
        const QString log = home + QStringLiteral("/%1.log").arg(QString::fromLatin1(p.key).replace('\'', 'r'));
        const Sample s = runOnce(p.command, p.firstFrame ? preloadEnv : plainEnv, log);
        if (s.status != 0) {
            ++p.failures;
            std::fprintf(stderr, "bench-startup: %s exited with %d:\n%s\n", p.key, s.status, qPrintable(tail(log)));
            return;
        }
        if (!keep) return;
        p.wallMs.push_back(s.wallMs);
        p.cpuMs.push_back(s.cpuMs);
        p.peakMiB.push_back(s.peakMiB);
    };

    // One untimed round fills the page cache; then the programs take turns, so that
    // whatever else the machine does falls on all of them alike.
    if (!smoke)
        for (Program& p : programs) runProgram(p, false);
    for (int r = 0; r < runs; ++r) {
        for (Program& p : programs) runProgram(p, true);
        std::fprintf(stderr, "\rbench-startup: round %d of %d", r + 1, runs);
    }
    std::fprintf(stderr, "\n");
    cupsd.stop();

    std::printf("\nWhole-process timings, %d runs each (median, min-max), offscreen, private cupsd on %s.\n\n", runs,
                qPrintable(cupsd.server()));
    std::printf("| program | wall ms, median | min - max | CPU ms (user+sys), median | peak RSS MiB, median |\n"
                "|---|---:|---:|---:|---:|\n");
    const auto find = [&](const char* key) -> Program& {
        for (Program& p : programs)
            if (std::strcmp(p.key, key) == 0) return p;
        return programs.front();
    };
    bool failed = false;
    for (Program& p : programs) {
        if (p.wallMs.empty()) {
            std::printf("| %s | failed | | | |\n", p.title);
            failed = true;
            continue;
        }
        std::printf("| %s | %.1f | %.1f - %.1f | %.1f | %.1f |\n", p.title, median(p.wallMs),
                    *std::min_element(p.wallMs.begin(), p.wallMs.end()),
                    *std::max_element(p.wallMs.begin(), p.wallMs.end()), median(p.cpuMs), median(p.peakMiB));
        if (p.failures) failed = true;
    }
    const double ac = median(find("a").wallMs) / median(find("c").wallMs);
    const double mem = median(find("a").peakMiB) / median(find("c").peakMiB);
    const double bd = median(find("b").wallMs) / median(find("d").wallMs);
    const double bdReady = median(find("b'").wallMs) / median(find("d").wallMs);
    const double acCpu = median(find("a").cpuMs) / median(find("c").cpuMs);
    const double bdCpu = median(find("b").cpuMs) / median(find("d").cpuMs);
    const auto verdict = [](double value, double limit) { return value <= limit ? "met" : "MISSED"; };
    std::printf("\n| ratio | value | target | |\n|---|---:|---:|---|\n");
    std::printf("| a/c wall time | %.2f | <= 1.5 | %s |\n", ac, verdict(ac, 1.5));
    std::printf("| a/c peak memory | %.2f | <= 1.3 | %s |\n", mem, verdict(mem, 1.3));
    std::printf("| b/d wall time | %.2f | <= 0.15 | %s |\n", bd, verdict(bd, 0.15));
    std::printf("| b'/d wall time (ours until the queue's options are in) | %.2f | (reference) | |\n", bdReady);
    std::printf("| a/c CPU time | %.2f | <= 1.5 | %s |\n", acCpu, verdict(acCpu, 1.5));
    std::printf("| b/d CPU time | %.2f | (reference) | |\n", bdCpu);
    return failed ? 1 : 0;
}
