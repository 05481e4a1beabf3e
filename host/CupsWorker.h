#pragma once
// Everything orvan-print asks of the CUPS server, done on worker threads so the
// dialog never waits for the network: the list of queues, a queue's printer
// description, job submission, and while the dialog is shown the queues' state.
// Results come back as queued signals.
#include "host/JobOptions.h"
#include "host/QueueDefaults.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

class QTimer;

namespace host {

struct Destination {
    QString name;       // the queue name
    QString info;       // printer-info, may be empty
    QString location;   // printer-location, may be empty
    bool isDefault = false;
    int state = 0;      // printer-state: 3 idle, 4 processing, 5 stopped; 0 not known
    QStringList reasons; // printer-state-reasons without "none"
    bool accepting = true; // printer-is-accepting-jobs
    QString message;    // printer-state-message, may be empty
    bool gone = false;  // no longer listed by the server (kept while it is the one chosen)
};

// A printer description opened on the worker; shared so that a result nobody takes
// any more is still closed.
using SharedPpd = std::shared_ptr<ppd_file_t>;

struct JobRequest {
    QString queue;
    QString title;
    int copies = 1;
    JobOptions options;
    Document document;
};

// The worker object; lives on CupsClient's thread.
class CupsWorker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Set from any thread: the request under way gives up at its next wait.
    std::atomic<bool> stopping{false};

public slots:
    void enumerate();
    void fetchPpd(quint64 request, const QString& queue);
    void submit(quint64 request, const host::JobRequest& job);
    void saveDefaults(quint64 request, const host::DefaultsRequest& defaults);
    // One light request for every queue's name, location and state.
    void poll();

signals:
    void destinationFound(const host::Destination& destination);
    // `error` empty: every queue has been reported.
    void enumerationFinished(const QString& error);
    // Exactly one of `ppd` (opened, defaults marked) or `error` is set; both empty when
    // the queue has no printer description of its own. `warnings`: what looks damaged in
    // a description that opened (openPpd).
    void ppdFetched(quint64 request, const QString& queue, const host::SharedPpd& ppd, const QString& error,
                    const QStringList& warnings);
    // Before ppdFetched of the same request: the queue's defaults for this user.
    void queueDefaultsFetched(quint64 request, const QString& queue, const host::QueueOptions& defaults);
    void submitted(quint64 request, int jobId, const QString& error);
    // `error` empty: saved. `refused`: the server would not let this user do it.
    void defaultsSaved(quint64 request, const QString& error, bool refused);
    // Every queue the server lists now; `error` set (and nothing listed) when it could
    // not be asked.
    void polled(const QList<host::Destination>& queues, const QString& error);
};

// Owns the worker threads. The server is the configured one (CUPS_SERVER, client.conf).
class CupsClient : public QObject {
    Q_OBJECT
public:
    explicit CupsClient(QObject* parent = nullptr);
    ~CupsClient() override; // waits for the request in progress to end

    // The server the client talks to, as "host:port" or a socket path.
    static QString serverName();

    void enumerate();
    quint64 fetchPpd(const QString& queue);
    quint64 submit(const JobRequest& job);
    quint64 saveDefaults(const DefaultsRequest& defaults);

    // Asks the server for the queues and their state every `watchInterval()` until
    // stopWatching(), one request at a time, on a thread of its own: a slow answer holds
    // up neither the dialog nor a job. The first request goes out at once.
    void startWatching();
    void stopWatching();
    bool isWatching() const;
    int watchInterval() const { return watchInterval_; }
    void setWatchInterval(int milliseconds);

    static constexpr int kDefaultWatchIntervalMs = 4000;

signals:
    void destinationFound(const host::Destination& destination);
    void enumerationFinished(const QString& error);
    void ppdFetched(quint64 request, const QString& queue, const host::SharedPpd& ppd, const QString& error,
                    const QStringList& warnings);
    void queueDefaultsFetched(quint64 request, const QString& queue, const host::QueueOptions& defaults);
    void submitted(quint64 request, int jobId, const QString& error);
    void defaultsSaved(quint64 request, const QString& error, bool refused);
    void polled(const QList<host::Destination>& queues, const QString& error);

private:
    void pollNow();

    QThread thread_;
    CupsWorker* worker_; // deleted on the thread when it finishes
    quint64 nextRequest_ = 1;

    // The watch: its own thread and worker, made on the first startWatching().
    std::unique_ptr<QThread> watchThread_;
    CupsWorker* watcher_ = nullptr; // deleted on the watch thread when it finishes
    QTimer* watchTimer_ = nullptr;  // child
    int watchInterval_ = kDefaultWatchIntervalMs;
    bool pollPending_ = false;
};

} // namespace host

Q_DECLARE_METATYPE(host::Destination)
Q_DECLARE_METATYPE(host::SharedPpd)
Q_DECLARE_METATYPE(host::JobRequest)
Q_DECLARE_METATYPE(QList<host::Destination>)
