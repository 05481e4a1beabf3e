#pragma once
// What orvan-print asks of its preview module: open a document, count its pages, draw a
// page. The module (orvan-preview.so, beside the platform library) holds the real
// renderers, so that nothing of them is loaded before the first preview or page count.
// Everything here runs on the preview worker thread.
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QtPlugin>

#include <memory>

namespace host {

// Why a document cannot be shown; the host words each for the user.
enum class PreviewProblem {
    None,
    NoModule,      // the preview module is not installed or cannot be loaded
    NoGhostscript, // PostScript needs ghostscript, which is not installed
    Encrypted,     // a PDF that needs a password to open
    Damaged,       // a PDF or PostScript document that cannot be read
    Unsupported,   // neither PDF nor PostScript
    Failed,        // a page could not be drawn
};

class PreviewDocument {
public:
    virtual ~PreviewDocument() = default;
    virtual int pageCount() const = 0;
    // The page's size in points, as it is shown (its rotation applied).
    virtual QSizeF pageSize(int page) const = 0;
    // Page `page` (from 0) at `dpi`; a null image with the reason in `detail` on failure.
    virtual QImage render(int page, double dpi, QString* detail) = 0;
};

class PreviewRenderer {
public:
    virtual ~PreviewRenderer() = default;
    // Opens `data` of MIME type `format` ("application/pdf", "application/postscript");
    // null with the problem (and a line from the renderer in `detail`) on failure.
    virtual std::unique_ptr<PreviewDocument> open(const QByteArray& data, const QString& format,
                                                  PreviewProblem* problem, QString* detail) = 0;
};

} // namespace host

#define OrvanPreviewRenderer_iid "org.orvan.print.PreviewRenderer/1.0"
Q_DECLARE_INTERFACE(host::PreviewRenderer, OrvanPreviewRenderer_iid)
