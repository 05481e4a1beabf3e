// Every choice of the Layout and Paper page, made in the window, as the private print
// server receives the job: the printer description's options on the Orvan queue, CUPS's
// standard ones on a queue whose description has no paper options; and what reaches the
// printer through CUPS's filters: the pages left after the page range and pages per
// sheet, and the paper options' codes.
#include "host/LayoutPage.h"
#include "tests/host/DocumentSupport.h"
#include "tests/host/HostQueueTest.h"

#include <QCheckBox>
#include <QSpinBox>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::kBarePpd;

class LayoutEndToEnd : public hosttest::HostQueueTest {
protected:
    void choose(const char* popup, const char* text)
    {
        ASSERT_TRUE(chooseItem(find<QComboBox>(dialog_.get(), popup), QString::fromUtf8(text))) << popup << ": " << text;
    }

    void typeRange(const QString& text)
    {
        auto* field = find<QLineEdit>(dialog_.get(), "rangeField");
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, text);
        // Checked against the document's pages once they are counted.
        auto* page = dialog_->findChild<host::LayoutPage*>();
        ASSERT_TRUE(hosttest::waitFor([&] { return page->pageCount() > 0; }));
    }

    QString attribute(const QMap<QString, QStringList>& job, const char* name)
    {
        return job.value(QString::fromLatin1(name)).join(QLatin1Char(','));
    }
};

TEST_F(LayoutEndToEnd, EveryChoiceArrivesWithTheJob)
{
    host::PrintDialog* dialog = open(queueOptions(), hosttest::documentOf(hosttest::pdfPages(10), "ten.pdf"));
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan")) << dialog->serverNotice().toStdString();
    choose("paperSizePopUp", "A4");
    choose("paperSourcePopUp", "Tray 2");
    choose("twoSidedPopUp", "Short-Edge Binding");
    choose("orientationPopUp", "Landscape");
    choose("pagesPerSheetPopUp", "4");
    choose("pageOrderPopUp", "Bottom to top, left to right");
    choose("pageBorderPopUp", "Single thick line");
    typeRange(QStringLiteral("3, 1")); // sheets, with four pages a sheet
    for (const char* box : {"collateBox", "reverseBox", "fitToPageBox"})
        QTest::mouseClick(find<QCheckBox>(dialog, box), Qt::LeftButton);
    find<QSpinBox>(dialog, "copiesField")->setValue(2);

    ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
    const QMap<QString, QStringList> attributes = job(lastJobId_);
    const QMap<const char*, QString> expected = {
        {"PageSize", "A4"},
        {"InputSlot", "Tray2"},
        {"Duplex", "DuplexTumble"},
        {"orientation-requested", "4"},
        {"number-up", "4"},
        {"number-up-layout", "btlr"},
        {"page-border", "single-thick"},
        {"page-ranges", "1-1,3-3"}, // ascending, as the server takes them
        {"collate", "true"},
        {"outputorder", "reverse"},
        {"fit-to-page", "true"},
        {"copies", "2"},
    };
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        EXPECT_EQ(attribute(attributes, it.key()).toStdString(), it.value().toStdString()) << it.key();
}

TEST_F(LayoutEndToEnd, AQueueWithoutPaperOptionsGetsCupssStandardOnes)
{
    QString error;
    ASSERT_TRUE(cupsd_.addQueue(QStringLiteral("Plain"), QString(), &error)) << error.toStdString();
    const QString bare = path(QStringLiteral("bare.ppd"));
    ASSERT_TRUE(hosttest::writeBytes(bare, kBarePpd));
    host::DialogOptions o = queueOptions();
    o.printer = QStringLiteral("Plain");
    o.ppdPath = bare; // the description of queues that have none
    host::PrintDialog* dialog = open(o, hosttest::documentOf(hosttest::pdfPages(3), "three.pdf"));
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Plain")) << dialog->serverNotice().toStdString();
    choose("paperSizePopUp", "A5");
    choose("paperSourcePopUp", "Lower tray");
    choose("twoSidedPopUp", "Long-edge binding");
    choose("orientationPopUp", "Reverse portrait");
    choose("pagesPerSheetPopUp", "2");
    typeRange(QStringLiteral("2-"));
    EXPECT_EQ(dialog->jobOptions().value("page-ranges"), "2-");

    ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
    const QMap<QString, QStringList> attributes = job(lastJobId_);
    EXPECT_EQ(attribute(attributes, "media").toStdString(), "A5,Lower");
    EXPECT_EQ(attribute(attributes, "sides"), "two-sided-long-edge");
    EXPECT_EQ(attribute(attributes, "orientation-requested"), "6");
    EXPECT_EQ(attribute(attributes, "number-up"), "2");
    EXPECT_EQ(attribute(attributes, "page-ranges").toStdString(), "2-2147483647"); // to the end
    EXPECT_FALSE(attributes.contains("PageSize"));
}

// The sheets in PostScript printer data, one "%%Page:" comment each.
int sheetsIn(const QByteArray& data)
{
    int sheets = 0;
    for (qsizetype at = data.indexOf("\n%%Page:"); at >= 0; at = data.indexOf("\n%%Page:", at + 1)) ++sheets;
    return sheets;
}

TEST_F(LayoutEndToEnd, ThePrinterGetsThePagesAndPaperChosen)
{
    QString error;
    ASSERT_TRUE(cupsd_.addFilteringQueue(QStringLiteral("Filtering"), testsupport::bundledPpdPath(), &error))
        << error.toStdString();
    struct Case {
        QString document;
        QString range;
        const char* perSheet;
        int sheets;
    };
    // Ten pages. With several a sheet CUPS's filters read the range as sheets: two a sheet
    // make five, of which 2-4 are three; four a sheet make three, of which 1,3 are two.
    // One a sheet, 9- is two pages.
    const QList<Case> cases = {
        {"ten.pdf", "2-4", "2", 3},
        {"ten.pdf", "1,3", "4", 2},
        {"ten.pdf", "9-", "1", 2},
        {"ten.ps", "3-4", "1", 2},
    };
    for (const Case& c : cases) {
        const std::string what = (c.document + QLatin1Char(' ') + c.range + QLatin1Char('/') + c.perSheet).toStdString();
        const QByteArray data = c.document.endsWith(QLatin1String(".pdf")) ? hosttest::pdfPages(10)
                                                                            : hosttest::postScriptPages(10);
        host::DialogOptions o = queueOptions();
        o.printer = QStringLiteral("Filtering");
        host::PrintDialog* dialog = open(o, hosttest::documentOf(data, c.document));
        ASSERT_TRUE(dialog) << what;
        ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Filtering")) << dialog->serverNotice().toStdString();
        choose("paperSizePopUp", "A4");
        choose("twoSidedPopUp", "Long-Edge Binding");
        choose("pagesPerSheetPopUp", c.perSheet);
        typeRange(c.range);
        ASSERT_TRUE(print()) << what;
        ASSERT_TRUE(cupsd_.waitForJob(lastJobId_, &error)) << what << ": " << error.toStdString();
        const QByteArray printed = cupsd_.printerData(QStringLiteral("Filtering"));
        EXPECT_EQ(sheetsIn(printed), c.sheets) << what;
        EXPECT_TRUE(printed.contains("*PageSize A4")) << what;
        EXPECT_TRUE(printed.contains("<</PageSize [595 842] /ImagingBBox null>>setpagedevice")) << what;
        EXPECT_TRUE(printed.contains("*Duplex DuplexNoTumble")) << what;
        EXPECT_TRUE(printed.contains("<</Duplex true /Tumble false>>setpagedevice")) << what;
    }
}

} // namespace
