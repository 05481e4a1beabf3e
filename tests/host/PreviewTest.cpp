// The preview and what it draws from: page ranges and the places of pages on sheets, and
// the window itself on PDF and PostScript (generated, and real ones from the system),
// with gray output, and with documents it cannot show.
#include "host/LayoutPage.h"
#include "host/PreviewLayout.h"
#include "host/PreviewService.h"
#include "host/PreviewWindow.h"
#include "platform/PDEPanel.h"
#include "tests/host/DocumentSupport.h"
#include "tests/host/HostTestSupport.h"

#include <QFileInfo>
#include <QLabel>

namespace {

using hosttest::find;
using hosttest::chooseItem;

TEST(PageRanges, ReadListsAndSayWhatIsWrong)
{
    struct Case {
        QString text;
        int pages;
        QString sent;  // page-ranges, or empty when refused
        QString says;  // part of the problem
        QList<int> selected;
    };
    const QList<Case> cases = {
        {"1-3,7", 10, "1-3,7", "", {0, 1, 2, 6}},
        {" 7 , 1 - 3 ", 10, "1-3,7", "", {0, 1, 2, 6}}, // ascending for the server
        {"1-4,3-6,8", 10, "1-6,8", "", {0, 1, 2, 3, 4, 5, 7}},
        {"1-2,3,5", 10, "1-3,5", "", {0, 1, 2, 4}}, // adjacent ranges are one
        {"9-", 10, "9-", "", {8, 9}},
        {"-2", 10, "1-2", "", {0, 1}},
        {"3-,5", 10, "3-", "", {2, 3, 4, 5, 6, 7, 8, 9}},
        {"2", 0, "2", "", {}},              // not yet counted: the list alone is checked
        {"5-3", 10, "", "runs backwards; write it as 3-5", {}},
        {"0", 10, "", "There is no page 0", {}},
        {"2-0", 10, "", "There is no page 0", {}},
        {"abc", 10, "", "\u201cabc\u201d is not a page", {}},
        {"1-2-3", 10, "", "is not a page", {}},
        {"-", 10, "", "is not a page", {}},
        {"\u0661", 10, "", "is not a page", {}}, // digits of other scripts are not page numbers
        {"99", 3, "", "The document has 3 pages; \u201c99\u201d is past its end.", {}},
        {"1-2", 1, "", "The document has one page", {}},
        {"99999999999", 0, "", "far past the end", {}},
        {" , ", 10, "", "Type the pages to print", {}},
    };
    for (const Case& c : cases) {
        QList<host::PageRange> ranges;
        QString problem;
        const bool ok = host::PageRanges::parse(c.text, &ranges, &problem, c.pages);
        const std::string what = c.text.toStdString();
        EXPECT_EQ(ok, !c.sent.isEmpty()) << what << ": " << problem.toStdString();
        if (ok) {
            EXPECT_EQ(host::PageRanges::format(ranges), c.sent) << what;
            EXPECT_EQ(host::PageRanges::select(ranges, c.pages), c.selected) << what;
        } else {
            EXPECT_TRUE(problem.contains(c.says)) << what << ": " << problem.toStdString();
        }
    }
    EXPECT_EQ(host::PageRanges::select({}, 3), (QList<int>{0, 1, 2}));
}

TEST(PrintLayout, PagesLandOnSheetsInTheirOrder)
{
    // Pages of a 10-page document on A4, as (page, column, row) of their cell.
    struct Case {
        int numberUp;
        QString order;
        int orientation;
        QString ranges;
        int sheets;
        QList<QList<int>> firstSheet; // page, column, row
    };
    const QList<Case> cases = {
        {1, "lrtb", host::Portrait, "", 10, {{0, 0, 0}}},
        {2, "lrtb", host::Portrait, "", 5, {{0, 0, 0}, {1, 0, 1}}},   // portrait: one above the other
        {2, "lrtb", host::Landscape, "", 5, {{0, 0, 0}, {1, 1, 0}}},  // landscape: side by side
        {4, "lrtb", host::Portrait, "", 3, {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {3, 1, 1}}},
        {4, "tblr", host::Portrait, "", 3, {{0, 0, 0}, {1, 0, 1}, {2, 1, 0}, {3, 1, 1}}},
        {4, "rlbt", host::Portrait, "", 3, {{0, 1, 1}, {1, 0, 1}, {2, 1, 0}, {3, 0, 0}}},
        {4, "btrl", host::Portrait, "", 3, {{0, 1, 1}, {1, 1, 0}, {2, 0, 1}, {3, 0, 0}}},
        {6, "lrtb", host::Portrait, "", 2, {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {3, 1, 1}, {4, 0, 2}, {5, 1, 2}}},
        // Several pages a sheet: the range counts sheets, as CUPS's filters read it.
        {4, "lrtb", host::Portrait, "2-3", 2, {{4, 0, 0}, {5, 1, 0}, {6, 0, 1}, {7, 1, 1}}},
        {2, "lrtb", host::Portrait, "5", 1, {{8, 0, 0}, {9, 0, 1}}},
        {16, "lrtb", host::Portrait, "", 1, {}},
    };
    for (const Case& c : cases) {
        host::PrintLayout layout;
        layout.paper = QSizeF(595, 842);
        layout.numberUp = c.numberUp;
        layout.numberUpLayout = c.order;
        layout.orientation = c.orientation;
        QString problem;
        if (!c.ranges.isEmpty()) {
            ASSERT_TRUE(host::PageRanges::parse(c.ranges, &layout.ranges, &problem, 10));
        }
        const std::string what = QStringLiteral("%1-up %2 %3 %4").arg(c.numberUp).arg(c.order).arg(c.orientation).arg(c.ranges).toStdString();
        EXPECT_EQ(layout.sheetCount(10), c.sheets) << what;
        const QList<host::PrintLayout::Cell> cells = layout.cells(0, 10);
        const QSizeF sheet = layout.sheetSize();
        EXPECT_EQ(sheet.width() > sheet.height(), c.orientation == host::Landscape) << what;
        if (c.firstSheet.isEmpty()) {
            EXPECT_EQ(cells.size(), 10) << what;
            continue;
        }
        ASSERT_EQ(cells.size(), c.firstSheet.size()) << what;
        for (int i = 0; i < cells.size(); ++i) {
            const QRectF& area = cells.at(i).area;
            EXPECT_EQ(cells.at(i).page, c.firstSheet.at(i).at(0)) << what << " cell " << i;
            EXPECT_EQ(qRound(area.left() / area.width()), c.firstSheet.at(i).at(1)) << what << " cell " << i;
            EXPECT_EQ(qRound(area.top() / area.height()), c.firstSheet.at(i).at(2)) << what << " cell " << i;
        }
    }

    // Two portrait pages a sheet are turned a quarter and shrunk to their half.
    host::PrintLayout two;
    two.numberUp = 2;
    bool turned = false;
    const QRectF placed = two.placePage(two.cells(0, 2).first().area, QSizeF(612, 792), &turned);
    EXPECT_TRUE(turned);
    EXPECT_LE(placed.height(), 792 / 2 + 1);
    // One page a sheet: its own size unless fitted.
    host::PrintLayout one;
    EXPECT_EQ(one.placePage(QRectF(0, 0, 612, 792), QSizeF(300, 400), &turned).size(), QSizeF(300, 400));
    one.fitToPage = true;
    EXPECT_EQ(one.placePage(QRectF(0, 0, 612, 792), QSizeF(300, 400), &turned).width(), 594);
}

class Preview : public hosttest::HostDialogTest {
protected:
    void TearDown() override
    {
        qunsetenv("ORVAN_PRINT_PREVIEW_MODULE");
        hosttest::HostDialogTest::TearDown();
    }

    // Presses Preview... and waits for its first sheet (or its message).
    host::PreviewWindow* openPreview()
    {
        QTest::mouseClick(find<QAbstractButton>(dialog_.get(), "previewButton"), Qt::LeftButton);
        host::PreviewWindow* window = dialog_->previewWindow();
        EXPECT_NE(window, nullptr);
        if (!window) return nullptr;
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(hosttest::waitFor([&] { return window->isSheetComplete() || !window->message().isEmpty(); }))
            << "the preview never showed its first sheet";
        return window;
    }

    // Waits for the shown sheet to be drawn after a change.
    static bool drawn(host::PreviewWindow* window)
    {
        return hosttest::waitFor([&] { return window->isSheetComplete(); });
    }
};

double aspect(const QImage& image) { return image.isNull() ? 0 : double(image.width()) / image.height(); }

bool hasColour(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 4)
        for (int x = 0; x < rgb.width(); x += 4) {
            const QRgb p = rgb.pixel(x, y);
            if (std::abs(qRed(p) - qGreen(p)) > 40) return true;
        }
    return false;
}

TEST_F(Preview, ShowsThePdfsPagesOnTheSheetsAsTheyWillPrint)
{
    host::PrintDialog* dialog =
        open(options(), hosttest::documentOf(hosttest::pdfPages(5, QSizeF(595, 842)), QStringLiteral("five.pdf")));
    ASSERT_TRUE(dialog);
    host::PreviewWindow* window = openPreview();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->message(), QString());
    EXPECT_EQ(window->pageCount(), 5);
    EXPECT_EQ(window->sheetCount(), 5);
    EXPECT_EQ(find<QLabel>(window, "previewSheetText")->text(), "Sheet 1 of 5");
    EXPECT_EQ(find<QLabel>(window, "previewCountText")->text(), "5 pages, printed on 5 sheets");
    const QImage first = window->pageImage(0);
    EXPECT_NEAR(aspect(first), 595.0 / 842.0, 0.02);
    EXPECT_TRUE(hasColour(first));
    // The paper: US Letter, the description's default.
    EXPECT_EQ(window->printLayout().sheetSize().toSize(), QSize(612, 792));

    // The Layout page's choices reach the open preview.
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "paperSizePopUp"), "A5"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "orientationPopUp"), "Landscape"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pagesPerSheetPopUp"), "2"));
    ASSERT_TRUE(hosttest::waitFor([&] { return window->sheetCount() == 3; }));
    EXPECT_EQ(window->printLayout().sheetSize().toSize(), QSize(595, 420));
    auto* field = find<QLineEdit>(dialog, "rangeField");
    // Two a sheet, the range counts sheets of paper: the second and third.
    QTest::keyClicks(field, QStringLiteral("2-3"));
    ASSERT_TRUE(hosttest::waitFor([&] { return window->sheetCount() == 2; }));
    EXPECT_EQ(window->pagesOn(0), (QList<int>{2, 3}));
    EXPECT_EQ(window->pagesOn(1), (QList<int>{4}));
    // Through the sheets with the keys and buttons.
    QTest::keyClick(window, Qt::Key_PageDown);
    EXPECT_EQ(window->sheet(), 1);
    ASSERT_TRUE(drawn(window));
    EXPECT_FALSE(find<QAbstractButton>(window, "previewNext")->isEnabled());
    QTest::mouseClick(find<QAbstractButton>(window, "previewFirst"), Qt::LeftButton);
    EXPECT_EQ(window->sheet(), 0);

    // Gray output: the panel's Grayscale.
    dialog->showPanel(0);
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog->panels().at(0)->panelView(), "outputcolorButton"), "Grayscale"));
    ASSERT_TRUE(hosttest::waitFor([&] { return window->printLayout().gray; }));
    ASSERT_TRUE(drawn(window));
    // A page of the shown sheet: others may never have been drawn.
    EXPECT_TRUE(window->pageImage(window->pagesOn(window->sheet()).value(0, -1)).isGrayscale());
    EXPECT_FALSE(hasColour(find<QWidget>(window, "previewSheet")->grab().toImage()));

    // Closing lets go of it; the dialog goes on.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog->previewWindow(), nullptr);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Preview, ShowsPostScriptThroughGhostscript)
{
    host::PrintDialog* dialog =
        open(options(), hosttest::documentOf(hosttest::postScriptPages(3, QSizeF(612, 792)), QStringLiteral("three.ps")));
    ASSERT_TRUE(dialog);
    host::PreviewWindow* window = openPreview();
    ASSERT_TRUE(window);
    ASSERT_EQ(window->message(), QString());
    EXPECT_EQ(window->pageCount(), 3);
    EXPECT_NEAR(aspect(window->pageImage(0)), 612.0 / 792.0, 0.02);
    EXPECT_TRUE(hasColour(window->pageImage(0)));
    // The Layout page counted along: the page range is checked against three pages.
    auto* page = dialog->findChild<host::LayoutPage*>();
    ASSERT_TRUE(hosttest::waitFor([&] { return page->pageCount() == 3; }));
}

TEST_F(Preview, ShowsRealDocumentsOfTheSystem)
{
    const bool pdfinfo = !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
    int tried = 0;
    for (const QString& file : {QStringLiteral("/usr/share/doc/shared-mime-info/shared-mime-info-spec.pdf"),
                                QStringLiteral("/usr/share/cups/data/default-testpage.pdf")}) {
        if (!QFileInfo::exists(file)) continue;
        ++tried;
        host::Document document;
        QString error;
        ASSERT_TRUE(host::readDocument(file, &document, &error)) << error.toStdString();
        ASSERT_TRUE(open(options(), document));
        host::PreviewWindow* window = openPreview();
        ASSERT_TRUE(window);
        ASSERT_EQ(window->message(), QString()) << file.toStdString();
        EXPECT_GT(window->pageCount(), 0);
        if (!pdfinfo) continue;
        // What poppler's own tool says of the file.
        const hosttest::PdfInfo info = hosttest::pdfInfo(file);
        ASSERT_GT(info.pages, 0) << file.toStdString();
        EXPECT_EQ(window->pageCount(), info.pages) << file.toStdString();
        EXPECT_NEAR(aspect(window->pageImage(0)), info.width / info.height, 0.02) << file.toStdString();
    }
    if (tried == 0) GTEST_SKIP() << "no PDF of the system's documentation is installed";
}

TEST_F(Preview, DocumentsItCannotShowAreSaidInTheWindow)
{
    const QByteArray locked = hosttest::encryptedPdf(hosttest::pdfPages(2));
    ASSERT_FALSE(locked.isEmpty()) << "ghostscript could not encrypt a PDF";
    QByteArray damaged = hosttest::pdfPages(2);
    damaged = damaged.left(9) + QByteArray(damaged.size() - 9, 'x');
    struct Case {
        QByteArray data;
        QString name;
        const char* module; // ORVAN_PRINT_PREVIEW_MODULE, or null
        QString says;
    };
    const QList<Case> cases = {
        {locked, "locked.pdf", nullptr, "The document is encrypted"},
        {damaged, "damaged.pdf", nullptr, "The document is damaged"},
        {"%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n{ not postscript", "broken.ps", nullptr, "damaged"},
        {hosttest::pdfPages(1), "fine.pdf", "/nowhere/orvan-preview.so", "its renderer (orvan-preview.so"},
    };
    for (const Case& c : cases) {
        const std::string what = c.name.toStdString();
        if (c.module) qputenv("ORVAN_PRINT_PREVIEW_MODULE", c.module);
        else qunsetenv("ORVAN_PRINT_PREVIEW_MODULE");
        host::DialogOptions o = options();
        host::PrintDialog* dialog = open(o, hosttest::documentOf(c.data, c.name));
        ASSERT_TRUE(dialog) << what;
        QSignalSpy failed(dialog, &host::PrintDialog::printFailed);
        host::PreviewWindow* window = openPreview();
        ASSERT_TRUE(window) << what;
        EXPECT_TRUE(window->message().contains(c.says)) << what << ": " << window->message().toStdString();
        EXPECT_EQ(window->pageCount(), -1) << what;
        EXPECT_FALSE(find<QAbstractButton>(window, "previewNext")->isEnabled()) << what;
        if (c.name != QLatin1String("locked.pdf")) continue;
        // An encrypted document cannot be printed either: said, and nothing written.
        alerts_.clear();
        EXPECT_FALSE(print());
        ASSERT_EQ(alerts_.alerts().size(), 1);
        EXPECT_TRUE(alerts_.alerts().first().second.contains(c.says));
        EXPECT_FALSE(QFile::exists(o.outputPath));
    }
}

} // namespace
