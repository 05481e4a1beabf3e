#pragma once
// Everything orvan-print asks of the CUPS server, done on a worker thread so the
// dialog never waits for the network: the list of queues, a queue's printer
// description, and job submission. Results come back as queued signals.
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

namespace host {

struct Destination {
    QString name;       // the queue name
    QString info;       // printer-info, may be empty
    QString location;   // printer-location, may be empty
    bool isDefault = false;
    int state = 0;      // printer-state: 3 idle, 4 processing, 5 stopped; 0 not known
    QStringList reasons; // printer-state-reasons without "none"
    bool accepting = true; // printer-is-accepting-jobs
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
};

// Owns the worker thread. The server is the configured one (CUPS_SERVER, client.conf).
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

signals:
    void destinationFound(const host::Destination& destination);
    void enumerationFinished(const QString& error);
    void ppdFetched(quint64 request, const QString& queue, const host::SharedPpd& ppd, const QString& error,
                    const QStringList& warnings);
    void queueDefaultsFetched(quint64 request, const QString& queue, const host::QueueOptions& defaults);
    void submitted(quint64 request, int jobId, const QString& error);
    void defaultsSaved(quint64 request, const QString& error, bool refused);

private:
    QThread thread_;
    CupsWorker* worker_; // deleted on the thread when it finishes
    quint64 nextRequest_ = 1;
};

} // namespace host

Q_DECLARE_METATYPE(host::Destination)
Q_DECLARE_METATYPE(host::SharedPpd)
Q_DECLARE_METATYPE(host::JobRequest)
