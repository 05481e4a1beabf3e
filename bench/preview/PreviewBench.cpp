// bench-preview: how long the preview takes from "Preview..." to its first sheet drawn
// (every page of it rendered and painted), for a 20-page PDF and beside it a real PDF
// and PostScript.
//
// - cold, at once: a fresh process each run, Preview... pressed as soon as the dialog
//   shows: the preview loads the renderer module (and poppler with it), opens the
//   document and draws its first page;
// - cold, after 2 s: the same, pressed two seconds after the dialog showed, by when the
//   Layout and Paper page has had the pages counted in the background (which loads the
//   module and opens the document): what a user meets;
// - warm: in one process, a new dialog each run (so a new preview worker opens the
//   document anew), with the module already loaded.
//
//   bench-preview [--smoke] [--runs N]
//   bench-preview --child FILE DELAY_MS    (one cold run; prints the milliseconds)
#include "host/JobOptions.h"
#include "host/PreviewWindow.h"
#include "host/PrintDialog.h"
#include "tests/host/DocumentSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Milliseconds from the press of Preview... to the first sheet drawn; -1 on failure.
double timeFirstSheet(const host::Document& document, const QString& presets, int delayMs = 0)
{
    host::DialogOptions options;
    options.bundlePath = QStringLiteral(ORVAN_BUNDLE_DIR);
    options.useServer = false;
    options.presetDirectory = presets;
    options.outputPath = presets + QStringLiteral("/out");
    QString error;
    std::unique_ptr<host::PrintDialog> dialog = host::PrintDialog::create(options, document, &error);
    if (!dialog) {
        std::fprintf(stderr, "bench-preview: %s\n", qPrintable(error));
        return -1;
    }
    dialog->show();
    QCoreApplication::processEvents();
    if (delayMs > 0) {
        QEventLoop idle;
        QTimer::singleShot(delayMs, &idle, &QEventLoop::quit);
        idle.exec();
    }

    QEventLoop loop;
    bool shown = false;
    const auto start = std::chrono::steady_clock::now();
    dialog->showPreview();
    host::PreviewWindow* window = dialog->previewWindow();
    QObject::connect(window, &host::PreviewWindow::sheetShown, &loop, [&] {
        shown = true;
        loop.quit();
    });
    QObject::connect(window, &host::PreviewWindow::failed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (!window->isSheetComplete()) loop.exec();
    else shown = true;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!shown) std::fprintf(stderr, "bench-preview: %s\n", qPrintable(window->message()));
    dialog.reset();
    return shown ? ms : -1;
}

struct Figures {
    double median = -1, min = -1, max = -1;
};

Figures figures(QList<double> runs)
{
    Figures f;
    runs.removeIf([](double v) { return v < 0; });
    if (runs.isEmpty()) return f;
    std::sort(runs.begin(), runs.end());
    f.median = runs.size() % 2 ? runs.at(runs.size() / 2) : (runs.at(runs.size() / 2 - 1) + runs.at(runs.size() / 2)) / 2;
    f.min = runs.first();
    f.max = runs.last();
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTemporaryDir scratch;

    if (arguments.value(1) == QLatin1String("--child")) {
        QFile file(arguments.value(2));
        if (!file.open(QIODevice::ReadOnly)) return 2;
        const QByteArray data = file.readAll();
        const double ms = timeFirstSheet(hosttest::documentOf(data, QStringLiteral("document")), scratch.path(),
                                         arguments.value(3).toInt());
        std::printf("%.3f\n", ms);
        return ms < 0 ? 1 : 0;
    }

    const bool smoke = arguments.contains(QStringLiteral("--smoke"));
    int runs = smoke ? 1 : 15;
    const int runsAt = arguments.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0) runs = std::max(1, arguments.value(runsAt + 1).toInt());

    struct Case {
        QString name;
        QString path;
    };
    QList<Case> cases;
    auto keep = [&](const QString& name, const QByteArray& data) {
        const QString path = scratch.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()) cases.append({name, path});
    };
    keep(QStringLiteral("generated, 20 pages A4 (PDF)"), hosttest::pdfPages(20));
    const QString real = QStringLiteral("/usr/share/doc/shared-mime-info/shared-mime-info-spec.pdf");
    if (QFile::exists(real)) cases.append({QStringLiteral("shared-mime-info-spec.pdf, 17 pages (PDF)"), real});
    keep(QStringLiteral("generated, 20 pages A4 (PostScript, through ghostscript)"), hosttest::postScriptPages(20));

    std::printf("Preview: from Preview... to the first sheet drawn, %d runs each (median, min-max), offscreen.\n\n", runs);
    std::printf("| document | cold, at once: ms | min - max | cold, after 2 s: ms | min - max | warm: ms | min - max |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    int failures = 0;
    for (const Case& c : cases) {
        auto coldRuns = [&](int delayMs) {
            QList<double> times;
            for (int i = 0; i < runs; ++i) {
                QProcess child;
                child.start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--child"), c.path, QString::number(delayMs)});
                if (!child.waitForFinished(120000) || child.exitCode() != 0) {
                    ++failures;
                    times << -1;
                    continue;
                }
                times << QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble();
            }
            return times;
        };
        const QList<double> atOnce = coldRuns(0);
        const QList<double> later = coldRuns(2000);
        QFile file(c.path);
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const host::Document document = hosttest::documentOf(data, QStringLiteral("document"));
        timeFirstSheet(document, scratch.path()); // the module loaded, untimed
        QList<double> warm;
        for (int i = 0; i < runs; ++i) warm << timeFirstSheet(document, scratch.path());
        const Figures a = figures(atOnce);
        const Figures l = figures(later);
        const Figures b = figures(warm);
        std::printf("| %s | %.1f | %.1f - %.1f | %.1f | %.1f - %.1f | %.1f | %.1f - %.1f |\n", qPrintable(c.name),
                    a.median, a.min, a.max, l.median, l.min, l.max, b.median, b.min, b.max);
        if (b.median < 0) ++failures;
    }
    std::printf("\nTarget: the first sheet of a 20-page PDF within 100 ms (median).\n");
    return failures == 0 ? 0 : 1;
}
