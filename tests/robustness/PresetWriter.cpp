// A helper of the secrets test: saves the preset of printer "Orvan" with orvan-print's
// own store, so the test can end it in the middle of a save.
//   robustness_preset_writer loop DIR         saves two presets in turn, for ever,
//                                             writing "saved" after each save
//   robustness_preset_writer limit DIR BYTES  saves once with files limited to BYTES;
//                                             exit 0 when the save reports failure
#include "host/Presets.h"

#include <QCoreApplication>
#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

// Large enough that a save takes a while: a kill lands inside one more often than not.
host::Preset preset(char variant)
{
    host::Preset p;
    for (int i = 0; i < 2000; ++i)
        p.settings.insert(QStringLiteral("key%1").arg(i, 4, 10, QLatin1Char('0')),
                          QString(100, QLatin1Char(variant)));
    p.settings.insert(QStringLiteral("variant"), QString(QLatin1Char(variant)));
    p.settings.insert(QStringLiteral("jobtypePasscode"), QStringLiteral("907315246"));
    p.marked = {{QStringLiteral("ColorModel"), QStringLiteral("Gray")}};
    p.jobName = QStringLiteral("variant %1").arg(QLatin1Char(variant));
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("loop")) {
        const host::PresetStore store(args.at(2));
        const host::Preset a = preset('a');
        const host::Preset b = preset('b');
        for (unsigned n = 0;; ++n) {
            QString error;
            if (!store.save(QStringLiteral("Orvan"), n % 2 ? b : a, &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
            std::puts("saved");
            std::fflush(stdout);
        }
    }
    if (args.size() >= 4 && args.at(1) == QLatin1String("limit")) {
        // Writing past the limit fails with EFBIG instead of ending the process; this
        // holds for root too, unlike a read-only directory.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = static_cast<rlim_t>(args.at(3).toULongLong());
        const rlimit limit{bytes, bytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        QString error;
        const bool saved = host::PresetStore(args.at(2)).save(QStringLiteral("Orvan"), preset('b'), &error);
        std::printf("%s\n", qPrintable(error));
        return saved ? 1 : 0;
    }
    std::fprintf(stderr, "usage: robustness_preset_writer loop DIR | limit DIR BYTES\n");
    return 2;
}
