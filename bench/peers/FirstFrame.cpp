// Preloaded into a Qt program (LD_PRELOAD): the program quits, status 0, as soon as
// its first window has painted its first frame. The same library measures
// orvan-print and its peers, so every program stops at the same point.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// For finding where memory goes: ORVAN_BENCH_SMAPS=FILE keeps the process's mappings
// as they are at the first frame.
// ORVAN_BENCH_T0=<CLOCK_MONOTONIC ns at launch>: the milliseconds since then at which
// the application was made and the first frame painted go to stderr.
void mark(const char* what)
{
    const QByteArray t0 = qgetenv("ORVAN_BENCH_T0");
    if (t0.isEmpty()) return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double ms = (static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec) - t0.toDouble()) / 1e6;
    std::fprintf(stderr, "first-frame: %s at %.1f ms\n", what, ms);
}

void dumpMappings()
{
    const QByteArray path = qgetenv("ORVAN_BENCH_SMAPS");
    if (path.isEmpty()) return;
    QFile in(QStringLiteral("/proc/self/smaps"));
    QFile out(QString::fromLocal8Bit(path));
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(in.readAll());
}

class FirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->window()->isVisible()) {
                painted_ = true;
                mark("first paint");
                // The rest of the frame is painted and flushed before the queued quit runs.
                QTimer::singleShot(0, qApp, [] {
                    mark("frame done");
                    dumpMappings();
                    QCoreApplication::exit(0);
                });
            }
        }
        return false;
    }

private:
    bool painted_ = false;
};

void install()
{
    mark("application made");
    qApp->installEventFilter(new FirstFrame(qApp));
    // A program that never paints must still end.
    QTimer::singleShot(60000, qApp, [] {
        std::fputs("first-frame: no frame within 60 s\n", stderr);
        std::_Exit(4);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
