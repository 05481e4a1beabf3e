// A printer description from anywhere: the bytes up to the line "*%FUZZ-ACTIONS" become
// a PPD file, opened as the host opens it. Both panels are built on it (on none when
// libcups refuses it), shown, and driven by the actions the rest of the input spells:
// pop-up choices, the check box, the slider, Default, the Color Balance dialog with
// edits ended by OK, Cancel, Escape or its close box, the Secure Print dialog with
// entries, saves and restores, views destroyed by the host, marks set by the host.
// Then saved, restored and summarised; every hand-over and every saved value checked.
#include "fuzz/FuzzSupport.h"
#include "tests/support/PanelDriver.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

const QByteArray kActions("\n*%FUZZ-ACTIONS\n");

// One file per process, rewritten for each input.
const QString& ppdPath()
{
    static const QString path =
        QDir::temp().filePath(QStringLiteral("orvan-fuzz-%1.ppd").arg(static_cast<qint64>(::getpid())));
    return path;
}

void removePpdFile() { QFile::remove(ppdPath()); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    panels::setFailureHandler([](const char* file, int line, const QString& what) { fuzz::fail(file, line, what); });
    if (fuzz::tracing()) panels::setTraceSink([](const QString& line) { fuzz::trace(line); });
    std::atexit(removePpdFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf(kActions);
    const QByteArray description = split < 0 ? input : input.left(split);
    const qsizetype actionsAt = split < 0 ? input.size() : split + kActions.size();

    {
        QFile file(ppdPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(description) != description.size())
            fuzz::fail(__FILE__, __LINE__, QStringLiteral("cannot write %1").arg(ppdPath()));
    }

    panels::resetState();
    {
        host::PpdPtr ppd = host::openPpd(ppdPath());
        fuzz::Reader in(data + actionsAt, size - static_cast<std::size_t>(actionsAt));
        const uint8_t flags = in.byte();
        const bool offersChoiceMarking = (flags & 1) == 0;
        const int language = (flags >> 1) & 3;
        const bool noPrintSettings = (flags & 0x08) != 0;

        panels::Panels both(ppd.get(), offersChoiceMarking, fuzz::bundle(language));
        if (noPrintSettings) both.host().setPrintSettings(nullptr);
        both.open();
        for (int i = 0; i < 32 && !in.atEnd(); ++i) both.act(in);
        both.finish(in);
    }
    panels::resetState();
    panels::checkNoWindowsLeft();
    return 0;
}
