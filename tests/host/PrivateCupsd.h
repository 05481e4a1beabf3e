#pragma once
// A private CUPS scheduler for tests: its own configuration and directories under a
// temporary directory, listening on a free loopback port. Nothing of the machine's own
// CUPS is read or touched. The server stops when the object goes, and also when the
// test process dies (the scheduler gets SIGTERM with its parent).
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

class PrivateCupsd {
public:
    PrivateCupsd();
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // Whether a scheduler binary is installed at all (tests skip without one).
    static bool available();

    // Starts the scheduler and waits until it answers; false with the reason (and the
    // end of its error log) in `error`.
    bool start(QString* error);
    // Stops the scheduler; safe to call more than once.
    void stop();
    // Starts a stopped scheduler again on the same port, with the queues and jobs it
    // had: a server that went away and came back. Without an earlier start, start().
    bool restart(QString* error);
    bool isRunning() const;

    int port() const { return port_; }
    // "127.0.0.1:PORT", for CUPS_SERVER and lpadmin -h.
    QString server() const;
    QString directory() const { return dir_ ? dir_->path() : QString(); }
    QString errorLog() const;

    // Adds a queue with a file device; `ppd` empty makes a queue without a printer
    // description. A stopped queue accepts jobs and keeps them pending, so no filter runs.
    bool addQueue(const QString& name, const QString& ppd, QString* error, bool makeDefault = false,
                  bool stopped = true);
    // start(), then `name` added as the stopped default queue on `ppd`, and this
    // process's CUPS clients pointed at the server (CUPS_SERVER).
    bool startWithQueue(const QString& name, const QString& ppd, QString* error);
    // Runs one of the CUPS administration commands (lpadmin, cupsaccept, cupsreject,
    // cupsenable, cupsdisable) against this server.
    bool admin(const QString& command, const QStringList& arguments, QString* error);

    // Get-Job-Attributes of job `jobId`: every attribute's values as texts. Empty with
    // the reason in `error` when the server does not answer.
    QMap<QString, QStringList> jobAttributes(int jobId, QString* error) const;

    // What reaches the printer. A filtering queue is started and accepting; its jobs run
    // through CUPS's filters as on a real printer (pdftopdf, pdftops, pstops, ...), and
    // its device is the file printerDataPath(name), which holds what the filters wrote
    // for the queue's last job. One job at a time per queue: wait for each.
    bool addFilteringQueue(const QString& name, const QString& ppd, QString* error);
    QString printerDataPath(const QString& queue) const;
    QByteArray printerData(const QString& queue) const;
    // Prints `file` on `queue` with `options` as `lp -o name=value` does (the server
    // finds the document's type); the job id, or 0 with the reason in `error`.
    int printFile(const QString& queue, const QString& file, const QMap<QString, QString>& options,
                  QString* error) const;
    // Waits until job `jobId` has completed; false with the reason (the job's state and
    // the end of the error log) when it ends otherwise or is not done in `timeoutMs`.
    bool waitForJob(int jobId, QString* error, int timeoutMs = 120000) const;

private:
    bool launch(QString* error);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
};

} // namespace testsupport
