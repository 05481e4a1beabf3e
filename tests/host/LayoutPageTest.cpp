// ppdFindMarkedChoice: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

// The Layout and Paper page in orvan-print's window: first of the pages, the printer
// description's paper options marked for libcups, CUPS's standard options for what the
// description lacks, page ranges checked as they are typed and before printing, and
// the choices kept per printer.
#include "host/LayoutPage.h"
#include "tests/host/DocumentSupport.h"
#include "tests/host/HostTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::items;
using hosttest::marked;
using hosttest::kBarePpd;

class LayoutPageTest : public hosttest::HostDialogTest {
protected:
    host::LayoutPage* layout() { return dialog_ ? dialog_->findChild<host::LayoutPage*>() : nullptr; }

    // Types `text` into the page range field as a user does, and waits for the count.
    void typeRange(const QString& text)
    {
        auto* field = find<QLineEdit>(dialog_.get(), "rangeField");
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        ASSERT_TRUE(hosttest::waitFor([&] { return layout()->pageCount() >= 0; }, 30000)) << "pages never counted";
    }
};

TEST_F(LayoutPageTest, ComesFirstWithThePrinterDescriptionsPaperOptions)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    auto* panes = find<QComboBox>(dialog, "panelPopUp");
    EXPECT_EQ(items(panes).mid(0, 3), (QStringList{"Layout and Paper", "Image Options", "Job Type"}));
    EXPECT_EQ(find<QStackedWidget>(dialog, "panelStack")->currentWidget(), layout());
    EXPECT_EQ(panes->currentText(), "Layout and Paper");

    EXPECT_EQ(items(find<QComboBox>(dialog, "paperSizePopUp")),
              (QStringList{"US Letter", "US Legal", "Executive", "A4", "A5", "JIS B5", "Envelope #10"}));
    EXPECT_EQ(find<QComboBox>(dialog, "paperSizePopUp")->currentText(), "US Letter");
    EXPECT_EQ(items(find<QComboBox>(dialog, "paperSourcePopUp")),
              (QStringList{"Auto Select", "Tray 1", "Tray 2", "Manual Feed"}));
    EXPECT_EQ(items(find<QComboBox>(dialog, "twoSidedPopUp")),
              (QStringList{"Off", "Long-Edge Binding", "Short-Edge Binding"}));
    // Order and borders mean something only with several pages on a sheet.
    EXPECT_FALSE(find<QComboBox>(dialog, "pageOrderPopUp")->isEnabled());
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pagesPerSheetPopUp"), "4"));
    EXPECT_TRUE(find<QComboBox>(dialog, "pageOrderPopUp")->isEnabled());
    EXPECT_TRUE(find<QComboBox>(dialog, "pageBorderPopUp")->isEnabled());

    // Nothing chosen, nothing of the page's sent: the printer's defaults hold.
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pagesPerSheetPopUp"), "1"));
    const host::JobOptions untouched = dialog->jobOptions();
    for (const char* name : {"media", "sides", "orientation-requested", "number-up", "page-ranges", "collate",
                             "outputorder", "fit-to-page", "PageSize", "InputSlot", "Duplex"})
        EXPECT_FALSE(untouched.contains(QString::fromLatin1(name))) << name;
}

TEST_F(LayoutPageTest, EachChoiceIsMarkedOrSentUnderItsLpName)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "paperSizePopUp"), "A4"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "paperSourcePopUp"), "Tray 2"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "twoSidedPopUp"), "Long-Edge Binding"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "orientationPopUp"), "Landscape"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pagesPerSheetPopUp"), "6"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pageOrderPopUp"), "Top to bottom, right to left"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pageBorderPopUp"), "Double thick line"));
    for (const char* box : {"collateBox", "reverseBox", "fitToPageBox"})
        QTest::mouseClick(find<QCheckBox>(dialog, box), Qt::LeftButton);

    // The printer description's options are marks, as the panels' are.
    EXPECT_EQ(marked(dialog->ppd(), "PageSize"), "A4");
    EXPECT_NE(marked(dialog->ppd(), "PageRegion"), "Letter"); // never out of step with PageSize
    EXPECT_EQ(marked(dialog->ppd(), "InputSlot"), "Tray2");
    EXPECT_EQ(marked(dialog->ppd(), "Duplex"), "DuplexNoTumble");

    // What each choice sends: LayoutEndToEndTest. The description has the paper options:
    // no standard option doubles them.
    const host::JobOptions sent = dialog->jobOptions();
    EXPECT_EQ(sent.value("Duplex"), "DuplexNoTumble");
    EXPECT_FALSE(sent.contains("media"));
    EXPECT_FALSE(sent.contains("sides"));

    // The Summary says it all.
    QTest::mouseClick(find<QAbstractButton>(dialog, "summaryButton"), Qt::LeftButton);
    const QMap<QString, QString> summary = hosttest::summary(dialog);
    EXPECT_EQ(summary.value("Layout and Paper/Paper size:"), "A4");
    EXPECT_EQ(summary.value("Layout and Paper/Borders:"), "Double thick line");
    EXPECT_EQ(summary.value("Layout and Paper/Pages:"), "All");
    EXPECT_EQ(summary.value("Layout and Paper/Output:"), "Collate copies, Reverse order, Fit to page");

    // What a page range the user typed becomes.
    typeRange(QStringLiteral(" 1 , 1-1 "));
    EXPECT_EQ(dialog->jobOptions().value("page-ranges"), "1");
    EXPECT_TRUE(print());
}

TEST_F(LayoutPageTest, BadPageRangesAreSaidOnThePageAndNothingIsPrinted)
{
    host::DialogOptions o = options();
    host::PrintDialog* dialog = open(o, hosttest::documentOf(hosttest::pdfPages(3), QStringLiteral("three.pdf")));
    ASSERT_TRUE(dialog);
    struct Case {
        QString range;
        QString says;
    };
    // Every problem a range can have and its words: PreviewTest's PageRanges.
    const QList<Case> cases = {
        {"5-3", "\u201c5-3\u201d runs backwards; write it as 3-5."},
        {"2-4", "The document has 3 pages; \u201c2-4\u201d is past its end."},
        {"1,", ""}, // a trailing comma is no mistake
    };
    for (const Case& c : cases) {
        typeRange(c.range);
        const std::string what = c.range.toStdString();
        EXPECT_EQ(layout()->pageCount(), 3) << what;
        EXPECT_TRUE(find<QRadioButton>(dialog, "rangeButton")->isChecked()) << what;
        const QString shown = layout()->rangeProblem();
        EXPECT_TRUE(c.says.isEmpty() ? shown.isEmpty() : shown.contains(c.says)) << what << ": " << shown.toStdString();
        if (c.says.isEmpty()) continue;
        alerts_.clear();
        EXPECT_FALSE(print()) << what;
        ASSERT_EQ(alerts_.alerts().size(), 1) << what;
        EXPECT_TRUE(alerts_.alerts().first().second.contains(c.says)) << what;
        EXPECT_FALSE(QFile::exists(o.outputPath)) << what;
        EXPECT_TRUE(dialog->isVisible());
    }
    // All pages again: the range no longer counts.
    QTest::mouseClick(find<QRadioButton>(dialog, "allPagesButton"), Qt::LeftButton);
    EXPECT_TRUE(layout()->rangeProblem().isEmpty());
    EXPECT_FALSE(dialog->jobOptions().contains("page-ranges"));
    typeRange(QStringLiteral("2-3"));
    EXPECT_TRUE(layout()->rangeProblem().isEmpty());
    EXPECT_EQ(find<QLabel>(dialog, "pageCountText")->text(), "of 3 pages");
    EXPECT_TRUE(print());
}

TEST_F(LayoutPageTest, ChoicesAreKeptPerPrinterButThePageRangeIsNot)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "paperSizePopUp"), "A5"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "orientationPopUp"), "Reverse landscape"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pagesPerSheetPopUp"), "2"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "pageBorderPopUp"), "Single line"));
    QTest::mouseClick(find<QCheckBox>(dialog, "collateBox"), Qt::LeftButton);
    typeRange(QStringLiteral("1"));
    ASSERT_TRUE(print());

    dialog = open(options());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(find<QComboBox>(dialog, "paperSizePopUp")->currentText(), "A5");
    EXPECT_EQ(find<QComboBox>(dialog, "orientationPopUp")->currentText(), "Reverse landscape");
    EXPECT_EQ(find<QComboBox>(dialog, "pagesPerSheetPopUp")->currentText(), "2");
    EXPECT_EQ(find<QComboBox>(dialog, "pageBorderPopUp")->currentText(), "Single line");
    EXPECT_TRUE(find<QCheckBox>(dialog, "collateBox")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(dialog, "reverseBox")->isChecked());
    EXPECT_TRUE(find<QRadioButton>(dialog, "allPagesButton")->isChecked());
    EXPECT_TRUE(find<QLineEdit>(dialog, "rangeField")->text().isEmpty());
    const host::JobOptions sent = dialog->jobOptions();
    EXPECT_EQ(sent.value("PageSize"), "A5");
    EXPECT_EQ(sent.value("orientation-requested"), "5");
    EXPECT_EQ(sent.value("page-border"), "single");
    EXPECT_EQ(sent.value("number-up"), "2");
    EXPECT_FALSE(sent.contains("page-ranges"));
}

TEST_F(LayoutPageTest, WithoutThePaperOptionsCupssStandardOptionsAreOffered)
{
    const QString ppd = path(QStringLiteral("bare.ppd"));
    ASSERT_TRUE(hosttest::writeBytes(ppd, kBarePpd));
    host::DialogOptions o = options();
    o.ppdPath = ppd;
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    auto* size = find<QComboBox>(dialog, "paperSizePopUp");
    EXPECT_EQ(size->currentText(), "Printer's default");
    EXPECT_TRUE(items(size).contains("A4"));
    EXPECT_EQ(items(find<QComboBox>(dialog, "paperSourcePopUp")).first(), "Automatic");
    EXPECT_EQ(items(find<QComboBox>(dialog, "twoSidedPopUp")),
              (QStringList{"Off", "Long-edge binding", "Short-edge binding"}));
    // Two-sided printing is said either way; size and source only when chosen.
    EXPECT_EQ(dialog->jobOptions().value("sides"), "one-sided");
    EXPECT_FALSE(dialog->jobOptions().contains("media"));

    ASSERT_TRUE(chooseItem(size, "A4"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "paperSourcePopUp"), "Upper tray"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "twoSidedPopUp"), "Short-edge binding"));
    host::JobOptions sent = dialog->jobOptions();
    EXPECT_EQ(sent.value("media"), "A4,Upper");
    EXPECT_EQ(sent.value("sides"), "two-sided-short-edge");
    EXPECT_FALSE(sent.contains("PageSize"));
    // The preview's paper follows.
    EXPECT_EQ(layout()->printLayout(sent).paper.toSize(), QSize(595, 842));
    ASSERT_TRUE(print());

    // Kept for this printer, as the standard options they are.
    dialog = open(o);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->jobOptions().value("media"), "A4,Upper");
    EXPECT_EQ(find<QComboBox>(dialog, "twoSidedPopUp")->currentText(), "Short-edge binding");
}

// A printer with no description at all (Save to File with none): the page alone.
TEST(LayoutPageAlone, APrinterWithoutADescriptionGetsACompletePage)
{
    host::LayoutPage page;
    const host::Document document = hosttest::documentOf(hosttest::pdfPages(2), QStringLiteral("two.pdf"));
    host::PrinterContext context;
    context.document = &document;
    page.bind(context, {});
    page.prepareToShow();
    page.show();
    for (const char* name : {"paperSizePopUp", "paperSourcePopUp", "twoSidedPopUp", "orientationPopUp",
                             "pagesPerSheetPopUp", "pageOrderPopUp", "pageBorderPopUp"}) {
        auto* popup = find<QComboBox>(&page, name);
        ASSERT_NE(popup, nullptr) << name;
        EXPECT_GT(popup->count(), 1) << name;
        EXPECT_GE(popup->currentIndex(), 0) << name;
    }
    ASSERT_TRUE(chooseItem(find<QComboBox>(&page, "paperSizePopUp"), "US Legal"));
    host::JobOptions sent;
    page.addJobOptions(&sent);
    EXPECT_EQ(sent.value("media"), "Legal");
    EXPECT_EQ(sent.value("sides"), "one-sided");
    EXPECT_EQ(page.printLayout(sent).paper.toSize(), QSize(612, 1008));
    EXPECT_FALSE(page.printLayout(sent).gray);
    sent.set("print-color-mode", "monochrome");
    EXPECT_TRUE(page.printLayout(sent).gray);
}

} // namespace
