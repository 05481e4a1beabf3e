#pragma once
// How a document's pages land on the sheets of paper: the page range, pages per sheet
// with their order, orientation, paper size, fit to page and gray output. The Layout and
// Paper page fills it in; the preview draws from it.
#include <QCoreApplication>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cups/ppd.h>

namespace host {

class JobOptions;

// Pages from 1, both ends included; `last` 0 runs to the end of the document.
struct PageRange {
    int first = 1;
    int last = 0;
    bool operator==(const PageRange&) const = default;
};

class PageRanges {
    Q_DECLARE_TR_FUNCTIONS(host::PageRanges)

public:
    // Reads a list such as "1-3, 7, 10-" (spaces allowed). False with a sentence for the
    // user when it is no such list, names page 0, runs backwards ("5-3"), or names a page
    // past `pageCount` (when known, that is > 0). With `sheets` the numbers count sheets
    // of paper (CUPS applies page-ranges after putting several pages on a sheet).
    static bool parse(const QString& text, QList<PageRange>* ranges, QString* problem, int pageCount = 0,
                      bool sheets = false);
    // The ranges as CUPS takes them in page-ranges ("1-3,7,10-"): ascending, merged.
    static QString format(const QList<PageRange>& ranges);
    // The pages (from 0) of a document of `pageCount` pages that `ranges` select, in
    // ascending order, each once; every page for no ranges.
    static QList<int> select(const QList<PageRange>& ranges, int pageCount);
};

// Orientations as orientation-requested numbers them.
enum Orientation { Portrait = 3, Landscape = 4, ReverseLandscape = 5, ReversePortrait = 6 };

struct PrintLayout {
    QSizeF paper{612, 792};           // points, upright, as the printer description gives it
    int orientation = Portrait;
    int numberUp = 1;                 // 1, 2, 4, 6, 9 or 16
    QString numberUpLayout = QStringLiteral("lrtb");
    QString pageBorder = QStringLiteral("none");
    QList<PageRange> ranges;          // empty: every page; with several pages a sheet,
                                      // sheets (as CUPS's filters read page-ranges)
    bool fitToPage = false;
    bool gray = false;

    bool operator==(const PrintLayout&) const = default;

    // The sheet as the user holds it to read: landscape orientations turn it.
    QSizeF sheetSize() const;
    int sheetCount(int documentPages) const;

    struct Cell {
        int page = -1;    // the document's page (from 0)
        QRectF area;      // the part of the sheet the page is fitted into, in points
    };
    // The pages on sheet `sheet` (from 0), in their places.
    QList<Cell> cells(int sheet, int documentPages) const;
    // Where a page of `pageSize` points is drawn inside `cell`, and whether it is turned
    // a quarter to fit the cell better (as CUPS turns pages for 2 and 6 per sheet).
    QRectF placePage(const QRectF& cell, QSizeF pageSize, bool* turned) const;
};

// Whether the job prints in gray: the printer description's ColorModel marked as a gray
// choice, or print-color-mode / ColorModel among the job options saying so.
bool printsInGray(ppd_file_t* ppd, const JobOptions& options);

} // namespace host
