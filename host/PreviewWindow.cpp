#include "host/PreviewWindow.h"

#include "host/PreviewService.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace host {

namespace {

constexpr int kSheetMargin = 18;
constexpr double kMinDpi = 10;
constexpr double kMaxDpi = 400;
// A page drawn at this share of the resolution it needs is good enough to keep.
constexpr double kGoodEnough = 0.8;

} // namespace

// The shown sheet: white paper on a gray desk, each page in its place.
class PreviewSheetView : public QWidget {
public:
    explicit PreviewSheetView(PreviewWindow* window) : QWidget(window), window_(window)
    {
        setObjectName(QStringLiteral("previewSheet"));
        setMinimumSize(320, 360);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    // Device-independent pixels per point, and the sheet's place in the view.
    double scale() const
    {
        const QSizeF sheet = window_->layout_.sheetSize();
        if (sheet.isEmpty()) return 1;
        return std::max(0.01, std::min((width() - 2.0 * kSheetMargin) / sheet.width(),
                                       (height() - 2.0 * kSheetMargin) / sheet.height()));
    }
    QRectF sheetRect() const
    {
        const QSizeF size = window_->layout_.sheetSize() * scale();
        QRectF rect(QPointF(0, 0), size);
        rect.moveCenter(QRectF(this->rect()).center());
        return rect;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Mid));
        const PrintLayout& layout = window_->layout_;
        const QRectF sheet = sheetRect();
        p.fillRect(sheet.translated(2, 3), QColor(0, 0, 0, 70));
        p.fillRect(sheet, Qt::white);
        if (window_->pageCount_ <= 0) return;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(sheet);
        p.translate(sheet.topLeft());
        const double s = scale();
        p.scale(s, s);
        for (const PrintLayout::Cell& cell : layout.cells(window_->sheet_, window_->pageCount_)) {
            const QSizeF size = window_->pageSizes_.value(cell.page, layout.paper);
            bool turned = false;
            const QRectF area = layout.placePage(cell.area, size, &turned);
            const QImage image = window_->pageImage(cell.page);
            if (image.isNull()) {
                p.fillRect(area, QColor(236, 236, 236));
            } else if (turned) {
                p.save();
                p.translate(area.center());
                p.rotate(-90);
                p.drawImage(QRectF(-area.height() / 2, -area.width() / 2, area.height(), area.width()), image);
                p.restore();
            } else {
                p.drawImage(area, image);
            }
            if (layout.numberUp > 1 && layout.pageBorder != QLatin1String("none")) {
                const bool thick = layout.pageBorder.endsWith(QLatin1String("thick"));
                QPen pen(Qt::black);
                pen.setWidthF(thick ? 1.0 : 1.0 / s); // 1 pt, or a hairline
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(area);
                if (layout.pageBorder.startsWith(QLatin1String("double"))) p.drawRect(area.adjusted(-3, -3, 3, 3));
            }
        }
    }

private:
    PreviewWindow* window_;
};

PreviewWindow::PreviewWindow(PreviewService* service, const Document& document, QWidget* parent)
    : QDialog(parent, Qt::Window), service_(service), document_(document)
{
    setObjectName(QStringLiteral("previewWindow"));
    setWindowTitle(tr("Preview of \u201c%1\u201d").arg(document_.name));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 10);
    root->setSpacing(8);
    view_ = new PreviewSheetView(this);
    view_->setAccessibleName(tr("Sheet"));
    root->addWidget(view_, 1);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("previewMessage"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setContentsMargins(14, 0, 14, 0);
    QPalette warning = message_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0x3c, 0x00));
    message_->setPalette(warning);
    message_->setVisible(false);
    root->addWidget(message_);

    auto makeButton = [this](const char* name, QStyle::StandardPixmap icon, const QString& spoken) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setAccessibleName(spoken);
        button->setToolTip(spoken);
        button->setAutoRaise(true);
        return button;
    };
    first_ = makeButton("previewFirst", QStyle::SP_MediaSkipBackward, tr("First sheet"));
    previous_ = makeButton("previewPrevious", QStyle::SP_MediaSeekBackward, tr("Previous sheet"));
    next_ = makeButton("previewNext", QStyle::SP_MediaSeekForward, tr("Next sheet"));
    last_ = makeButton("previewLast", QStyle::SP_MediaSkipForward, tr("Last sheet"));
    sheetText_ = new QLabel(this);
    sheetText_->setObjectName(QStringLiteral("previewSheetText"));
    sheetText_->setAlignment(Qt::AlignCenter);
    sheetText_->setMinimumWidth(110);
    countText_ = new QLabel(this);
    countText_->setObjectName(QStringLiteral("previewCountText"));
    countText_->setForegroundRole(QPalette::PlaceholderText);
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("previewClose"));
    close_->setDefault(true);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(10, 0, 12, 0);
    bar->setSpacing(4);
    bar->addWidget(first_);
    bar->addWidget(previous_);
    bar->addWidget(sheetText_);
    bar->addWidget(next_);
    bar->addWidget(last_);
    bar->addSpacing(12);
    bar->addWidget(countText_);
    bar->addStretch(1);
    bar->addWidget(close_);
    root->addLayout(bar);

    connect(first_, &QToolButton::clicked, this, [this] { showSheet(0); });
    connect(previous_, &QToolButton::clicked, this, [this] { showSheet(sheet_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { showSheet(sheet_ + 1); });
    connect(last_, &QToolButton::clicked, this, [this] { showSheet(sheetCount() - 1); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    resize(560, 740);
    updateControls();
    if (service_) {
        connect(service_, &PreviewService::pagesCounted, this, &PreviewWindow::pagesCounted);
        connect(service_, &PreviewService::pageRendered, this, &PreviewWindow::pageRendered);
        countRequest_ = service_->countPages(document_);
    } else {
        failed_ = true;
        setMessage(PreviewService::problemText(PreviewProblem::NoModule));
    }
}

PreviewWindow::~PreviewWindow()
{
    if (service_) service_->dropRenders();
}

int PreviewWindow::sheetCount() const { return pageCount_ > 0 ? layout_.sheetCount(pageCount_) : 0; }

QString PreviewWindow::message() const { return message_->isVisibleTo(this) ? message_->text() : QString(); }

QImage PreviewWindow::pageImage(int page) const
{
    const auto it = pages_.constFind(page);
    if (it == pages_.cend()) return QImage();
    return layout_.gray ? it->gray : it->color;
}

QList<int> PreviewWindow::pagesOn(int sheet) const
{
    QList<int> pages;
    if (pageCount_ > 0)
        for (const PrintLayout::Cell& cell : layout_.cells(sheet, pageCount_)) pages << cell.page;
    return pages;
}

bool PreviewWindow::isSheetComplete() const
{
    const QList<int> pages = pagesOn(sheet_);
    if (pages.isEmpty()) return false;
    for (int page : pages)
        if (!pages_.contains(page)) return false;
    return true;
}

void PreviewWindow::setPrintLayout(const PrintLayout& layout)
{
    if (layout == layout_) return;
    layout_ = layout;
    sheet_ = std::clamp(sheet_, 0, std::max(0, sheetCount() - 1));
    announcedSheet_ = -1;
    updateControls();
    requestSheet();
    view_->update();
    checkComplete();
}

void PreviewWindow::showSheet(int sheet)
{
    const int wanted = std::clamp(sheet, 0, std::max(0, sheetCount() - 1));
    if (wanted == sheet_) return;
    sheet_ = wanted;
    announcedSheet_ = -1;
    updateControls();
    requestSheet();
    view_->update();
    checkComplete();
}

void PreviewWindow::pagesCounted(quint64 request, int pages, PreviewProblem problem, const QString& detail)
{
    if (request != countRequest_) return;
    if (problem != PreviewProblem::None) {
        failed_ = true;
        pageCount_ = -1;
        const QString text = PreviewService::problemText(problem, detail);
        setMessage(text);
        updateControls();
        view_->update();
        emit failed(text);
        return;
    }
    pageCount_ = pages;
    if (pages == 0) setMessage(tr("The document has no pages."));
    sheet_ = std::clamp(sheet_, 0, std::max(0, sheetCount() - 1));
    updateControls();
    requestSheet();
    view_->update();
}

void PreviewWindow::pageRendered(quint64 /*request*/, int page, const QImage& image, const QSizeF& pageSize,
                                 PreviewProblem problem, const QString& detail)
{
    const double asked = pending_.take(page);
    if (!pageSize.isEmpty()) pageSizes_.insert(page, pageSize);
    if (image.isNull()) {
        setMessage(PreviewService::problemText(problem == PreviewProblem::None ? PreviewProblem::Failed : problem,
                                               detail));
        return;
    }
    const auto it = pages_.constFind(page);
    if (it == pages_.cend() || it->dpi < asked) {
        Rendered rendered;
        rendered.color = image;
        rendered.gray = image.convertToFormat(QImage::Format_Grayscale8);
        rendered.dpi = asked;
        pages_.insert(page, rendered);
    }
    // With the page's real size known, a sharper copy may be wanted.
    for (const PrintLayout::Cell& cell : layout_.cells(sheet_, std::max(0, pageCount_)))
        if (cell.page == page) requestPage(cell);
    view_->update();
    checkComplete();
}

double PreviewWindow::wantedDpi(const PrintLayout::Cell& cell) const
{
    const QSizeF size = pageSizes_.value(cell.page, layout_.paper);
    bool turned = false;
    const QRectF area = layout_.placePage(cell.area, size, &turned);
    const double pageWidth = turned ? size.height() : size.width();
    if (pageWidth <= 0) return 72;
    const double pointsOnScreen = area.width() / pageWidth * view_->scale() * view_->devicePixelRatioF();
    return std::clamp(72.0 * pointsOnScreen, kMinDpi, kMaxDpi);
}

void PreviewWindow::requestSheet()
{
    if (!service_ || failed_ || pageCount_ <= 0) return;
    // What was asked for other sheets is no longer wanted.
    service_->dropRenders();
    pending_.clear();
    for (const PrintLayout::Cell& cell : layout_.cells(sheet_, pageCount_)) requestPage(cell);
}

void PreviewWindow::requestPage(const PrintLayout::Cell& cell)
{
    if (!service_ || pending_.contains(cell.page)) return;
    const double dpi = wantedDpi(cell);
    const auto it = pages_.constFind(cell.page);
    if (it != pages_.cend() && it->dpi >= dpi * kGoodEnough) return;
    pending_.insert(cell.page, dpi);
    service_->renderPage(document_, cell.page, dpi);
}

void PreviewWindow::checkComplete()
{
    if (announcedSheet_ == sheet_ || !isSheetComplete()) return;
    announcedSheet_ = sheet_;
    view_->repaint();
    emit sheetShown(sheet_);
}

void PreviewWindow::updateControls()
{
    const int sheets = sheetCount();
    const bool any = sheets > 0;
    sheetText_->setText(any ? tr("Sheet %1 of %2").arg(sheet_ + 1).arg(sheets) : QString());
    first_->setEnabled(any && sheet_ > 0);
    previous_->setEnabled(any && sheet_ > 0);
    next_->setEnabled(any && sheet_ < sheets - 1);
    last_->setEnabled(any && sheet_ < sheets - 1);
    if (pageCount_ < 0) {
        countText_->setText(failed_ ? QString() : tr("Counting the pages\u2026"));
    } else {
        const QString pages = pageCount_ == 1 ? tr("1 page") : tr("%1 pages").arg(pageCount_);
        const QString onSheets = sheets == 1 ? tr("1 sheet") : tr("%1 sheets").arg(sheets);
        countText_->setText(tr("%1, printed on %2").arg(pages, onSheets));
    }
    if (pageCount_ > 0 && sheets == 0) setMessage(tr("The page range selects no page of the document."));
    else if (!failed_ && pageCount_ > 0) setMessage(QString());
}

void PreviewWindow::setMessage(const QString& text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down: showSheet(sheet_ + 1); return;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up: showSheet(sheet_ - 1); return;
    case Qt::Key_Home: showSheet(0); return;
    case Qt::Key_End: showSheet(sheetCount() - 1); return;
    default: QDialog::keyPressEvent(event);
    }
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    requestSheet();
}

} // namespace host
