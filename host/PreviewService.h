#pragma once
// Page counts and page images of the document, made on a worker thread of their own by
// the preview module, which that thread loads on the first request. The dialog never
// waits: answers come back as queued signals.
#include "host/JobOptions.h"
#include "host/PreviewRenderer.h"

#include <QImage>
#include <QMetaType>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QThread>

#include <atomic>

namespace host {

class PreviewWorker;

class PreviewService : public QObject {
    Q_OBJECT
public:
    explicit PreviewService(QObject* parent = nullptr);
    ~PreviewService() override; // waits for the request under way to end

    // The preview module: $ORVAN_PRINT_PREVIEW_MODULE, or orvan-preview.so beside the
    // platform library (the build tree and the installed tree alike).
    static QString modulePath();
    // A sentence for the user about `problem`.
    static QString problemText(PreviewProblem problem, const QString& detail = QString());

    quint64 countPages(const Document& document);
    quint64 renderPage(const Document& document, int page, double dpi);
    // Render requests made so far and not yet started are dropped (the user moved on).
    void dropRenders();

signals:
    // `pages` is -1 with a problem.
    void pagesCounted(quint64 request, int pages, host::PreviewProblem problem, const QString& detail);
    // `pageSize` in points; a null image with a problem.
    void pageRendered(quint64 request, int page, const QImage& image, const QSizeF& pageSize,
                      host::PreviewProblem problem, const QString& detail);

private:
    QThread thread_;
    PreviewWorker* worker_; // deleted on its thread when the thread finishes
    quint64 nextRequest_ = 1;
    std::shared_ptr<std::atomic<quint64>> renderFloor_;
};

} // namespace host

Q_DECLARE_METATYPE(host::PreviewProblem)
