#pragma once
// Save to File: the document run through CUPS's own filter chain for the printer
// description with every option of the job (the bytes a queue on that description
// sends to its printer), or made a PDF with the page range, pages per sheet and
// orientation applied; beside it a readable ticket of what a queue would have been
// given. The filters run in processes of their own, so the window stays responsive;
// the file appears whole or not at all.
#include "host/JobOptions.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

#include <memory>

class QTemporaryDir;
class QTemporaryFile;
class QTimer;

namespace host {

class FileJob : public QObject {
    Q_OBJECT
public:
    enum class Format {
        PrinterData, // what the printer is sent (PostScript for a PostScript printer)
        Pdf,         // a PDF with the layout applied, for people and other programs
    };
    Q_ENUM(Format)
    enum class Outcome { Written, Failed, Cancelled };
    Q_ENUM(Outcome)

    struct Request {
        QString path;       // the file to write; the ticket is path + ".ticket.json"
        Document document;
        JobOptions options; // lp -o names and values
        QString jobName;
        int copies = 1;
        QString ppdPath;    // the printer description the options are for
        Format format = Format::PrinterData;
        // Options whose free-text values ("Custom.<text>": a user ID, a passcode) never
        // appear on a command line, where every user of the machine could read them.
        QStringList privateOptions;
        QString cupsfilter; // the program to run; empty: findCupsfilter()
    };

    // The suffix for files of what a printer with this description is sent, as far as
    // its filters tell: "ps", "pdf", or "prn" for a driver's own format.
    static QString printerDataSuffix(ppd_file_t* ppd);
    // The options of `ppd` that take free text (custom string, password and passcode
    // values): the privateOptions of a request.
    static QStringList textOptionsOf(ppd_file_t* ppd);

    // CUPS's cupsfilter on PATH, or in the system directories it is installed in
    // (they are not on every user's PATH); empty when it is not installed.
    static QString findCupsfilter();

    explicit FileJob(Request request, QObject* parent = nullptr);
    // A job still running is stopped and leaves nothing behind.
    ~FileJob() override;

    // Starts the filters; finished() tells how it ended, always after start() returned.
    void start();
    // Stops the filters; finished(Cancelled) follows once they are gone, and nothing is
    // written.
    void cancel();
    const Request& request() const { return request_; }
    // The filter at work now, as CUPS names it ("pdftops"); empty before the first.
    QString step() const { return step_; }

signals:
    void stepChanged(const QString& filter);
    // `message`: for Failed, what went wrong: which filter, and the first lines of what
    // it said; empty otherwise.
    void finished(host::FileJob::Outcome outcome, const QString& message);

private:
    void fail(const QString& message);
    // A cups-files.conf naming a ServerBin of the machine's filters and `filters`, for
    // cupsfilter -c; empty with the reason in `error`.
    QString serverBinWith(const QStringList& filters, QString* error);
    void readErrors();
    void readOutput();
    void takeLine(const QByteArray& line);
    void processEnded(int exitCode, QProcess::ExitStatus status);
    QString filterFailure(int exitCode, QProcess::ExitStatus status) const;
    bool commit(QString* error);
    // SIGTERM to the filters, SIGKILL to those still there a little later.
    void terminate();
    void stopProcesses(int signal);
    void end(Outcome outcome, const QString& message);

    Request request_;
    std::unique_ptr<QTemporaryFile> output_; // the data as the filters write it, next to the file
    // Stand-ins given to the filters for private values, and the values they stand for.
    QList<QPair<QByteArray, QByteArray>> standIns_;
    QByteArray pendingOutput_; // the end of the data so far: it may hold the start of a stand-in
    qint64 written_ = 0;
    QString writeError_;
    std::unique_ptr<QTemporaryDir> serverBin_; // see serverBinWith
    std::unique_ptr<QProcess> process_;
    std::unique_ptr<QTimer> killTimer_;
    bool running_ = false;
    bool cancelled_ = false;
    QString step_;

    // What the filters said, kept small: CUPS's own lines, the errors, the filters
    // that stopped or are missing, and the last other lines.
    QByteArray partialLine_;
    QStringList cupsLines_;
    QStringList errorLines_;
    QStringList otherLines_;
    QString failedFilter_;
    QString missingFilter_;
};

} // namespace host
