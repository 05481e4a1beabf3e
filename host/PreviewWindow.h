#pragma once
// The preview: the document's pages on sheets of paper as they will print (paper size,
// orientation, pages per sheet, page range, gray output), a sheet at a time, drawn on
// the preview worker so that the window never waits for the renderer.
#include "host/JobOptions.h"
#include "host/PreviewLayout.h"
#include "host/PreviewRenderer.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSizeF>

class QLabel;
class QPushButton;
class QToolButton;

namespace host {

class PreviewService;
class PreviewSheetView;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    // `service` makes the pages; the window lets go of it when it goes first.
    PreviewWindow(PreviewService* service, const Document& document, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The sheets to show; the same sheet stays shown when it still exists.
    void setPrintLayout(const PrintLayout& layout);
    const PrintLayout& printLayout() const { return layout_; }

    void showSheet(int sheet);
    int sheet() const { return sheet_; }
    int sheetCount() const;
    // The document's pages: -1 until they are counted or when they cannot be.
    int pageCount() const { return pageCount_; }
    // What the window says instead of (or besides) the pages; empty when all is well.
    QString message() const;
    // Page `page` (from 0) as drawn now, gray for gray output; null while not drawn.
    QImage pageImage(int page) const;
    // The pages of sheet `sheet`, from 0.
    QList<int> pagesOn(int sheet) const;
    // Whether every page of the shown sheet is drawn.
    bool isSheetComplete() const;

signals:
    // Every page of the shown sheet is drawn.
    void sheetShown(int sheet);
    // The document cannot be shown; the window says why.
    void failed(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class PreviewSheetView;
    struct Rendered {
        QImage color;
        QImage gray;
        double dpi = 0;
    };

    void pagesCounted(quint64 request, int pages, PreviewProblem problem, const QString& detail);
    void pageRendered(quint64 request, int page, const QImage& image, const QSizeF& pageSize, PreviewProblem problem,
                      const QString& detail);
    void requestSheet();
    void requestPage(const PrintLayout::Cell& cell);
    double wantedDpi(const PrintLayout::Cell& cell) const;
    void updateControls();
    void setMessage(const QString& text);
    void checkComplete();

    QPointer<PreviewService> service_;
    Document document_;
    PrintLayout layout_;
    int pageCount_ = -1;
    int sheet_ = 0;
    quint64 countRequest_ = 0;
    QHash<int, Rendered> pages_;
    QHash<int, QSizeF> pageSizes_;
    QHash<int, double> pending_; // page -> dpi asked for
    bool failed_ = false;
    int announcedSheet_ = -1;

    PreviewSheetView* view_ = nullptr;
    QToolButton* first_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* last_ = nullptr;
    QLabel* sheetText_ = nullptr;
    QLabel* countText_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace host
