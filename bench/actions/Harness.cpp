#include "bench/actions/Harness.h"

#include "bench/actions/CupsTrace.h"
#include "colorbalance/ColorBalanceState.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "plugin/SharedPanelState.h"
#include "plugin/PDETool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <ctime>

namespace bench {

namespace {

QString bigPpdDirectory;

// CPU time of this thread: the work done, without the waits for a core that the other
// processes of a shared machine impose.
double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

const char* ppdLabel(Ppd ppd) { return ppd == Ppd::Bundled ? "bundled" : "3000opt"; }

QString ppdPath(Ppd ppd)
{
    if (ppd == Ppd::Bundled) return QStringLiteral(ORVAN_SOURCE_DIR "/resources/Orvan.ppd");
    return bigPpdDirectory + QStringLiteral("/Orvan-3000.ppd");
}

bool writeBigPpd(const QString& directory, int extraOptions)
{
    QFile in(ppdPath(Ppd::Bundled));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench-actions: cannot read %s\n", qPrintable(in.fileName()));
        return false;
    }
    QByteArray text = in.readAll();
    if (!text.endsWith('\n')) text.append('\n');
    // Options of a busy driver: each in the document setup, four choices, a default.
    text.reserve(text.size() + extraOptions * 420);
    text.append("\n*OpenGroup: BenchExtra/Extra Options\n");
    for (int i = 1; i <= extraOptions; ++i) {
        const QByteArray key = "BenchOption" + QByteArray::number(i).rightJustified(4, '0');
        const QByteArray n = QByteArray::number(i);
        text.append("*OpenUI *" + key + "/Extra Option " + n + ": PickOne\n");
        text.append("*OrderDependency: 50 AnySetup *" + key + "\n");
        text.append("*Default" + key + ": Choice1\n");
        for (int c = 1; c <= 4; ++c) {
            const QByteArray cn = QByteArray::number(c);
            text.append("*" + key + " Choice" + cn + "/Choice " + cn + ": \"<</" + key + " " + cn +
                        ">>setpagedevice\"\n");
        }
        text.append("*CloseUI: *" + key + "\n");
    }
    text.append("*CloseGroup: BenchExtra\n");

    bigPpdDirectory = directory;
    QFile out(ppdPath(Ppd::Big));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        std::fprintf(stderr, "bench-actions: cannot write %s\n", qPrintable(out.fileName()));
        return false;
    }
    return true;
}

Host::Host(Ppd ppd)
{
    QString error;
    file = host::openPpd(ppdPath(ppd), &error);
    if (!file) {
        std::fprintf(stderr, "bench-actions: %s\n", qPrintable(error));
        std::abort();
    }
    callback = std::make_unique<host::HostCallback>(file.get());
}

platform::Bundle& bundle()
{
    static platform::Bundle b(QStringLiteral(ORVAN_BUNDLE_DIR), QLocale(QLocale::English, QLocale::UnitedStates));
    return b;
}

void resetState()
{
    resetSharedPanelState();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void measure(benchmark::State& state, Mode mode, const Action& action)
{
    const bool manual = action.before || action.after;
    const auto once = [&](int i, cupstrace::Calls* calls) {
        if (action.before) action.before(i);
        if (calls) cupstrace::start(calls);
        action.run(i);
        cupstrace::stop();
        if (action.after) action.after(i);
    };

    if (mode == Mode::Floor) {
        cupstrace::Calls calls[2];
        once(0, &calls[0]);
        once(1, &calls[1]);
        state.counters["cups_calls"] = static_cast<double>(calls[0].size() + calls[1].size()) / 2;
        int i = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(cupstrace::replay(calls[i & 1]));
            ++i;
        }
        return;
    }

    once(0, nullptr);
    once(1, nullptr);
    int i = 0;
    if (!manual) {
        for (auto _ : state) {
            action.run(i);
            ++i;
        }
        return;
    }
    for (auto _ : state) {
        if (action.before) action.before(i);
        const double start = threadCpuSeconds();
        action.run(i);
        const double end = threadCpuSeconds();
        if (action.after) action.after(i);
        state.SetIterationTime(end - start);
        ++i;
    }
}

namespace {

int fixedIterations = 0;

std::vector<Case>& registry()
{
    static std::vector<Case> all;
    return all;
}

} // namespace

const std::vector<Case>& cases() { return registry(); }

void setFixedIterations(int n) { fixedIterations = n; }

void registerCases(std::initializer_list<Case> list)
{
    for (const Case& c : list) {
        registry().push_back(c);
        for (Ppd ppd : {Ppd::Bundled, Ppd::Big}) {
            if (ppd == Ppd::Big && !c.bigToo) continue;
            for (Mode mode : {Mode::Action, Mode::Floor}) {
                const std::string name = std::string(mode == Mode::Action ? "Action/" : "Floor/") + c.name + "/" +
                                         ppdLabel(ppd);
                const CaseFn fn = c.fn;
                auto* b = benchmark::RegisterBenchmark(name.c_str(), [fn, ppd, mode](benchmark::State& state) {
                    fn(state, ppd, mode);
                });
                b->Unit(benchmark::kMicrosecond);
                // Thread CPU time throughout (Google Benchmark's CPU time, or the manual
                // time measured the same way around `run`).
                if (mode == Mode::Action && c.manualTime) b->UseManualTime();
                if (fixedIterations > 0) b->Iterations(fixedIterations);
            }
        }
    }
}

} // namespace bench
