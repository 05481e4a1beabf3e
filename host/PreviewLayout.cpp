// ppdFindMarkedChoice: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/PreviewLayout.h"

#include "host/JobOptions.h"


#include <algorithm>
#include <cmath>

namespace host {

namespace {

QString quoted(const QString& text) { return QStringLiteral("\u201c%1\u201d").arg(text); }

// Columns and rows of `numberUp` pages on a sheet wider than it is tall.
QPair<int, int> wideGrid(int numberUp)
{
    switch (numberUp) {
    case 2: return {2, 1};
    case 4: return {2, 2};
    case 6: return {3, 2};
    case 9: return {3, 3};
    case 16: return {4, 4};
    default: return {1, 1};
    }
}

bool isGrayChoice(const QString& choice)
{
    const QString c = choice.toLower();
    return c.contains(QLatin1String("gray")) || c.contains(QLatin1String("grey")) ||
           c.contains(QLatin1String("mono")) || c.contains(QLatin1String("black")) || c == QLatin1String("k") ||
           c == QLatin1String("bi-level");
}

} // namespace

bool PageRanges::parse(const QString& text, QList<PageRange>* ranges, QString* problem, int pageCount, bool sheets)
{
    // Only ASCII digits are page numbers; "" stands for an open end of a range.
    auto isNumber = [](const QString& part) {
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        return true;
    };
    QList<PageRange> result;
    const QStringList pieces = text.split(QLatin1Char(','));
    for (const QString& raw : pieces) {
        const QString piece = raw.trimmed();
        if (piece.isEmpty()) continue;
        const qsizetype dash = piece.indexOf(QLatin1Char('-'));
        const QString from = (dash < 0 ? piece : piece.left(dash)).trimmed();
        const QString to = dash < 0 ? from : piece.mid(dash + 1).trimmed();
        if (!isNumber(from) || !isNumber(to) || (from.isEmpty() && to.isEmpty()) || (dash < 0 && from.isEmpty())) {
            *problem = tr("%1 is not a page or a range of pages. Write pages like this: 1-3, 7.").arg(quoted(piece));
            return false;
        }
        PageRange range;
        bool firstOk = true;
        bool lastOk = true;
        range.first = from.isEmpty() ? 1 : from.toInt(&firstOk);
        range.last = to.isEmpty() ? 0 : to.toInt(&lastOk);
        if (lastOk && !to.isEmpty() && range.last == 0) {
            *problem = tr("There is no page 0: pages are counted from 1.");
            return false;
        }
        if (!firstOk || !lastOk) {
            *problem = tr("%1 names a page far past the end of any document.").arg(quoted(piece));
            return false;
        }
        if (range.first == 0) {
            *problem = tr("There is no page 0: pages are counted from 1.");
            return false;
        }
        if (range.last != 0 && range.last < range.first) {
            *problem = tr("%1 runs backwards; write it as %2-%3.").arg(quoted(piece)).arg(range.last).arg(range.first);
            return false;
        }
        if (pageCount > 0 && std::max(range.first, range.last) > pageCount) {
            if (sheets)
                *problem = pageCount == 1
                               ? tr("With several pages a sheet the range counts sheets, and the document makes "
                                    "one; %1 is past its end.").arg(quoted(piece))
                               : tr("With several pages a sheet the range counts sheets, and the document makes "
                                    "%1; %2 is past its end.").arg(pageCount).arg(quoted(piece));
            else
                *problem = pageCount == 1
                               ? tr("The document has one page; %1 is past its end.").arg(quoted(piece))
                               : tr("The document has %1 pages; %2 is past its end.").arg(pageCount).arg(quoted(piece));
            return false;
        }
        result.append(range);
    }
    if (result.isEmpty()) {
        *problem = tr("Type the pages to print, such as 1-3, 7.");
        return false;
    }
    *ranges = result;
    return true;
}

QString PageRanges::format(const QList<PageRange>& ranges)
{
    // The print server takes ranges only in ascending order, none overlapping: "7,1-3"
    // is sent as "1-3,7" and "1-4,3-6" as "1-6".
    QList<PageRange> sorted = ranges;
    std::sort(sorted.begin(), sorted.end(), [](const PageRange& a, const PageRange& b) { return a.first < b.first; });
    QList<PageRange> merged;
    for (const PageRange& r : sorted) {
        if (!merged.isEmpty()) {
            PageRange& last = merged.last();
            if (last.last == 0) continue; // runs to the end already
            if (r.first <= last.last + 1) {
                last.last = r.last == 0 ? 0 : std::max(last.last, r.last);
                continue;
            }
        }
        merged.append(r);
    }
    QStringList parts;
    for (const PageRange& r : merged) {
        if (r.last == r.first) parts << QString::number(r.first);
        else if (r.last == 0) parts << QStringLiteral("%1-").arg(r.first);
        else parts << QStringLiteral("%1-%2").arg(r.first).arg(r.last);
    }
    return parts.join(QLatin1Char(','));
}

QList<int> PageRanges::select(const QList<PageRange>& ranges, int pageCount)
{
    QList<int> pages;
    if (pageCount <= 0) return pages;
    if (ranges.isEmpty()) {
        for (int i = 0; i < pageCount; ++i) pages << i;
        return pages;
    }
    QList<bool> chosen(pageCount, false);
    for (const PageRange& r : ranges) {
        const int last = r.last == 0 ? pageCount : std::min(r.last, pageCount);
        for (int p = std::max(1, r.first); p <= last; ++p) chosen[p - 1] = true;
    }
    for (int i = 0; i < pageCount; ++i)
        if (chosen.at(i)) pages << i;
    return pages;
}

QSizeF PrintLayout::sheetSize() const
{
    const bool turned = orientation == Landscape || orientation == ReverseLandscape;
    return turned ? paper.transposed() : paper;
}

int PrintLayout::sheetCount(int documentPages) const
{
    const int perSheet = std::max(1, numberUp);
    if (perSheet == 1) return static_cast<int>(PageRanges::select(ranges, documentPages).size());
    // Several pages a sheet: CUPS's filters take page-ranges as sheets.
    return static_cast<int>(PageRanges::select(ranges, (documentPages + perSheet - 1) / perSheet).size());
}

QList<PrintLayout::Cell> PrintLayout::cells(int sheet, int documentPages) const
{
    QList<Cell> list;
    const int perSheet = std::max(1, numberUp);
    // The document's pages in the order they land on sheets, and the first of this sheet.
    QList<int> pages;
    int first = sheet * perSheet;
    if (perSheet == 1) {
        pages = PageRanges::select(ranges, documentPages);
    } else {
        for (int i = 0; i < documentPages; ++i) pages << i;
        const QList<int> sheets = PageRanges::select(ranges, (documentPages + perSheet - 1) / perSheet);
        if (sheet < 0 || sheet >= sheets.size()) return list;
        first = sheets.at(sheet) * perSheet;
    }
    const QSizeF size = sheetSize();
    auto [columns, rows] = wideGrid(perSheet);
    if (size.height() > size.width()) std::swap(columns, rows);
    if (columns * rows != perSheet) columns = rows = 1;
    const QString order = numberUpLayout.size() == 4 ? numberUpLayout.toLower() : QStringLiteral("lrtb");
    const bool acrossFirst = order.startsWith(QLatin1String("lr")) || order.startsWith(QLatin1String("rl"));
    const bool rightToLeft = order.contains(QLatin1String("rl"));
    const bool bottomToTop = order.contains(QLatin1String("bt"));
    const double w = size.width() / columns;
    const double h = size.height() / rows;
    for (int slot = 0; slot < columns * rows; ++slot) {
        const int index = first + slot;
        if (index < 0 || index >= pages.size()) break;
        int column = acrossFirst ? slot % columns : slot / rows;
        int row = acrossFirst ? slot / columns : slot % rows;
        if (rightToLeft) column = columns - 1 - column;
        if (bottomToTop) row = rows - 1 - row;
        list.append({pages.at(index), QRectF(column * w, row * h, w, h)});
    }
    return list;
}

QRectF PrintLayout::placePage(const QRectF& cell, QSizeF pageSize, bool* turned) const
{
    *turned = false;
    if (pageSize.isEmpty()) return cell;
    if (numberUp > 1) {
        const bool pageWide = pageSize.width() > pageSize.height();
        const bool cellWide = cell.width() > cell.height();
        if (pageWide != cellWide) {
            *turned = true;
            pageSize.transpose();
        }
    }
    QSizeF drawn = pageSize;
    if (numberUp > 1 || fitToPage) drawn = pageSize.scaled(cell.size(), Qt::KeepAspectRatio);
    QRectF area(QPointF(0, 0), drawn);
    area.moveCenter(cell.center());
    return area;
}

bool printsInGray(ppd_file_t* ppd, const JobOptions& options)
{
    const QString mode = options.value(QStringLiteral("print-color-mode")).toLower();
    if (!mode.isEmpty()) return mode == QLatin1String("monochrome") || mode == QLatin1String("bi-level") ||
                                mode == QLatin1String("process-monochrome");
    if (options.contains(QStringLiteral("ColorModel"))) return isGrayChoice(options.value(QStringLiteral("ColorModel")));
    if (!ppd) return false;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, "ColorModel");
    return marked && isGrayChoice(QString::fromUtf8(marked->choice));
}

} // namespace host
