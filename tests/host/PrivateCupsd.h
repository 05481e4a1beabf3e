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

private:
    bool launch(QString* error);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
};

} // namespace testsupport
