// orvan-print as users start it: command-line errors and their exit status, help and
// version, an unattended Save to File, a screenshot.
#include "tests/host/HostTestSupport.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

using hosttest::Outcome;

class HostCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // Runs orvan-print with a private configuration directory and no reachable server.
    Outcome run(const QStringList& arguments, QMap<QString, QString> environment = {})
    {
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("127.0.0.1:9"));
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath());
        const Outcome result = hosttest::runProcess(hosttest::orvanPrint(), arguments, environment);
        EXPECT_NE(result.status, -1) << "orvan-print did not end: " << arguments.join(QLatin1Char(' ')).toStdString();
        return result;
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

// The message lines of orvan-print on stderr (Qt's own chatter left out).
QStringList ourLines(const QString& err)
{
    QStringList lines;
    for (const QString& line : err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (line.startsWith(QStringLiteral("orvan-print:"))) lines << line;
    return lines;
}

TEST_F(HostCli, ErrorsAreOneLineAndExitWithStatusTwo)
{
    const QString text = path(QStringLiteral("notes.txt"));
    ASSERT_TRUE(hosttest::writeBytes(text, "plain text\n"));
    const QString brokenPpd = path(QStringLiteral("broken.ppd"));
    ASSERT_TRUE(hosttest::writeBytes(brokenPpd, "not a printer description\n"));
    const QString notABundle = path(QStringLiteral("empty.bundle"));
    ASSERT_TRUE(QDir().mkpath(notABundle));

    struct Case {
        QStringList arguments;
        QString says;
    };
    const QList<Case> cases = {
        {{QStringLiteral("--frobnicate")}, QStringLiteral("Unknown option")},
        {{QStringLiteral("--ppd")}, QStringLiteral("Missing value")},
        {{QStringLiteral("--ppd"), QStringLiteral("--accept")}, QStringLiteral("--ppd needs a value")},
        {{QStringLiteral("--ppd"), QStringLiteral("a.ppd"), QStringLiteral("--ppd"), QStringLiteral("b.ppd")},
         QStringLiteral("--ppd given more than once")},
        {{QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}, QStringLiteral("one document at a time")},
        {{QStringLiteral("--printer"), QStringLiteral("Orvan"), QStringLiteral("--output"), path(QStringLiteral("o"))},
         QStringLiteral("give one")},
        {{path(QStringLiteral("missing.pdf"))}, QStringLiteral("no such file")},
        {{text}, QStringLiteral("not a PDF or PostScript document")},
        {{QStringLiteral("--ppd"), path(QStringLiteral("missing.ppd"))}, QStringLiteral("cannot read the printer description")},
        {{QStringLiteral("--ppd"), brokenPpd}, QStringLiteral("cannot read the printer description")},
        {{QStringLiteral("--bundle"), path(QStringLiteral("nowhere.bundle"))}, QStringLiteral("cannot load the plug-in bundle")},
        {{QStringLiteral("--bundle"), notABundle}, QStringLiteral("cannot load the plug-in bundle")},
        {{QStringLiteral("--panel"), QStringLiteral("-1")}, QStringLiteral("panels are counted from 0")},
        {{QStringLiteral("--panel"), QStringLiteral("9")},
         QStringLiteral("no panel \u201c9\u201d; the panels are 0 \u201cLayout and Paper\u201d, 1 \u201cImage Options\u201d, "
                        "2 \u201cJob Type\u201d, 3 \u201cPrinter Features\u201d")},
        {{QStringLiteral("--panel"), QStringLiteral("Colour")}, QStringLiteral("no panel \u201cColour\u201d")},
        {{QStringLiteral("--panel"), QStringLiteral("Summary")}, QStringLiteral("no panel \u201cSummary\u201d")},
    };
    for (const Case& c : cases) {
        const Outcome r = run(QStringList{QStringLiteral("--offscreen"), QStringLiteral("--quit-after-show")} + c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, 2) << what << "\n" << r.err.toStdString();
        const QStringList lines = ourLines(r.err);
        ASSERT_EQ(lines.size(), 1) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(lines.first().contains(c.says)) << what << ": " << lines.first().toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << what;
    }

    // Without a display and without --offscreen it says how to run it headless.
    const Outcome headless = run({QStringLiteral("--quit-after-show")},
                             {{QStringLiteral("QT_QPA_PLATFORM"), QString()},
                              {QStringLiteral("DISPLAY"), QString()},
                              {QStringLiteral("WAYLAND_DISPLAY"), QString()}});
    EXPECT_EQ(headless.status, 2);
    ASSERT_EQ(ourLines(headless.err).size(), 1) << headless.err.toStdString();
    EXPECT_TRUE(ourLines(headless.err).first().contains(QStringLiteral("xvfb-run")));
    EXPECT_TRUE(ourLines(headless.err).first().contains(QStringLiteral("--offscreen")));
}

TEST_F(HostCli, HelpAndVersion)
{
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--printer NAME", "--ppd FILE", "--output FILE", "--panel N|NAME", "--offscreen", "--screenshot PNG",
                               "--quit-after-show", "--accept", "--version", "Exit status", "  2  bad command line"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("orvan-print 1."))) << version.out.toStdString();
}

TEST_F(HostCli, UnattendedSaveToFileWritesPrinterDataTicketAndSettings)
{
    const QString document = path(QStringLiteral("chart.ps"));
    const QByteArray postscript = "%!PS-Adobe-3.0\n%%Pages: 1\n72 72 moveto (chart) show showpage\n%%EOF\n";
    ASSERT_TRUE(hosttest::writeBytes(document, postscript));
    const QString out = path(QStringLiteral("chart-out.ps"));

    const Outcome r = run({QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--output"), out, document});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // The document's page with the printer description's setup around it.
    const QByteArray data = hosttest::readBytes(out);
    EXPECT_TRUE(data.contains("72 72 moveto (chart) show")) << data.toStdString();
    EXPECT_TRUE(data.contains("%%BeginFeature: *PageSize Letter"));
    const QJsonObject ticket = hosttest::readJson(out + QStringLiteral(".ticket.json"));
    EXPECT_EQ(ticket.value(QStringLiteral("job-name")).toString(), QStringLiteral("chart.ps"));
    EXPECT_EQ(ticket.value(QStringLiteral("source-document-format")).toString(), QStringLiteral("application/postscript"));
    EXPECT_EQ(ticket.value(QStringLiteral("output-format")).toString(), QStringLiteral("printer-data"));
    EXPECT_EQ(ticket.value(QStringLiteral("copies")).toInt(), 1);
    EXPECT_TRUE(ticket.value(QStringLiteral("options")).isObject());
    EXPECT_EQ(hosttest::modeOf(path(QStringLiteral("config/orvan-print/file.json"))), 0600) << "the settings kept";

    // No document: the built-in test page.
    const QString page = path(QStringLiteral("page.ps"));
    const Outcome testPage = run({QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--output"), page});
    ASSERT_EQ(testPage.status, 0) << testPage.err.toStdString();
    EXPECT_TRUE(hosttest::readBytes(page).contains("(Orvan test page) show"));

    // A queue that is not there: nothing is printed anywhere else.
    const Outcome noQueue = run({QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--printer"),
                                 QStringLiteral("Orvan"), document});
    EXPECT_EQ(noQueue.status, 3) << noQueue.err.toStdString();
    EXPECT_TRUE(noQueue.err.contains(QStringLiteral("cannot print to Orvan"))) << noQueue.err.toStdString();

    // A destination that cannot be written: status 3, and the reason (the reasons
    // themselves: HostSaveToFileTest).
    const Outcome failed = run({QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--output"),
                            path(QStringLiteral("no/such/dir/x.ps")), document});
    EXPECT_EQ(failed.status, 3) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains(QStringLiteral("no/such/dir"))) << failed.err.toStdString();
}

TEST_F(HostCli, ScreenshotShowsTheWholeDialog)
{
    const QString png = path(QStringLiteral("dialog.png"));
    const Outcome r = run({QStringLiteral("--offscreen"), QStringLiteral("--screenshot"), png});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 500);
    EXPECT_GE(image.height(), 300);

    const Outcome bad = run({QStringLiteral("--offscreen"), QStringLiteral("--screenshot"), path(QStringLiteral("no/dir/x.png"))});
    EXPECT_EQ(bad.status, 3);

    // --panel reaches the window (which panel each value names: HostKeyboardTest).
    const QString byName = path(QStringLiteral("job-type.png"));
    ASSERT_EQ(run({"--offscreen", "--panel", "Job Type", "--screenshot", byName}).status, 0);
    EXPECT_NE(QImage(byName), image);
}

} // namespace
