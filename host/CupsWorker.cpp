// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in (cupsGetPPD3 fetches a queue's description).
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/CupsWorker.h"

#include "host/QueueDefaults.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cups/cups.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace host {

namespace {

// How long a connection attempt to the server may take before it counts as unreachable.
constexpr int kConnectTimeoutMs = 5000;

// How long the server may take to answer a request before it counts as not answering.
constexpr qint64 kAnswerTimeoutMs = 30000;

// A server that accepts a connection but never answers must neither hold the dialog
// up for ever nor keep it from closing: libcups asks this every quarter of a second.
struct Waiting {
    const std::atomic<bool>* stopping;
    QElapsedTimer clock;
};

int keepWaiting(http_t*, void* data)
{
    const auto* waiting = static_cast<const Waiting*>(data);
    return !waiting->stopping->load() && waiting->clock.elapsed() < kAnswerTimeoutMs;
}

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};

// A connection and the state its timeout callback reads, which must outlive it.
struct Connection {
    std::unique_ptr<http_t, HttpCloser> http;
    std::unique_ptr<Waiting> waiting;
    http_t* get() const { return http.get(); }
    explicit operator bool() const { return static_cast<bool>(http); }
};

Connection connectToServer(QString* error, const std::atomic<bool>& stopping)
{
    int cancel = 0;
    const char* server = cupsServer();
    Connection http;
    http.http.reset(httpConnect2(server, ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs,
                                 &cancel));
    if (http) {
        http.waiting = std::make_unique<Waiting>(Waiting{&stopping, {}});
        http.waiting->clock.start();
        httpSetTimeout(http.get(), 0.25, &keepWaiting, http.waiting.get());
    }
    if (!http && error) {
        // libcups reports every failed connection alike; tell a name that does not
        // resolve from a server that does not answer.
        QString reason = CupsWorker::tr("nothing answers there");
        if (server && server[0] != '/') {
            const QByteArray port = QByteArray::number(ippPort());
            http_addrlist_t* addresses = httpAddrGetList(server, AF_UNSPEC, port.constData());
            if (!addresses) reason = CupsWorker::tr("unknown host");
            httpAddrFreeList(addresses);
        }
        *error = CupsWorker::tr("cannot reach the print server %1 (%2)").arg(CupsClient::serverName(), reason);
    }
    return http;
}

QString lastCupsError()
{
    const char* text = cupsLastErrorString();
    return text && *text ? QString::fromUtf8(text) : QString::fromUtf8(ippErrorString(cupsLastError()));
}

// printer-state-reasons as the dialog keeps them: "none" says there are none.
void addReason(Destination* destination, const QString& reason)
{
    const QString keyword = reason.trimmed();
    if (!keyword.isEmpty() && keyword != QLatin1String("none") && !destination->reasons.contains(keyword))
        destination->reasons << keyword;
}

QString ippText(ipp_attribute_t* attribute, int index = 0)
{
    const char* text = ippGetString(attribute, index, nullptr);
    return QString::fromUtf8(text ? text : "");
}

// The queue a user names as their own default, the way lp finds it: $LPDEST, else
// $PRINTER (but "lp"), else their lpoptions, else the system's; empty for none.
QString userDefaultQueue()
{
    QByteArray name = qgetenv("LPDEST");
    if (name.isEmpty()) {
        name = qgetenv("PRINTER");
        if (name == "lp") name.clear();
    }
    if (!name.isEmpty()) return QString::fromLocal8Bit(name).section(QLatin1Char('/'), 0, 0);
    return lpoptionsDefaultQueue();
}

// The server's queues and classes with what the pop-up and its state line show, and
// whether each is the default (the user's own, else the server's). One CUPS-Get-Printers
// asks for these attributes alone: cupsGetDests2 asks for some thirty, media lists among
// them, and libcups reads an answer a field at a time, about a thousand reads a queue.
std::optional<QList<Destination>> listQueues(http_t* http, QString* error)
{
    static const char* const wanted[] = {"printer-name", "printer-info", "printer-location", "printer-state",
                                         "printer-state-reasons", "printer-state-message",
                                         "printer-is-accepting-jobs", "printer-type"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(http, request, "/");
    const ipp_status_t status = cupsLastError();
    // No queue at all is "not found".
    if (!response || (status > IPP_STATUS_OK_CONFLICTING && status != IPP_STATUS_ERROR_NOT_FOUND)) {
        ippDelete(response);
        *error = CupsWorker::tr("the print server %1 answered: %2").arg(CupsClient::serverName(), lastCupsError());
        return std::nullopt;
    }
    QList<Destination> queues;
    Destination current;
    auto finish = [&] {
        if (!current.name.isEmpty()) queues.append(current);
        current = Destination();
    };
    // The answer holds one printer group after the other.
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute; attribute = ippNextAttribute(response)) {
        const char* name = ippGetName(attribute);
        if (!name) {
            finish(); // a separator between two printers
            continue;
        }
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER) continue;
        const QByteArray key(name);
        if (key == "printer-name") current.name = ippText(attribute);
        else if (key == "printer-info") current.info = ippText(attribute);
        else if (key == "printer-location") current.location = ippText(attribute);
        else if (key == "printer-state") current.state = ippGetInteger(attribute, 0);
        else if (key == "printer-state-message") current.message = ippText(attribute).trimmed();
        else if (key == "printer-is-accepting-jobs") current.accepting = ippGetBoolean(attribute, 0) != 0;
        else if (key == "printer-type") current.isDefault = (ippGetInteger(attribute, 0) & CUPS_PRINTER_DEFAULT) != 0;
        else if (key == "printer-state-reasons")
            for (int i = 0; i < ippGetCount(attribute); ++i) addReason(&current, ippText(attribute, i));
    }
    finish();
    ippDelete(response);
    // A default the user names that the server does not list leaves the server's.
    const QString own = userDefaultQueue();
    const auto named = [&](const Destination& queue) { return queue.name.compare(own, Qt::CaseInsensitive) == 0; };
    if (!own.isEmpty() && std::any_of(queues.cbegin(), queues.cend(), named))
        for (Destination& queue : queues) queue.isDefault = named(queue);
    return queues;
}

} // namespace

QString CupsClient::serverName()
{
    // libcups remembers the server per thread; forget it so the configuration of now
    // (CUPS_SERVER, client.conf) is read again.
    cupsSetServer(nullptr);
    const char* server = cupsServer();
    if (server && server[0] == '/') return QString::fromUtf8(server);
    return QStringLiteral("%1:%2").arg(QString::fromUtf8(server ? server : "localhost")).arg(ippPort());
}

void CupsWorker::enumerate()
{
    QString error;
    Connection http = connectToServer(&error, stopping);
    std::optional<QList<Destination>> found = http ? listQueues(http.get(), &error) : std::nullopt;
    if (!found) {
        emit enumerationFinished(error);
        return;
    }
    std::stable_sort(found->begin(), found->end(), [](const Destination& a, const Destination& b) {
        if (a.isDefault != b.isDefault) return a.isDefault;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    for (const Destination& destination : std::as_const(*found)) emit destinationFound(destination);
    emit enumerationFinished(QString());
}

void CupsWorker::poll()
{
    QString error;
    Connection http = connectToServer(&error, stopping);
    const std::optional<QList<Destination>> queues = http ? listQueues(http.get(), &error) : std::nullopt;
    emit polled(queues.value_or(QList<Destination>()), queues ? QString() : error);
}

void CupsWorker::fetchPpd(quint64 request, const QString& queue)
{
    QString error;
    Connection http = connectToServer(&error, stopping);
    if (!http) {
        emit ppdFetched(request, queue, nullptr, error, {});
        return;
    }
    // What `lp` would start from, for the dialog to start from too.
    emit queueDefaultsFetched(request, queue, readQueueDefaults(http.get(), queue, nullptr));
    char path[1024] = "";
    time_t modified = 0;
    const http_status_t status =
        cupsGetPPD3(http.get(), queue.toUtf8().constData(), &modified, path, sizeof path);
    if (status == HTTP_STATUS_NOT_FOUND) {
        // A driverless queue: it has no printer description of its own.
        if (path[0]) QFile::remove(QFile::decodeName(path));
        emit ppdFetched(request, queue, nullptr, QString(), {});
        return;
    }
    if (status != HTTP_STATUS_OK) {
        if (path[0]) QFile::remove(QFile::decodeName(path));
        emit ppdFetched(request, queue, nullptr,
                        tr("cannot fetch the printer description of %1: %2").arg(queue, lastCupsError()), {});
        return;
    }
    const QString copy = QFile::decodeName(path);
    QString openError;
    QStringList warnings;
    PpdPtr ppd = openPpd(copy, &openError, &warnings);
    QFile::remove(copy); // the temporary copy is not needed once it is parsed
    if (!ppd) {
        emit ppdFetched(request, queue, nullptr,
                        tr("the printer description of %1 is unreadable: %2").arg(queue, openError), {});
        return;
    }
    emit ppdFetched(request, queue, SharedPpd(ppd.release(), PpdCloser()), QString(), warnings);
}

void CupsWorker::submit(quint64 request, const host::JobRequest& job)
{
    QString error;
    Connection http = connectToServer(&error, stopping);
    if (!http) {
        emit submitted(request, 0, error);
        return;
    }
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& option : job.options.items())
        count = cupsAddOption(option.first.toUtf8().constData(), option.second.toUtf8().constData(), count,
                              &options);
    count = cupsAddOption("copies", QByteArray::number(std::max(1, job.copies)).constData(), count, &options);

    const QByteArray queue = job.queue.toUtf8();
    const int jobId = cupsCreateJob(http.get(), queue.constData(), job.title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (jobId <= 0) {
        emit submitted(request, 0, lastCupsError());
        return;
    }

    QString failure;
    const QByteArray format = job.document.format.toUtf8();
    if (cupsStartDocument(http.get(), queue.constData(), jobId, job.document.name.toUtf8().constData(),
                          format.constData(), 1) != HTTP_STATUS_CONTINUE) {
        failure = lastCupsError();
    } else {
        const QByteArray& data = job.document.data;
        constexpr qsizetype kChunk = 64 * 1024;
        for (qsizetype offset = 0; offset < data.size() && failure.isEmpty(); offset += kChunk) {
            const size_t length = static_cast<size_t>(std::min(kChunk, data.size() - offset));
            if (cupsWriteRequestData(http.get(), data.constData() + offset, length) != HTTP_STATUS_CONTINUE)
                failure = lastCupsError();
        }
        const ipp_status_t finished = cupsFinishDocument(http.get(), queue.constData());
        if (failure.isEmpty() && finished > IPP_STATUS_OK_CONFLICTING) failure = lastCupsError();
    }
    if (!failure.isEmpty()) {
        // A job without its document would wait on the server for ever.
        cupsCancelJob2(http.get(), queue.constData(), jobId, 0);
        emit submitted(request, 0, failure);
        return;
    }
    emit submitted(request, jobId, QString());
}

void CupsWorker::saveDefaults(quint64 request, const host::DefaultsRequest& defaults)
{
    QString error;
    Connection http = connectToServer(&error, stopping);
    if (!http) {
        emit defaultsSaved(request, error, false);
        return;
    }
    bool refused = false;
    const bool saved = defaults.forEveryone ? saveServerDefaults(http.get(), defaults, &error, &refused)
                                            : saveUserDefaults(http.get(), defaults, &error);
    if (saved) error.clear();
    else if (error.isEmpty()) error = lastCupsError();
    emit defaultsSaved(request, error, refused);
}

CupsClient::CupsClient(QObject* parent) : QObject(parent), worker_(new CupsWorker)
{
    qRegisterMetaType<host::Destination>();
    qRegisterMetaType<host::SharedPpd>();
    qRegisterMetaType<host::JobRequest>();
    qRegisterMetaType<host::QueueOptions>("host::QueueOptions");
    qRegisterMetaType<host::DefaultsRequest>();
    qRegisterMetaType<QList<host::Destination>>();
    thread_.setObjectName(QStringLiteral("cups"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &CupsWorker::destinationFound, this, &CupsClient::destinationFound);
    connect(worker_, &CupsWorker::enumerationFinished, this, &CupsClient::enumerationFinished);
    connect(worker_, &CupsWorker::ppdFetched, this, &CupsClient::ppdFetched);
    connect(worker_, &CupsWorker::submitted, this, &CupsClient::submitted);
    connect(worker_, &CupsWorker::queueDefaultsFetched, this, &CupsClient::queueDefaultsFetched);
    connect(worker_, &CupsWorker::defaultsSaved, this, &CupsClient::defaultsSaved);
    thread_.start();
}

CupsClient::~CupsClient()
{
    worker_->stopping = true;
    if (watcher_) watcher_->stopping = true;
    thread_.quit();
    if (watchThread_) watchThread_->quit();
    thread_.wait();
    if (watchThread_) watchThread_->wait();
}

void CupsClient::startWatching()
{
    if (!watchThread_) {
        watchThread_ = std::make_unique<QThread>();
        watchThread_->setObjectName(QStringLiteral("cups-watch"));
        watcher_ = new CupsWorker;
        watcher_->moveToThread(watchThread_.get());
        connect(watchThread_.get(), &QThread::finished, watcher_, &QObject::deleteLater);
        connect(watcher_, &CupsWorker::polled, this, [this](const QList<host::Destination>& queues, const QString& error) {
            pollPending_ = false;
            emit polled(queues, error);
        });
        watchThread_->start();
        watchTimer_ = new QTimer(this);
        watchTimer_->setInterval(watchInterval_);
        connect(watchTimer_, &QTimer::timeout, this, &CupsClient::pollNow);
    }
    if (watchTimer_->isActive()) return;
    watchTimer_->start();
    pollNow();
}

void CupsClient::stopWatching()
{
    if (watchTimer_) watchTimer_->stop();
}

bool CupsClient::isWatching() const { return watchTimer_ && watchTimer_->isActive(); }

void CupsClient::setWatchInterval(int milliseconds)
{
    watchInterval_ = std::max(50, milliseconds);
    if (watchTimer_) watchTimer_->setInterval(watchInterval_);
}

void CupsClient::pollNow()
{
    // One request at a time: a server slower than the interval is asked again only
    // once it has answered.
    if (pollPending_ || !watcher_) return;
    pollPending_ = true;
    QMetaObject::invokeMethod(watcher_, &CupsWorker::poll, Qt::QueuedConnection);
}

void CupsClient::enumerate()
{
    QMetaObject::invokeMethod(worker_, &CupsWorker::enumerate, Qt::QueuedConnection);
}

quint64 CupsClient::fetchPpd(const QString& queue)
{
    const quint64 request = nextRequest_++;
    CupsWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, request, queue] { worker->fetchPpd(request, queue); },
                              Qt::QueuedConnection);
    return request;
}

quint64 CupsClient::submit(const JobRequest& job)
{
    const quint64 request = nextRequest_++;
    CupsWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, request, job] { worker->submit(request, job); },
                              Qt::QueuedConnection);
    return request;
}

quint64 CupsClient::saveDefaults(const DefaultsRequest& defaults)
{
    const quint64 request = nextRequest_++;
    CupsWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, request, defaults] { worker->saveDefaults(request, defaults); },
                              Qt::QueuedConnection);
    return request;
}

} // namespace host
