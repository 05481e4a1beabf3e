// Save to File as users meet it: the file and its format chosen in the dialog, the PDF
// with the layout applied, a filter chain that fails or is not there explained with
// nothing written, and Cancel while the filters run. CUPS's own cupsfilter runs for real.
#include "host/FileDestination.h"
#include "host/FileJob.h"
#include "tests/host/HostTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::pdfInfo;

// The bundled description with its filter line replaced.
QByteArray ppdWithFilter(const QByteArray& filter)
{
    QList<QByteArray> lines = hosttest::readBytes(testsupport::bundledPpdPath()).split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("*cupsFilter"); });
    lines.insert(lines.indexOf("*LanguageLevel: \"3\""), "*cupsFilter2: \"" + filter + "\"");
    return lines.join('\n');
}

// The files in `dir` but the test's own: what Save to File left there.
QStringList leftIn(const QString& dir, const QStringList& ours)
{
    QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : ours) files.removeAll(name);
    return files;
}

class HostSaveToFile : public hosttest::HostDialogTest {
protected:
    void SetUp() override
    {
        HostDialogTest::SetUp();
        if (host::FileJob::findCupsfilter().isEmpty()) GTEST_SKIP() << "cupsfilter is not installed (scripts/install-deps)";
    }

    host::FileDestination* fileRow() const { return dialog_->findChild<host::FileDestination*>(); }

    // Runs a file job to its end; its outcome and message.
    std::pair<host::FileJob::Outcome, QString> run(host::FileJob::Request request)
    {
        host::FileJob job(std::move(request));
        QSignalSpy finished(&job, &host::FileJob::finished);
        job.start();
        EXPECT_TRUE(finished.isEmpty()) << "the outcome comes after start() returned";
        EXPECT_TRUE(hosttest::waitFor([&] { return !finished.isEmpty(); }, 60000));
        if (finished.isEmpty()) return {host::FileJob::Outcome::Cancelled, QString()};
        return {finished.first().at(0).value<host::FileJob::Outcome>(), finished.first().at(1).toString()};
    }

    host::FileJob::Request request(const QString& file, const host::Document& document) const
    {
        host::FileJob::Request r;
        r.path = path(file);
        r.document = document;
        r.jobName = document.name;
        r.ppdPath = testsupport::bundledPpdPath();
        return r;
    }
};

// The PDF format: what pdftopdf makes of a four-page document with the layout's options.
TEST_F(HostSaveToFile, ThePdfHasThePageRangePagesPerSheetAndOrientationApplied)
{
    struct Case {
        QList<QPair<QString, QString>> options;
        int pages;
        QString size;
    };
    const QList<Case> cases = {
        {{}, 4, QStringLiteral("612 x 792")},
        {{{"page-ranges", "2-3"}}, 2, QStringLiteral("612 x 792")},
        {{{"number-up", "2"}}, 2, QStringLiteral("792 x 612")}, // two pages side by side on a turned sheet
        {{{"number-up", "4"}}, 1, QStringLiteral("612 x 792")},
        // CUPS counts the page range in sheets once pages share one: the second sheet.
        {{{"number-up", "2"}, {"page-ranges", "2"}}, 1, QStringLiteral("792 x 612")},
        {{{"orientation-requested", "4"}}, 4, QStringLiteral("792 x 612")},
        {{{"PageSize", "A4"}, {"number-up", "4"}}, 1, QStringLiteral("595 x 842")},
    };
    for (const Case& c : cases) {
        host::FileJob::Request r = request(QStringLiteral("layout.pdf"), hosttest::pdf(QStringLiteral("four.pdf"), 4));
        r.format = host::FileJob::Format::Pdf;
        QStringList what;
        for (const auto& [name, value] : c.options) {
            r.options.set(name, value);
            what << name + QLatin1Char('=') + value;
        }
        const auto [outcome, message] = run(r);
        ASSERT_EQ(outcome, host::FileJob::Outcome::Written) << message.toStdString();
        const hosttest::PdfInfo info = pdfInfo(r.path);
        EXPECT_EQ(info.pages, c.pages) << what.join(' ').toStdString();
        EXPECT_EQ(info.size(), c.size) << what.join(' ').toStdString();
        // A PDF carries no printer code: an ordinary file.
        EXPECT_EQ(hosttest::modeOf(r.path) & 0600, 0600);
        EXPECT_EQ(hosttest::readJson(r.path + QStringLiteral(".ticket.json")).value("output-format").toString(), "pdf");
    }
}

// The row under the printer: --output's file shown, Choose… asks, the suffix follows the
// format, and the folder and format are kept for the next time.
TEST_F(HostSaveToFile, TheFileIsChosenAndShownInTheDialog)
{
    host::DialogOptions o = options();
    o.outputPath = path(QStringLiteral("a-rather-long-folder-name-to-elide/and-deeper-still/report-for-the-board.pdf"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(o.outputPath).absolutePath()));
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(find<QWidget>(dialog, "fileDestination")->isVisible());
    EXPECT_TRUE(find<QLabel>(dialog, "fileLabel")->isVisible());
    auto* shown = find<QLabel>(dialog, "filePath");
    ASSERT_NE(shown, nullptr);
    // Elided in the middle: the start of the folder and the file's name stay.
    EXPECT_EQ(shown->toolTip(), o.outputPath);
    EXPECT_TRUE(shown->text().contains(QChar(0x2026))) << shown->text().toStdString();
    EXPECT_TRUE(shown->text().endsWith(QStringLiteral("board.pdf"))) << shown->text().toStdString();
    EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->width());

    // --output's name is the user's: kept whatever the format. Chosen formats rename a
    // file named for a format, and leave any other name alone.
    auto* format = find<QComboBox>(dialog, "fileFormatPopUp");
    EXPECT_EQ(format->currentText(), QStringLiteral("Printer data (PostScript)"));
    EXPECT_EQ(fileRow()->path(), o.outputPath);
    ASSERT_TRUE(chooseItem(format, QStringLiteral("PDF document")));
    EXPECT_EQ(fileRow()->path(), o.outputPath);
    ASSERT_TRUE(chooseItem(format, QStringLiteral("Printer data (PostScript)")));
    EXPECT_EQ(QFileInfo(fileRow()->path()).fileName(), QStringLiteral("report-for-the-board.ps"));
    QStringList suggestions;
    QString answer = path(QStringLiteral("notes.data"));
    dialog->setFileChooser([&](const QString& suggestion) {
        suggestions << suggestion;
        return answer;
    });
    const QString chosenBefore = fileRow()->path();
    QTest::mouseClick(find<QAbstractButton>(dialog, "fileChooseButton"), Qt::LeftButton);
    EXPECT_EQ(suggestions, QStringList{chosenBefore}); // the chooser opens on the file chosen
    EXPECT_EQ(fileRow()->path(), answer);
    ASSERT_TRUE(chooseItem(format, QStringLiteral("PDF document")));
    EXPECT_EQ(fileRow()->path(), answer);
    // A chooser that is cancelled changes nothing.
    answer.clear();
    QTest::mouseClick(find<QAbstractButton>(dialog, "fileChooseButton"), Qt::LeftButton);
    EXPECT_EQ(fileRow()->path(), path(QStringLiteral("notes.data")));
    ASSERT_TRUE(print());
    EXPECT_EQ(pdfInfo(path(QStringLiteral("notes.data"))).pages, 1);

    // Next time: PDF again, and Print suggests a file in the folder written to last.
    host::DialogOptions again = options();
    again.outputPath.clear();
    dialog = open(again);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(find<QComboBox>(dialog, "fileFormatPopUp")->currentText(), QStringLiteral("PDF document"));
    EXPECT_TRUE(fileRow()->path().isEmpty());
    EXPECT_FALSE(find<QLabel>(dialog, "filePath")->text().isEmpty()) << "says that Print asks";
    suggestions.clear();
    dialog->setFileChooser([&](const QString& suggestion) {
        suggestions << suggestion;
        return QString(); // cancelled: nothing printed
    });
    EXPECT_FALSE(print());
    EXPECT_EQ(suggestions, QStringList{dir_.path() + QStringLiteral("/report-print.pdf")});
    EXPECT_TRUE(dialog->isVisible());
}

// A filter chain that cannot make the data: which filter, what it said, nothing written,
// the dialog open with everything as it was.
TEST_F(HostSaveToFile, AFailingFilterChainIsExplainedAndWritesNothing)
{
    ASSERT_TRUE(hosttest::writeBytes(path(QStringLiteral("missing.ppd")),
                                     ppdWithFilter("application/vnd.cups-postscript application/postscript 0 "
                                                   "orvan-no-such-filter")));
    host::Document damaged = hosttest::pdf(QStringLiteral("damaged.pdf"));
    damaged.data = "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer garbage\n";
    struct Case {
        const char* what;
        QString ppd;
        host::Document document;
        QStringList said; // in the message, in this order
    };
    const QList<Case> cases = {
        {"a filter the description names is not installed", path(QStringLiteral("missing.ppd")), hosttest::pdf(),
         {"The filter orvan-no-such-filter, which the printer description names, is not installed.",
          "orvan-no-such-filter\" not available"}},
        {"a filter fails on the document", testsupport::bundledPpdPath(), damaged,
         {"The filter pdftopdf failed:", "damaged"}},
    };
    for (const Case& c : cases) {
        alerts_.clear();
        const QString out = path(QStringLiteral("out.pdf"));
        ASSERT_TRUE(hosttest::writeBytes(out, "an earlier file"));
        host::DialogOptions o = options();
        o.ppdPath = c.ppd;
        host::PrintDialog* dialog = open(o, c.document);
        ASSERT_TRUE(dialog) << c.what;
        EXPECT_FALSE(print()) << c.what;
        ASSERT_EQ(alerts_.alerts().size(), 1) << c.what;
        EXPECT_EQ(alerts_.alerts().first().first, QStringLiteral("The document could not be saved."));
        const QString message = alerts_.alerts().first().second;
        qsizetype at = 0;
        for (const QString& part : c.said) {
            at = message.indexOf(part, at);
            EXPECT_GE(at, 0) << c.what << ": " << part.toStdString() << " in\n" << message.toStdString();
        }
        EXPECT_LE(message.count(QLatin1Char('\n')), 4) << "the first lines, not the whole log:\n" << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("DEBUG"))) << message.toStdString();
        EXPECT_EQ(hosttest::readBytes(out), QByteArray("an earlier file")) << c.what;
        EXPECT_EQ(leftIn(dir_.path(), {"out.pdf", "missing.ppd"}), QStringList()) << c.what;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isBusy());
        EXPECT_TRUE(find<QAbstractButton>(dialog, "printButton")->isEnabled());
        EXPECT_FALSE(QDir(presetDirectory()).exists()) << "nothing saved, nothing kept";
    }

    // cupsfilter itself missing: said so, with the package it comes with.
    host::FileJob::Request r = request(QStringLiteral("x.ps"), hosttest::pdf());
    r.cupsfilter = path(QStringLiteral("no-bin/cupsfilter"));
    const auto [outcome, message] = run(r);
    EXPECT_EQ(outcome, host::FileJob::Outcome::Failed);
    EXPECT_TRUE(message.contains(QStringLiteral("cupsfilter")) && message.contains(QStringLiteral("cups")))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(r.path));

    // Filters that succeed but make nothing (a range of sheets the document does not
    // fill): no empty file passed off as the document.
    r = request(QStringLiteral("empty.pdf"), hosttest::pdf(QStringLiteral("four.pdf"), 4));
    r.format = host::FileJob::Format::Pdf;
    r.options.set(QStringLiteral("number-up"), QStringLiteral("2"));
    r.options.set(QStringLiteral("page-ranges"), QStringLiteral("3-4"));
    const auto [emptyOutcome, emptyMessage] = run(r);
    EXPECT_EQ(emptyOutcome, host::FileJob::Outcome::Failed);
    EXPECT_TRUE(emptyMessage.startsWith(QStringLiteral("The filters made no data from the document.")))
        << emptyMessage.toStdString();
    EXPECT_FALSE(QFile::exists(r.path));
}

// Cancel while the filters run: they stop, nothing is written, the dialog stays; a second
// Cancel closes it.
TEST_F(HostSaveToFile, CancelStopsTheFiltersAndLeavesNoFile)
{
    // A filter that takes its time, and tells who it is.
    const QString filter = path(QStringLiteral("slow-filter"));
    const QString pidFile = path(QStringLiteral("slow-filter.pid"));
    ASSERT_TRUE(hosttest::writeBytes(filter, "#!/bin/sh\necho $$ > '" + QFile::encodeName(pidFile) +
                                                 "'\nexec sleep 120\n"));
    ASSERT_TRUE(QFile::setPermissions(filter, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    ASSERT_TRUE(hosttest::writeBytes(path(QStringLiteral("slow.ppd")),
                                     ppdWithFilter("application/vnd.cups-postscript application/postscript 0 " +
                                                   QFile::encodeName(filter))));
    const QString out = path(QStringLiteral("out.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(out, "an earlier file"));
    host::DialogOptions o = options();
    o.ppdPath = path(QStringLiteral("slow.ppd"));
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);

    QTest::mouseClick(find<QAbstractButton>(dialog, "printButton"), Qt::LeftButton);
    ASSERT_TRUE(hosttest::waitFor([&] { return QFile::exists(pidFile) && hosttest::readBytes(pidFile).endsWith('\n'); }))
        << "the slow filter never ran";
    const QByteArray pid = hosttest::readBytes(pidFile).trimmed();
    ASSERT_TRUE(hosttest::waitFor([&] { return find<QLabel>(dialog, "busyText")->text().contains("slow-filter"); }));
    EXPECT_EQ(find<QLabel>(dialog, "busyText")->text(), QStringLiteral("Saving out.pdf: slow-filter\u2026"));
    EXPECT_TRUE(dialog->isBusy());
    EXPECT_FALSE(find<QAbstractButton>(dialog, "printButton")->isEnabled());
    EXPECT_FALSE(find<QWidget>(dialog, "fileDestination")->isEnabled());
    EXPECT_TRUE(QDir(QStringLiteral("/proc/") + QString::fromLatin1(pid)).exists());

    QTest::mouseClick(find<QAbstractButton>(dialog, "cancelButton"), Qt::LeftButton);
    ASSERT_TRUE(hosttest::waitFor([&] { return !dialog->isBusy(); }));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(find<QLabel>(dialog, "busyText")->text(), QStringLiteral("Stopped; nothing was written."));
    EXPECT_TRUE(alerts_.alerts().isEmpty());
    EXPECT_TRUE(hosttest::waitFor([&] { return !QDir(QStringLiteral("/proc/") + QString::fromLatin1(pid)).exists(); }))
        << "the filter is still running";
    EXPECT_EQ(hosttest::readBytes(out), QByteArray("an earlier file"));
    EXPECT_EQ(leftIn(dir_.path(), {"out.pdf", "slow.ppd", "slow-filter", "slow-filter.pid"}), QStringList());
    EXPECT_FALSE(QDir(presetDirectory()).exists()) << "nothing saved, nothing kept";
    EXPECT_TRUE(find<QAbstractButton>(dialog, "printButton")->isEnabled());

    QTest::mouseClick(find<QAbstractButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

} // namespace
