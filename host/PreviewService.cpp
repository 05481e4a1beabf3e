#include "host/PreviewService.h"

#include "platform/Alert.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

#include <dlfcn.h>

namespace host {

// Lives on the service's thread; everything it does happens there.
class PreviewWorker : public QObject {
public:
    explicit PreviewWorker(PreviewService* service) : service_(service) {}

    ~PreviewWorker() override
    {
        // The document goes before the module that made it; the module stays loaded
        // (poppler keeps process-wide state of its own).
        document_.reset();
    }

    void count(quint64 request, const Document& document)
    {
        const Opened& opened = open(document);
        const int pages = opened.document ? opened.document->pageCount() : -1;
        PreviewService* service = service_;
        const PreviewProblem problem = opened.problem;
        const QString detail = opened.detail;
        QMetaObject::invokeMethod(
            service, [=] { emit service->pagesCounted(request, pages, problem, detail); }, Qt::QueuedConnection);
    }

    void render(quint64 request, const Document& document, int page, double dpi, quint64 floor)
    {
        if (request < floor) return; // dropped: the user moved on
        const Opened& opened = open(document);
        QImage image;
        QSizeF size;
        PreviewProblem problem = opened.problem;
        QString detail = opened.detail;
        if (opened.document) {
            size = opened.document->pageSize(page);
            image = opened.document->render(page, dpi, &detail);
            if (image.isNull()) problem = PreviewProblem::Failed;
        }
        PreviewService* service = service_;
        QMetaObject::invokeMethod(
            service, [=] { emit service->pageRendered(request, page, image, size, problem, detail); },
            Qt::QueuedConnection);
    }

private:
    struct Opened {
        std::unique_ptr<PreviewDocument> document;
        PreviewProblem problem = PreviewProblem::None;
        QString detail;
    };

    // The document opened once: a count and the pages after it reuse it.
    const Opened& open(const Document& document)
    {
        const bool same = opened_ && data_.size() == document.data.size() &&
                          (data_.constData() == document.data.constData() || data_ == document.data) &&
                          format_ == document.format;
        if (same) return *document_;
        document_ = std::make_unique<Opened>();
        opened_ = true;
        data_ = document.data;
        format_ = document.format;
        if (!loadRenderer(&document_->detail)) {
            document_->problem = PreviewProblem::NoModule;
            return *document_;
        }
        document_->document = renderer_->open(document.data, document.format, &document_->problem, &document_->detail);
        if (!document_->document && document_->problem == PreviewProblem::None)
            document_->problem = PreviewProblem::Damaged;
        return *document_;
    }

    bool loadRenderer(QString* detail)
    {
        if (renderer_) return true;
        if (!moduleError_.isEmpty()) {
            *detail = moduleError_;
            return false;
        }
        const QString path = PreviewService::modulePath();
        QPluginLoader loader(path);
        QObject* root = loader.instance();
        renderer_ = qobject_cast<PreviewRenderer*>(root);
        if (!renderer_) {
            moduleError_ = root ? QStringLiteral("%1 is no preview module").arg(path)
                                : (QFileInfo::exists(path) ? loader.errorString()
                                                           : QStringLiteral("%1 is not installed").arg(path));
            *detail = moduleError_;
            return false;
        }
        // The module's root object outlives this thread; it belongs with the application.
        if (QCoreApplication::instance()) root->moveToThread(QCoreApplication::instance()->thread());
        return true;
    }

    PreviewService* service_;
    PreviewRenderer* renderer_ = nullptr; // the module's root object, kept by Qt's plug-in loader
    QString moduleError_;
    bool opened_ = false;
    QByteArray data_;
    QString format_;
    std::unique_ptr<Opened> document_;
};

PreviewService::PreviewService(QObject* parent)
    : QObject(parent), worker_(new PreviewWorker(this)), renderFloor_(std::make_shared<std::atomic<quint64>>(0))
{
    qRegisterMetaType<host::PreviewProblem>();
    thread_.setObjectName(QStringLiteral("preview"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

PreviewService::~PreviewService()
{
    dropRenders();
    thread_.quit();
    thread_.wait();
}

QString PreviewService::modulePath()
{
    const QString fromEnvironment = qEnvironmentVariable("ORVAN_PRINT_PREVIEW_MODULE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    // Beside the platform library, wherever that was loaded from.
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&platform::runAlert), &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath() + QStringLiteral("/orvan-preview.so");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/orvan-print/orvan-preview.so");
}

QString PreviewService::problemText(PreviewProblem problem, const QString& detail)
{
    QString text;
    switch (problem) {
    case PreviewProblem::None: return QString();
    case PreviewProblem::NoModule:
        text = tr("The preview cannot be shown: its renderer (orvan-preview.so, which needs the poppler "
                  "library for Qt) is missing.");
        break;
    case PreviewProblem::NoGhostscript:
        text = tr("PostScript documents need ghostscript to be previewed, and it is not installed.");
        break;
    case PreviewProblem::Encrypted:
        text = tr("The document is encrypted: it opens only with its password, which orvan-print cannot ask for.");
        break;
    case PreviewProblem::Damaged: text = tr("The document is damaged and cannot be read."); break;
    case PreviewProblem::Unsupported: text = tr("Only PDF and PostScript documents can be previewed."); break;
    case PreviewProblem::Failed: text = tr("A page of the document could not be drawn."); break;
    }
    return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
}

quint64 PreviewService::countPages(const Document& document)
{
    const quint64 request = nextRequest_++;
    PreviewWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, request, document] { worker->count(request, document); },
                              Qt::QueuedConnection);
    return request;
}

quint64 PreviewService::renderPage(const Document& document, int page, double dpi)
{
    const quint64 request = nextRequest_++;
    PreviewWorker* worker = worker_;
    auto floor = renderFloor_;
    QMetaObject::invokeMethod(
        worker, [worker, request, document, page, dpi, floor] { worker->render(request, document, page, dpi, floor->load()); },
        Qt::QueuedConnection);
    return request;
}

void PreviewService::dropRenders() { renderFloor_->store(nextRequest_); }

} // namespace host
