#include "host/SecretStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

namespace host {

namespace {

// One request, answered once: when the store's job finishes or when its time is up,
// whichever comes first.
template <class Done>
class Request {
public:
    Request(Done done, QTimer* limit) : done_(std::move(done)), limit_(limit) {}

    template <class... Args>
    void answer(Args&&... args)
    {
        if (answered_) return;
        answered_ = true;
        if (limit_) limit_->deleteLater();
        Done call = std::move(done_);
        call(std::forward<Args>(args)...);
    }

private:
    Done done_;
    QPointer<QTimer> limit_;
    bool answered_ = false;
};

template <class Done, class OnTimeout>
std::shared_ptr<Request<Done>> startRequest(QObject* owner, int timeoutMs, Done done, OnTimeout onTimeout)
{
    auto* limit = new QTimer(owner);
    limit->setSingleShot(true);
    auto request = std::make_shared<Request<Done>>(std::move(done), limit);
    // The timer holds the request until it fires or is let go of with the answer.
    QObject::connect(limit, &QTimer::timeout, owner, [request, onTimeout] { onTimeout(*request); });
    limit->start(timeoutMs);
    return request;
}

} // namespace

SecretStore::SecretStore(QObject* parent) : QObject(parent) {}

SecretStore::~SecretStore() = default;

QString SecretStore::serviceName() { return QStringLiteral("orvan-print"); }

QString SecretStore::entryName(const QString& printer)
{
    return printer.isEmpty() ? QStringLiteral("file") : QStringLiteral("printer/") + printer;
}

// A job is never deleted before it finishes (the keyring library calls back into it), so
// it has no parent and deletes itself; this object only listens, so an answer that comes
// after it is gone reaches nobody.

void SecretStore::read(const QString& printer, ReadDone done)
{
    auto request = startRequest(this, timeoutMs_, std::move(done), [](Request<ReadDone>& r) {
        r.answer(Secrets(), tr("the secret store did not answer"));
    });
    auto* job = new QKeychain::ReadPasswordJob(serviceName());
    job->setKey(entryName(printer));
    job->setInsecureFallback(false); // never a file instead
    connect(job, &QKeychain::Job::finished, this, [request](QKeychain::Job* finished) {
        auto* reader = static_cast<QKeychain::ReadPasswordJob*>(finished);
        if (reader->error() == QKeychain::EntryNotFound) {
            request->answer(Secrets(), QString());
            return;
        }
        if (reader->error() != QKeychain::NoError) {
            request->answer(Secrets(), reader->errorString());
            return;
        }
        Secrets secrets;
        const QJsonObject object = QJsonDocument::fromJson(reader->textData().toUtf8()).object();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (it.value().isString()) secrets.insert(it.key(), it.value().toString());
        request->answer(secrets, QString());
    });
    job->start();
}

void SecretStore::write(const QString& printer, const Secrets& secrets, WriteDone done)
{
    auto request = startRequest(this, timeoutMs_, std::move(done), [](Request<WriteDone>& r) {
        r.answer(false, tr("the secret store did not answer"));
    });
    QKeychain::Job* job = nullptr;
    if (secrets.isEmpty()) {
        job = new QKeychain::DeletePasswordJob(serviceName());
    } else {
        auto* writer = new QKeychain::WritePasswordJob(serviceName());
        QJsonObject object;
        for (auto it = secrets.cbegin(); it != secrets.cend(); ++it) object.insert(it.key(), it.value());
        writer->setTextData(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        job = writer;
    }
    job->setKey(entryName(printer));
    job->setInsecureFallback(false);
    const bool forgetting = secrets.isEmpty();
    connect(job, &QKeychain::Job::finished, this, [request, forgetting](QKeychain::Job* finished) {
        // Forgetting what was never kept is no failure.
        const bool ok = finished->error() == QKeychain::NoError ||
                        (forgetting && finished->error() == QKeychain::EntryNotFound);
        request->answer(ok && !forgetting, ok ? QString() : finished->errorString());
    });
    job->start();
}

} // namespace host
