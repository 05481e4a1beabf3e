// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/FileJob.h"

#include "host/ServerBin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace {

constexpr int kSaidLines = 4;       // lines of what the filters said, in a failure
constexpr int kKeptLines = 8;       // lines of each kind kept while they run
constexpr int kLongestLine = 64 * 1024;
constexpr int kKillAfterMs = 3000;  // filters that ignore SIGTERM this long get SIGKILL

QString failure(const QString& path, const QString& why)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
}

QStringList fieldsOf(const char* text)
{
    return QString::fromUtf8(text ? text : "").simplified().split(u' ', Qt::SkipEmptyParts);
}

bool isPostScript(const QString& type)
{
    return type == QLatin1String("application/postscript") || type == QLatin1String("application/vnd.cups-postscript");
}

bool isPdf(const QString& type)
{
    return type == QLatin1String("application/pdf") || type == QLatin1String("application/vnd.cups-pdf");
}

// A value as cupsfilter's option parser reads it back: quoted, with quotes and
// backslashes escaped, so spaces and commas in free text stay part of the value.
QString quotedValue(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The mode a file newly made by this user gets: 0666 less the process's umask, read
// without changing it (umask(2) would change it for every thread for a moment).
mode_t newFileMode()
{
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:")) continue;
            bool ok = false;
            const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok) mask = static_cast<mode_t>(value);
            break;
        }
    }
    return 0666 & ~mask;
}

// A sentence, then the first lines of what the filters said.
QString withWhatWasSaid(const QString& headline, const QStringList& lines)
{
    return lines.isEmpty() ? headline : headline + QLatin1Char('\n') + lines.mid(0, kSaidLines).join(QLatin1Char('\n'));
}

// A free-text value as libcups writes it into PostScript feature code: a string with
// control characters, parentheses and bytes beyond ASCII as octal escapes.
QByteArray postScriptString(const QByteArray& value)
{
    QByteArray text = "(";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == '(' || byte == ')' || byte >= 0x7f)
            text += '\\' + QByteArray::number(byte, 8).rightJustified(3, '0');
        else
            text += c;
    }
    return text + ")";
}

// Letters only: nothing in an option parser or in PostScript treats them specially.
QByteArray standInText()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QByteArray text(32, 'x');
    for (char& c : text) c = letters[QRandomGenerator::system()->bounded(52)];
    return text;
}

void keep(QStringList* lines, const QString& line)
{
    if (lines->size() < kKeptLines && !lines->contains(line)) lines->append(line);
}

} // namespace

QString FileJob::printerDataSuffix(ppd_file_t* ppd)
{
    const QString postscript = QStringLiteral("ps");
    if (!ppd) return postscript;
    // What the last filter hands to the printer: with cupsFilter2 lines ("source
    // destination cost program") CUPS goes by those alone; a cupsFilter line ("source
    // cost program") with the program "-" sends its source as it is, any other program
    // makes a format of its own. No filters: a PostScript printer.
    QStringList sent;
    for (ppd_attr_t* attr = ppdFindAttr(ppd, "cupsFilter2", nullptr); attr;
         attr = ppdFindNextAttr(ppd, "cupsFilter2", nullptr)) {
        const QStringList fields = fieldsOf(attr->value);
        if (fields.size() >= 4) sent << fields.at(1).toLower();
    }
    if (sent.isEmpty()) {
        for (int i = 0; i < ppd->num_filters; ++i) {
            const QStringList fields = fieldsOf(ppd->filters[i]);
            if (fields.size() >= 3) sent << (fields.at(2) == QLatin1String("-") ? fields.at(0).toLower() : QString());
        }
    }
    if (sent.isEmpty() || std::all_of(sent.cbegin(), sent.cend(), isPostScript)) return postscript;
    if (std::all_of(sent.cbegin(), sent.cend(), isPdf)) return QStringLiteral("pdf");
    return QStringLiteral("prn");
}

QStringList FileJob::textOptionsOf(ppd_file_t* ppd)
{
    QStringList keywords;
    if (!ppd) return keywords;
    // ppdFindCustomOption searches the custom options, not the options walked here.
    for (ppd_option_t* option = ppdFirstOption(ppd); option; option = ppdNextOption(ppd)) {
        ppd_coption_t* custom = ppdFindCustomOption(ppd, option->keyword);
        for (ppd_cparam_t* param = custom ? ppdFirstCustomParam(custom) : nullptr; param;
             param = ppdNextCustomParam(custom)) {
            if (param->type == PPD_CUSTOM_STRING || param->type == PPD_CUSTOM_PASSWORD ||
                param->type == PPD_CUSTOM_PASSCODE) {
                keywords << QString::fromUtf8(option->keyword);
                break;
            }
        }
    }
    return keywords;
}

QString FileJob::findCupsfilter()
{
    const QString program = QStringLiteral("cupsfilter");
    const QString onPath = QStandardPaths::findExecutable(program);
    if (!onPath.isEmpty()) return onPath;
    return QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                                    QStringLiteral("/sbin")});
}

FileJob::FileJob(Request request, QObject* parent) : QObject(parent), request_(std::move(request)) {}

FileJob::~FileJob()
{
    if (process_) {
        process_->disconnect(this);
        if (process_->state() != QProcess::NotRunning) {
            stopProcesses(SIGKILL);
            process_->waitForFinished(kKillAfterMs);
        }
    }
    // output_ goes last and takes a half-written file with it.
    process_.reset();
    output_.reset();
}

void FileJob::start()
{
    if (running_) return;
    running_ = true;
    const QString program = request_.cupsfilter.isEmpty() ? findCupsfilter() : request_.cupsfilter;
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        fail(tr("CUPS's cupsfilter (%1) is not installed, and the document cannot be run through the "
                "printer's filters without it. It comes with the Debian package cups.")
                 .arg(program.isEmpty() ? QStringLiteral("cupsfilter") : program));
        return;
    }

    // The filters write next to the file, under a hidden name, and the whole is renamed
    // into place: a failure or Cancel leaves the old file (or none) as it was.
    const QFileInfo target(request_.path);
    output_ = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                               QStringLiteral(".XXXXXX"));
    if (!output_->open()) {
        const QString why = output_->errorString();
        output_.reset();
        fail(failure(request_.path, why));
        return;
    }

    QStringList arguments{QStringLiteral("-p"), request_.ppdPath, QStringLiteral("-i"), request_.document.format,
                          QStringLiteral("-t"), request_.jobName};
    if (request_.format == Format::PrinterData) {
        // -e: every filter the description names, as a queue runs them; "printer/...":
        // the format its last filter sends to the printer.
        arguments << QStringLiteral("-e") << QStringLiteral("-m") << QStringLiteral("printer/orvan-print")
                  << QStringLiteral("-n") << QString::number(std::max(1, request_.copies));
        // Our own filters, when the machine's CUPS does not hold them (a build or an
        // installation outside the package): cupsfilter runs filters from a folder that
        // holds both.
        const QStringList ownFilters = ownFiltersElsewhere();
        if (!ownFilters.isEmpty()) {
            QString error;
            const QString configuration = serverBinWith(ownFilters, &error);
            if (configuration.isEmpty()) {
                fail(tr("The printer's filters cannot be set up: %1").arg(error));
                return;
            }
            arguments << QStringLiteral("-c") << configuration;
        }
    } else {
        // pdftopdf applies page ranges, pages per sheet, orientation and the paper size.
        arguments << QStringLiteral("-m") << QStringLiteral("application/vnd.cups-pdf");
    }
    for (const auto& option : request_.options.items()) {
        QString value = option.second;
        // A private value reaches the filters as a stand-in, which becomes the value
        // again in the data they make (see readOutput).
        const QLatin1String custom("Custom.");
        if (request_.privateOptions.contains(option.first) && value.startsWith(custom, Qt::CaseInsensitive) &&
            value.size() > custom.size()) {
            const QByteArray standIn = standInText();
            standIns_.append({standIn, value.mid(custom.size()).toUtf8()});
            value = custom + QString::fromLatin1(standIn);
        }
        arguments << QStringLiteral("-o") << option.first + QLatin1Char('=') + quotedValue(value);
    }
    arguments << QStringLiteral("-"); // the document comes on standard input

    process_ = std::make_unique<QProcess>();
    process_->setChildProcessModifier([] {
        // A group of its own: Cancel reaches every filter cupsfilter starts (and
        // ghostscript under them); and cupsfilter goes when the dialog does.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    connect(process_.get(), &QProcess::readyReadStandardError, this, &FileJob::readErrors);
    connect(process_.get(), &QProcess::readyReadStandardOutput, this, &FileJob::readOutput);
    connect(process_.get(), &QProcess::finished, this, &FileJob::processEnded);
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return; // a write to filters that gave up: their status tells
        fail(tr("cupsfilter could not be started: %1").arg(process_->errorString()));
    });
    process_->start(program, arguments);
    if (process_->state() == QProcess::NotRunning) return; // errorOccurred has told
    process_->write(request_.document.data);
    process_->closeWriteChannel();
}

QString FileJob::serverBinWith(const QStringList& filters, QString* error)
{
    serverBin_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/orvan-print-filters-XXXXXX"));
    if (!serverBin_->isValid()) {
        *error = serverBin_->errorString();
        return QString();
    }
    const QString folder = serverBin_->filePath(QStringLiteral("serverbin"));
    const QString configuration = serverBin_->filePath(QStringLiteral("cups-files.conf"));
    if (!QDir().mkpath(folder) || !layOutServerBin(folder, systemServerBin(), filters, error)) {
        if (error->isEmpty()) *error = tr("cannot make %1").arg(folder);
        return QString();
    }
    QFile file(configuration);
    const QByteArray text = "ServerBin " + QFile::encodeName(folder) + "\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        *error = failure(configuration, file.errorString());
        return QString();
    }
    return configuration;
}

void FileJob::cancel()
{
    if (!running_ || cancelled_) return;
    cancelled_ = true;
    if (!process_ || process_->state() == QProcess::NotRunning) {
        QMetaObject::invokeMethod(this, [this] { end(Outcome::Cancelled, QString()); }, Qt::QueuedConnection);
        return;
    }
    terminate();
}

void FileJob::terminate()
{
    stopProcesses(SIGTERM);
    if (killTimer_) return;
    killTimer_ = std::make_unique<QTimer>();
    killTimer_->setSingleShot(true);
    connect(killTimer_.get(), &QTimer::timeout, this, [this] { stopProcesses(SIGKILL); });
    killTimer_->start(kKillAfterMs);
}

void FileJob::stopProcesses(int signal)
{
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    const qint64 pid = process_->processId();
    if (pid <= 0) return;
    // cupsfilter's group while it is alive (its pid is not free for reuse then), and
    // cupsfilter itself should it not have made its group yet.
    ::kill(static_cast<pid_t>(-pid), signal);
    ::kill(static_cast<pid_t>(pid), signal);
}

void FileJob::fail(const QString& message)
{
    // Always after start() returned, so that whoever started the job can forget it.
    QMetaObject::invokeMethod(this, [this, message] { end(Outcome::Failed, message); }, Qt::QueuedConnection);
}

void FileJob::end(Outcome outcome, const QString& message)
{
    if (!running_) return;
    running_ = false;
    killTimer_.reset();
    output_.reset(); // removes the temporary file unless it became the output
    emit finished(outcome, message);
}

void FileJob::readOutput()
{
    if (!process_) return;
    pendingOutput_ += process_->readAllStandardOutput();
    const bool atEnd = process_->state() == QProcess::NotRunning;
    // Each stand-in found becomes its value: as libcups writes a free-text value into
    // feature code when the stand-in stands there as a PostScript string, as it is
    // anywhere else.
    QByteArray ready;
    qsizetype from = 0;
    while (!standIns_.isEmpty()) {
        qsizetype at = -1;
        QByteArray found;
        QByteArray value;
        for (const auto& [standIn, real] : std::as_const(standIns_)) {
            const QByteArray quoted = '(' + standIn + ')';
            for (const auto& [pattern, replacement] : {std::pair{quoted, postScriptString(real)}, std::pair{standIn, real}}) {
                const qsizetype position = pendingOutput_.indexOf(pattern, from);
                // A stand-in at the very end may yet turn out to be a quoted one.
                const bool settled = atEnd || position + pattern.size() < pendingOutput_.size();
                if (position >= 0 && settled && (at < 0 || position < at)) {
                    at = position;
                    found = pattern;
                    value = replacement;
                }
            }
        }
        if (at < 0) break;
        ready += QByteArrayView(pendingOutput_).sliced(from, at - from);
        ready += value;
        from = at + found.size();
    }
    // The end may hold the start of a stand-in: it waits for the rest of the data.
    const qsizetype keep = atEnd || standIns_.isEmpty() ? 0 : standIns_.first().first.size() + 1;
    const qsizetype upTo = std::max(from, pendingOutput_.size() - keep);
    ready += QByteArrayView(pendingOutput_).sliced(from, upTo - from);
    pendingOutput_.remove(0, upTo);

    if (ready.isEmpty() || !writeError_.isEmpty()) return;
    if (output_->write(ready) != ready.size()) {
        // A full disk: the filters are stopped, and the job fails once they are gone.
        writeError_ = failure(request_.path, output_->error() == QFileDevice::NoError
                                                 ? tr("not all of it could be written (is the disk full?)")
                                                 : output_->errorString());
        terminate();
        return;
    }
    written_ += ready.size();
}

void FileJob::readErrors()
{
    if (!process_) return;
    partialLine_ += process_->readAllStandardError();
    qsizetype from = 0;
    for (qsizetype end = partialLine_.indexOf('\n'); end >= 0; end = partialLine_.indexOf('\n', from)) {
        takeLine(partialLine_.mid(from, end - from));
        from = end + 1;
    }
    partialLine_.remove(0, from);
    if (partialLine_.size() > kLongestLine) { // no line is that long: keep its start
        takeLine(partialLine_.left(512));
        partialLine_.clear();
    }
}

void FileJob::takeLine(const QByteArray& bytes)
{
    const QString line = QString::fromLocal8Bit(bytes).trimmed().left(300);
    // DEBUG and DEBUG2 are for the CUPS log; PAGE, ATTR, STATE, PPD and INFO lines are
    // messages to the scheduler.
    static const QRegularExpression chatter(QStringLiteral("^(DEBUG2?|PAGE|ATTR|STATE|PPD):"));
    if (line.isEmpty() || chatter.match(line).hasMatch()) return;

    static const QRegularExpression started(QStringLiteral("^INFO: (\\S+) \\(PID \\d+\\) started"));
    static const QRegularExpression stopped(
        QStringLiteral("^ERROR: (\\S+) \\(PID \\d+\\) (stopped with status|crashed on signal)"));
    static const QRegularExpression missing(QStringLiteral("^cupsfilter: File \"([^\"]+)\" not available"));

    if (const QRegularExpressionMatch match = started.match(line); match.hasMatch()) {
        step_ = QFileInfo(match.captured(1)).fileName(); // a filter may be named by its path
        emit stepChanged(step_);
        return;
    }
    if (line.startsWith(QLatin1String("INFO:"))) return;
    if (const QRegularExpressionMatch match = stopped.match(line); match.hasMatch()) {
        if (failedFilter_.isEmpty()) failedFilter_ = QFileInfo(match.captured(1)).fileName();
        return;
    }
    if (line.startsWith(QLatin1String("cupsfilter:"))) {
        if (line.contains(QLatin1String("permissions OK"))) return; // its check of each filter, as root
        if (const QRegularExpressionMatch match = missing.match(line); match.hasMatch() && missingFilter_.isEmpty())
            missingFilter_ = QFileInfo(match.captured(1)).fileName();
        keep(&cupsLines_, line);
        return;
    }
    if (line.startsWith(QLatin1String("ERROR:"))) {
        keep(&errorLines_, line.mid(6).trimmed());
        return;
    }
    // Warnings and what programs under the filters print: the last few.
    otherLines_.append(line);
    if (otherLines_.size() > kKeptLines) otherLines_.removeFirst();
}

QString FileJob::filterFailure(int exitCode, QProcess::ExitStatus status) const
{
    if (!missingFilter_.isEmpty())
        return withWhatWasSaid(
            tr("The filter %1, which the printer description names, is not installed.").arg(missingFilter_), cupsLines_);
    if (!failedFilter_.isEmpty())
        return withWhatWasSaid(tr("The filter %1 failed:").arg(failedFilter_),
                               errorLines_.isEmpty() ? otherLines_ : errorLines_);
    const QStringList said = cupsLines_ + errorLines_ + otherLines_;
    if (status == QProcess::CrashExit) return withWhatWasSaid(tr("cupsfilter stopped unexpectedly."), said);
    return withWhatWasSaid(tr("cupsfilter failed with status %1:").arg(exitCode), said);
}

void FileJob::processEnded(int exitCode, QProcess::ExitStatus status)
{
    readErrors();
    if (!partialLine_.isEmpty()) takeLine(std::exchange(partialLine_, QByteArray()));
    readOutput();
    if (cancelled_) {
        end(Outcome::Cancelled, QString());
        return;
    }
    if (writeError_.isEmpty() && !output_->flush())
        writeError_ = failure(request_.path, tr("not all of it could be written (is the disk full?)"));
    if (!writeError_.isEmpty()) {
        end(Outcome::Failed, writeError_);
        return;
    }
    if (status != QProcess::NormalExit || exitCode != 0) {
        end(Outcome::Failed, filterFailure(exitCode, status));
        return;
    }
    // The filters said nothing went wrong but made nothing (every page left out, say):
    // an empty file is no printer data.
    if (written_ == 0) {
        end(Outcome::Failed, withWhatWasSaid(tr("The filters made no data from the document."), errorLines_ + otherLines_));
        return;
    }
    QString error;
    if (!commit(&error)) {
        end(Outcome::Failed, error);
        return;
    }
    end(Outcome::Written, QString());
}

bool FileJob::commit(QString* error)
{
    output_->close();
    const QString temporary = output_->fileName();
    // Printer data carries every choice in the printer's own code, a secure-print
    // passcode too: readable by the user alone, as the ticket. A PDF is an ordinary file.
    const mode_t mode = request_.format == Format::PrinterData ? 0600 : newFileMode();
    if (::chmod(QFile::encodeName(temporary).constData(), mode) != 0) {
        *error = failure(request_.path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    // The ticket: what a queue would have been given, readable by people and programs.
    QJsonObject jobOptions;
    for (const auto& option : request_.options.items()) jobOptions.insert(option.first, option.second);
    const bool printerData = request_.format == Format::PrinterData;
    QJsonObject ticket;
    ticket.insert(QStringLiteral("document"), QFileInfo(request_.path).fileName());
    // What the file holds: printer data goes to a queue as it is (raw), a PDF is a PDF.
    ticket.insert(QStringLiteral("document-format"),
                  printerData ? QStringLiteral("application/vnd.cups-raw") : QStringLiteral("application/pdf"));
    ticket.insert(QStringLiteral("output-format"), printerData ? QStringLiteral("printer-data") : QStringLiteral("pdf"));
    ticket.insert(QStringLiteral("source-document"), request_.document.path.isEmpty() ? request_.document.name
                                                                                       : request_.document.path);
    ticket.insert(QStringLiteral("source-document-format"), request_.document.format);
    ticket.insert(QStringLiteral("job-name"), request_.jobName);
    ticket.insert(QStringLiteral("copies"), printerData ? request_.copies : 1);
    ticket.insert(QStringLiteral("printer-description"), QFileInfo(request_.ppdPath).absoluteFilePath());
    ticket.insert(QStringLiteral("options"), jobOptions);
    const QByteArray text = QJsonDocument(ticket).toJson(QJsonDocument::Indented);

    // The ticket is written before the data is put in place and committed after it, so
    // a ticket never describes a file that is not there.
    const QString ticketPath = request_.path + QStringLiteral(".ticket.json");
    QSaveFile ticketFile(ticketPath);
    if (!ticketFile.open(QIODevice::WriteOnly) ||
        !ticketFile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *error = failure(ticketPath, ticketFile.errorString());
        return false;
    }
    // QSaveFile takes a short write (a full disk) for success: a cut-off ticket must not
    // be committed as if it were whole.
    if (ticketFile.write(text) != text.size()) {
        ticketFile.cancelWriting();
        *error = failure(ticketPath, tr("not all of it could be written (is the disk full?)"));
        return false;
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(request_.path).constData()) != 0) {
        ticketFile.cancelWriting();
        *error = failure(request_.path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    output_->setAutoRemove(false);
    if (!ticketFile.commit()) {
        *error = failure(ticketPath, ticketFile.errorString());
        return false;
    }
    return true;
}

} // namespace host
