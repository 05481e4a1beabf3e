// Save to File's printer data against what CUPS itself sends the printer: a queue on
// the same printer description with a file for its device runs the filters, and the
// file Save to File writes with the same choices holds the same pages and the same
// feature code, only the dates differing.
#include "tests/host/HostQueueTest.h"

#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QSpinBox>

namespace {

using hosttest::find;
using hosttest::chooseItem;

constexpr char kQueue[] = "OrvanData";

// The data with the lines that differ from run to run left out: the dates ghostscript
// writes (neither pstops nor pdftops writes the job's number into PostScript).
QStringList comparable(const QByteArray& data)
{
    static const QRegularExpression changing(QStringLiteral("^%%CreationDate: |/CreationDate ?\\(|/ModDate ?\\("));
    QStringList lines;
    for (const QByteArray& line : data.split('\n')) {
        const QString text = QString::fromLatin1(line);
        if (!changing.match(text).hasMatch()) lines << text;
    }
    return lines;
}

// The first lines where `a` and `b` part, for the failure message.
std::string firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return QStringLiteral("line %1:\n  queue: %2\n  file:  %3").arg(i + 1).arg(a.value(i).left(200), b.value(i).left(200)).toStdString();
    return {};
}

class SaveToFileQueue : public hosttest::HostQueueTest {
protected:
    void SetUp() override
    {
        HostQueueTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // A started queue whose device is a file: the scheduler runs the filters into it.
        QString error;
        ASSERT_TRUE(cupsd_.addFilteringQueue(QString::fromLatin1(kQueue), testsupport::bundledPpdPath(), &error))
            << error.toStdString();
    }

    // The same choices, in whichever dialog: the Orvan panels' and the window's own.
    void choose(host::PrintDialog* dialog)
    {
        QWidget* imageOptions = hosttest::panelView(dialog, QStringLiteral("Image Options"));
        auto* brightness = find<QSlider>(imageOptions, "brightnessSlider");
        ASSERT_TRUE(brightness && brightness->isEnabled());
        // "Slightly Lighter" (1), which pdftops leaves out for a PDF; the slider starts
        // where the last job left it.
        QTest::keyClick(brightness, Qt::Key_Home);
        for (int step = 0; step < 3; ++step) QTest::keyClick(brightness, Qt::Key_Right);
        ASSERT_EQ(brightness->value(), 1);
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "outputcolorButton"), QStringLiteral("Grayscale")));
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "screenButton"), QStringLiteral("Smooth Gradation")));
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "imagequalityButton"), QStringLiteral("1200 dpi")));
        hosttest::chooseSecurePrint(dialog, QStringLiteral("robin"), QStringLiteral("97531"), QStringLiteral("Ledger"));
        find<QSpinBox>(dialog, "copiesField")->setValue(2);
        auto* jobName = find<QLineEdit>(dialog, "jobNameField");
        jobName->setText(QStringLiteral("Quarterly"));
    }

    // What the queue sent its printer for a job printed from the dialog.
    QByteArray printedByTheQueue(const host::Document& document)
    {
        host::DialogOptions o = queueOptions();
        o.printer = QString::fromLatin1(kQueue);
        host::PrintDialog* dialog = open(o, document);
        if (!dialog) return {};
        EXPECT_EQ(dialog->currentPrinter(), QString::fromLatin1(kQueue)) << dialog->serverNotice().toStdString();
        choose(dialog);
        if (!print()) {
            ADD_FAILURE() << "the queue took no job";
            return {};
        }
        QString error;
        EXPECT_TRUE(cupsd_.waitForJob(lastJobId_, &error, 60000)) << error.toStdString();
        return cupsd_.printerData(QString::fromLatin1(kQueue));
    }

    QByteArray savedToFile(const host::Document& document)
    {
        host::DialogOptions o = options();
        o.outputPath = path(QStringLiteral("saved.prn"));
        host::PrintDialog* dialog = open(o, document);
        if (!dialog) return {};
        choose(dialog);
        if (!print()) {
            ADD_FAILURE() << "nothing saved: "
                          << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
            return {};
        }
        return hosttest::readBytes(o.outputPath);
    }
};

TEST_F(SaveToFileQueue, SaveToFileWritesWhatTheQueueSendsThePrinter)
{
    const QList<host::Document> documents = {
        hosttest::pdf(QStringLiteral("report.pdf"), 2),
        hosttest::documentOf(hosttest::postScriptPages(2, QSizeF(612, 792)), QStringLiteral("chart.ps"))};
    for (const host::Document& document : documents) {
        const QByteArray queue = printedByTheQueue(document);
        const QByteArray file = savedToFile(document);
        ASSERT_FALSE(queue.isEmpty()) << document.name.toStdString() << ": the queue printed nothing\n"
                                      << cupsd_.errorLog().toStdString();
        ASSERT_FALSE(file.isEmpty()) << document.name.toStdString();

        // Both carry the pages and the choices in the printer's code.
        for (const QByteArray& code :
             {QByteArray("%%Pages: 2"), QByteArray("%%BeginFeature: *ColorModel Gray"),
              QByteArray("%%BeginFeature: *Brightness 1\nuserdict /OrvanBrightness 1 put"),
              QByteArray("%%BeginFeature: *Screen Smooth"), QByteArray("%%BeginFeature: *DrvResolution 1200dpi"),
              QByteArray("%%BeginFeature: *JobType Secure"),
              "%%BeginFeature: *CustomSecurePrintPasscode True\n(" + QByteArray("97531").toBase64() + ")",
              "%%BeginFeature: *CustomUserID True\n(" + QByteArray("robin").toBase64() + ")",
              QByteArray("%RBINumCopies: 2"), QByteArray("%%Title: (Quarterly)")}) {
            EXPECT_TRUE(queue.contains(code)) << document.name.toStdString() << ": the queue's data lacks " << code.toStdString();
            EXPECT_TRUE(file.contains(code)) << document.name.toStdString() << ": the file lacks " << code.toStdString();
        }
        // And nothing else differs.
        const QStringList fromQueue = comparable(queue);
        const QStringList fromFile = comparable(file);
        EXPECT_EQ(queue.size(), file.size()) << document.name.toStdString();
        EXPECT_TRUE(fromQueue == fromFile) << document.name.toStdString() << " differs at "
                                           << firstDifference(fromQueue, fromFile);
    }
}

} // namespace
