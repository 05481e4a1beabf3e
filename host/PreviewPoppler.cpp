// orvan-print's preview module: PDF through poppler, PostScript turned into PDF by
// ghostscript first. Loaded on the preview worker thread at the first page count or
// preview, never at start-up.
#include "host/PreviewRenderer.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <poppler-qt6.h>

namespace host {

namespace {

// Poppler reports every oddity of a damaged file on its own; what matters reaches the
// user as one sentence from the host.
void quiet(const QString& /*message*/, const QVariant& /*closure*/) {}

// The last line of a program's complaint, for the detail of a message.
QString lastLine(const QByteArray& output)
{
    const QList<QByteArray> lines = output.trimmed().split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (!it->trimmed().isEmpty()) return QString::fromLocal8Bit(it->trimmed()).left(200);
    return QString();
}

class PopplerDocument : public PreviewDocument {
public:
    explicit PopplerDocument(std::unique_ptr<Poppler::Document> document) : document_(std::move(document))
    {
        document_->setRenderHint(Poppler::Document::Antialiasing, true);
        document_->setRenderHint(Poppler::Document::TextAntialiasing, true);
    }

    int pageCount() const override { return document_->numPages(); }

    QSizeF pageSize(int page) const override
    {
        const std::unique_ptr<Poppler::Page> p = document_->page(page);
        return p ? p->pageSizeF() : QSizeF();
    }

    QImage render(int page, double dpi, QString* detail) override
    {
        const std::unique_ptr<Poppler::Page> p = document_->page(page);
        if (!p) {
            *detail = QStringLiteral("page %1 is not in the document").arg(page + 1);
            return QImage();
        }
        QImage image = p->renderToImage(dpi, dpi);
        if (image.isNull()) *detail = QStringLiteral("page %1 could not be drawn").arg(page + 1);
        return image;
    }

private:
    std::unique_ptr<Poppler::Document> document_;
};

class PopplerRenderer : public QObject, public PreviewRenderer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OrvanPreviewRenderer_iid)
    Q_INTERFACES(host::PreviewRenderer)

public:
    PopplerRenderer() { Poppler::setDebugErrorFunction(quiet, QVariant()); }

    std::unique_ptr<PreviewDocument> open(const QByteArray& data, const QString& format, PreviewProblem* problem,
                                          QString* detail) override
    {
        *problem = PreviewProblem::None;
        if (format == QLatin1String("application/pdf")) return openPdf(data, problem, detail);
        if (format == QLatin1String("application/postscript")) {
            QByteArray pdf;
            if (!postScriptToPdf(data, &pdf, problem, detail)) return nullptr;
            return openPdf(pdf, problem, detail);
        }
        *problem = PreviewProblem::Unsupported;
        return nullptr;
    }

private:
    static std::unique_ptr<PreviewDocument> openPdf(const QByteArray& data, PreviewProblem* problem, QString* detail)
    {
        std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(data);
        if (!document) {
            *problem = PreviewProblem::Damaged;
            return nullptr;
        }
        if (document->isLocked()) {
            *problem = PreviewProblem::Encrypted;
            return nullptr;
        }
        if (document->numPages() > 0 && !document->page(0)) {
            *problem = PreviewProblem::Damaged;
            *detail = QStringLiteral("its first page cannot be read");
            return nullptr;
        }
        return std::make_unique<PopplerDocument>(std::move(document));
    }

    // ghostscript's PDF writer, in a private directory, within a time limit.
    static bool postScriptToPdf(const QByteArray& data, QByteArray* pdf, PreviewProblem* problem, QString* detail)
    {
        const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
        if (gs.isEmpty()) {
            *problem = PreviewProblem::NoGhostscript;
            return false;
        }
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/orvan-preview-XXXXXX"));
        if (!dir.isValid()) {
            *problem = PreviewProblem::Failed;
            *detail = dir.errorString();
            return false;
        }
        const QString in = dir.filePath(QStringLiteral("document.ps"));
        const QString out = dir.filePath(QStringLiteral("document.pdf"));
        QFile input(in);
        if (!input.open(QIODevice::WriteOnly) || input.write(data) != data.size()) {
            *problem = PreviewProblem::Failed;
            *detail = input.errorString();
            return false;
        }
        input.close();
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                           QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                           QStringLiteral("-sOutputFile=") + out, QStringLiteral("--"), in});
        if (!process.waitForStarted(10000)) {
            *problem = PreviewProblem::NoGhostscript;
            *detail = process.errorString();
            return false;
        }
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished(5000);
            *problem = PreviewProblem::Failed;
            *detail = QStringLiteral("ghostscript took longer than two minutes");
            return false;
        }
        const QByteArray said = process.readAll();
        QFile output(out);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
            !output.open(QIODevice::ReadOnly)) {
            *problem = PreviewProblem::Damaged;
            *detail = lastLine(said);
            return false;
        }
        *pdf = output.readAll();
        return true;
    }
};

} // namespace

} // namespace host

#include "PreviewPoppler.moc"
