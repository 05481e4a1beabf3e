// orvan-features run as CUPS runs it (job-id user title copies options [file], the
// printer description in $PPD) on crafted PostScript: what it writes and its status.
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// `file` empty: the document on standard input.
Ran runFilter(const QByteArray& options, const QByteArray& document, const QString& file = QString(),
              const QString& ppd = testsupport::bundledPpdPath())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PPD"), ppd);
    process.setProcessEnvironment(environment);
    QStringList arguments{QStringLiteral("7"), QStringLiteral("user"), QStringLiteral("title"), QStringLiteral("1"),
                          QString::fromUtf8(options)};
    if (!file.isEmpty()) arguments << file;
    process.start(QStringLiteral(ORVAN_FILTER_EXE), arguments);
    EXPECT_TRUE(process.waitForStarted());
    if (file.isEmpty()) process.write(document);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

QByteArray setting(const QByteArray& keyword, const QByteArray& choice, const QByteArray& code)
{
    return "[{\n%%BeginFeature: *" + keyword + " " + choice + "\n" + code + "\n%%EndFeature\n} stopped cleartomark\n";
}

QByteArray brightness(const char* choice)
{
    return setting("Brightness", choice, "userdict /OrvanBrightness " + QByteArray(choice) + " put");
}

QByteArray document(const QByteArray& setup, const QByteArray& page = "showpage\n")
{
    return "%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n%%BeginSetup\n" + setup + "%%EndSetup\n%%Page: 1 1\n" + page +
           "%%EOF\n";
}

const QByteArray kLongLine = "% " + QByteArray(300 * 1024, 'x') + "\n";
// Data that looks like settings and lines, NUL bytes and a lone CR included.
constexpr char kBinaryBytes[] = "\n%%BeginFeature: *Brightness 0\n\0\r\xff\n%%EndFeature\n%%Page: 9 9\n";
const QByteArray kBinary(kBinaryBytes, sizeof kBinaryBytes - 1);

struct Case {
    const char* name;
    QByteArray options;
    QByteArray in;
    QByteArray out; // empty: the same as `in`
};

class FilterOutput : public ::testing::TestWithParam<Case> {};

TEST_P(FilterOutput, CarriesTheAskedForChoices)
{
    const Case& c = GetParam();
    const Ran run = runFilter(c.options, c.in);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray expected = c.out.isEmpty() ? c.in : c.out;
    EXPECT_EQ(run.out.size(), expected.size());
    EXPECT_TRUE(run.out == expected) << run.out.left(2000).toStdString();
}

const QByteArray kUserId = setting("CustomUserID", "True", "(Anna)\nuserdict /OrvanUserID 3 -1 roll put");

INSTANTIATE_TEST_SUITE_P(
    Filter, FilterOutput,
    ::testing::Values(
        Case{"ChoiceReplaced", "Brightness=2 ImageType=Off", document(brightness("0")), document(brightness("2"))},
        Case{"MatchingChoiceLeft", "Brightness=-1", document(brightness("-1")), {}},
        Case{"DefaultsWhenNothingAsked", "", document(brightness("1")), document(brightness("0"))},
        Case{"EverySettingOfTheSetup", "Brightness=1 Screen=Smooth",
             document(setting("Screen", "Auto", "x") + brightness("0") + setting("Screen", "Auto", "y")),
             document(setting("Screen", "Smooth", "userdict /OrvanScreen /Smooth put") + brightness("1") +
                      setting("Screen", "Smooth", "userdict /OrvanScreen /Smooth put"))},
        Case{"CustomValueUntouched", "UserID=Custom.Bob", document(kUserId), {}},
        Case{"PlainChoiceLeftForACustomValue", "UserID=Custom.Bob", document(setting("UserID", "None", "")), {}},
        Case{"CustomValueLeftForAPlainChoice", "UserID=None", document(setting("UserID", "Custom", "(Anna) x")), {}},
        Case{"UnknownOptionUntouched", "Finisher=Staple", document(setting("Finisher", "None", "x")), {}},
        Case{"UnknownChoiceUntouched", "Brightness=2", document(setting("Brightness", "7", "x")), {}},
        Case{"PagesUntouched", "Brightness=2", document("", brightness("0") + "showpage\n"), {}},
        Case{"NoSetupAtAll", "Brightness=2", "%!PS\n%%Page: 1 1\n" + brightness("0") + "showpage\n", {}},
        Case{"EmbeddedDocumentUntouched", "Brightness=2",
             document("%%BeginDocument: logo.eps\n" + brightness("0") + "%%EndDocument\n" + brightness("0")),
             document("%%BeginDocument: logo.eps\n" + brightness("0") + "%%EndDocument\n" + brightness("2"))},
        Case{"LongLinePassed", "Brightness=2", document(kLongLine + brightness("0") + kLongLine),
             document(kLongLine + brightness("2") + kLongLine)},
        Case{"BinarySectionPassed", "Brightness=2",
             document("%%BeginBinary: " + QByteArray::number(kBinary.size()) + "\n" + kBinary + "%%EndBinary\n" +
                      brightness("0")),
             document("%%BeginBinary: " + QByteArray::number(kBinary.size()) + "\n" + kBinary + "%%EndBinary\n" +
                      brightness("2"))},
        Case{"DataSectionInLinesPassed", "Brightness=2",
             document("%%BeginData: 2 Hex Lines\n%%BeginFeature: *Brightness 0\n%%EndFeature\n%%EndData\n" +
                      brightness("0")),
             document("%%BeginData: 2 Hex Lines\n%%BeginFeature: *Brightness 0\n%%EndFeature\n%%EndData\n" +
                      brightness("2"))},
        Case{"UnendedSettingLeft", "Brightness=2", document("%%BeginFeature: *Brightness 0\nx\n"), {}},
        Case{"CarriageReturnLines", "Brightness=2",
             "%!PS\r%%BeginSetup\r%%BeginFeature: *Brightness 0\rx\r%%EndFeature\r%%EndSetup\r%%Page: 1 1\r",
             "%!PS\r%%BeginSetup\r%%BeginFeature: *Brightness 2\nuserdict /OrvanBrightness 2 put\n%%EndFeature\r"
             "%%EndSetup\r%%Page: 1 1\r"}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

// The document from a file argument instead of standard input; failures as CUPS
// expects them: a status other than 0 and an "ERROR:" line.
TEST(Filter, ReadsTheFileArgumentAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.ps"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(document(brightness("0")));
    file.close();
    const Ran fromFile = runFilter("Brightness=-2", {}, path);
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_TRUE(fromFile.out == document(brightness("-2"))) << fromFile.out.toStdString();

    const Ran missing = runFilter("", {}, dir.filePath(QStringLiteral("gone.ps")));
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.err.startsWith("ERROR:")) << missing.err.toStdString();

    // Without a readable description every setting stays as it came.
    const Ran noPpd = runFilter("Brightness=2", document(brightness("0")), {}, dir.filePath(QStringLiteral("none.ppd")));
    EXPECT_EQ(noPpd.status, 0);
    EXPECT_TRUE(noPpd.out == document(brightness("0")));

    QProcess usage;
    usage.start(QStringLiteral(ORVAN_FILTER_EXE), {QStringLiteral("1")});
    ASSERT_TRUE(usage.waitForFinished(30000));
    EXPECT_NE(usage.exitCode(), 0);
    EXPECT_TRUE(usage.readAllStandardError().startsWith("Usage:"));
}

} // namespace
