// The printer description as the host opens it: damaged files open as far as libcups
// reads them with warnings that name the line, unreadable ones say which file and why,
// the bundled one opens without a word (Debian's: FeaturesRealPpdTest); the bundle a
// description names for its panels; and its texts in the user's language.

// The libcups PPD interface is deprecated in CUPS 2.4 but is what is under test.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/host/HostTestSupport.h"

#include <QDir>
#include <QProcess>

#include <cups/file.h>

#include <unistd.h>

namespace {

QByteArray bundledText() { return hosttest::readBytes(testsupport::bundledPpdPath()); }

// The line of `text` that byte `offset` is on, counted from 1.
int lineAt(const QByteArray& text, qsizetype offset) { return int(text.left(offset).count('\n')) + 1; }

QString joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

class PpdFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& text)
    {
        const QString file = dir_.filePath(name);
        EXPECT_TRUE(hosttest::writeBytes(file, text));
        return file;
    }

    QTemporaryDir dir_;
};

// ---------------------------------------------------------------------------------
// Damaged descriptions

struct Damage {
    const char* name;
    QByteArray text;
    QStringList expected;     // parts of the warnings, each in some warning
    const char* present;      // an option libcups still read
    const char* absent;       // an option cut away
};

TEST_F(PpdFiles, DamagedDescriptionsOpenWithWarningsThatNameTheLine)
{
    const QByteArray whole = bundledText();
    ASSERT_FALSE(whole.isEmpty());
    const qsizetype detail = whole.indexOf("*Screen Detail/Fine Detail: \"userdict /OrvanScreen");
    const qsizetype screen = whole.indexOf("*OpenUI *Screen/");
    const qsizetype jobGroup = whole.indexOf("*OpenGroup: JobType/");
    const qsizetype jobGroupEnd = whole.indexOf("*CloseGroup: JobType");
    ASSERT_TRUE(detail > 0 && screen > 0 && jobGroup > 0 && jobGroupEnd > 0);
    const QString required = QStringLiteral("the file ends without *FormatVersion, *FileVersion");

    const QList<Damage> damages = {
        {"cut after 20 bytes", whole.left(20),
         {QStringLiteral("line 2: ") + required,
          QStringLiteral("line 2: the file ends without declaring any option")},
         nullptr, "PageSize"},
        {"the header alone", "*PPD-Adobe: \"4.3\"\n",
         {QStringLiteral("line 1: ") + required, QStringLiteral("line 1: the file ends without declaring any option")},
         nullptr, "PageSize"},
        {"cut inside a quoted string", whole.left(detail + 38),
         {QStringLiteral("line %1: the file ends inside a quoted string").arg(lineAt(whole, detail)),
          QStringLiteral("line %1: *OpenUI *Screen has no *CloseUI").arg(lineAt(whole, screen))},
         "ColorModel", "Brightness"},
        {"cut at a line end inside a group", whole.left(jobGroupEnd),
         {QStringLiteral("line %1: *OpenGroup JobType has no *CloseGroup").arg(lineAt(whole, jobGroup))},
         "NewJob", nullptr},
        {"cut in half", whole.left(whole.size() / 2), {QStringLiteral("line ")}, "PageSize", nullptr},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        QString error;
        QStringList warnings{QStringLiteral("left over from before")};
        host::PpdPtr ppd = host::openPpd(write(QStringLiteral("damaged.ppd"), damage.text), &error, &warnings);
        ASSERT_TRUE(ppd) << error.toStdString();
        EXPECT_FALSE(warnings.isEmpty());
        for (const QString& warning : warnings)
            EXPECT_TRUE(warning.startsWith(QLatin1String("line "))) << warning.toStdString();
        for (const QString& part : damage.expected)
            EXPECT_TRUE(joined(warnings).contains(part)) << part.toStdString() << "\nin:\n" << joined(warnings).toStdString();
        if (damage.present) {
            EXPECT_NE(ppdFindOption(ppd.get(), damage.present), nullptr) << damage.present;
        }
        if (damage.absent) {
            EXPECT_EQ(ppdFindOption(ppd.get(), damage.absent), nullptr) << damage.absent;
        }
    }
}

TEST_F(PpdFiles, TheBundledDescriptionOpensWithoutAWordInAnyForm)
{
    const QByteArray text = bundledText();
    QByteArray crlf = text;
    crlf.replace("\n", "\r\n");
    // Compressed, as CUPS keeps descriptions and libcups reads them.
    const QString compressed = dir_.filePath(QStringLiteral("compressed.ppd.gz"));
    cups_file_t* gz = cupsFileOpen(QFile::encodeName(compressed).constData(), "w9");
    ASSERT_NE(gz, nullptr);
    EXPECT_EQ(cupsFileWrite(gz, text.constData(), size_t(text.size())), ssize_t(text.size()));
    cupsFileClose(gz);

    for (const QString& file : {testsupport::bundledPpdPath(), write(QStringLiteral("crlf.ppd"), crlf), compressed}) {
        SCOPED_TRACE(file.toStdString());
        QString error;
        QStringList warnings;
        host::PpdPtr ppd = host::openPpd(file, &error, &warnings);
        ASSERT_TRUE(ppd) << error.toStdString();
        EXPECT_TRUE(warnings.isEmpty()) << joined(warnings).toStdString();
        EXPECT_NE(ppdFindOption(ppd.get(), "NewJob"), nullptr);
    }
}

// ---------------------------------------------------------------------------------
// Files that are no description at all

TEST_F(PpdFiles, AnUnreadableFileIsNamedWithItsCause)
{
    const QString missing = dir_.filePath(QStringLiteral("missing.ppd"));
    const QString folder = dir_.filePath(QStringLiteral("folder.ppd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString locked = write(QStringLiteral("locked.ppd"), bundledText());
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QByteArray badLine = bundledText();
    const qsizetype brightness = badLine.indexOf("*OpenUI *Brightness/");
    badLine.insert(brightness, "Brightness without its asterisk\n");

    struct Case {
        QString file;
        QString cause;
    };
    QList<Case> cases = {
        {missing, QStringLiteral("no such file")},
        {folder, QStringLiteral("it is a directory")},
        {write(QStringLiteral("empty.ppd"), QByteArray()), QStringLiteral("the file is empty")},
        {write(QStringLiteral("letter.ppd"), "Dear printer,\nplease print.\n"), QStringLiteral("not a printer description")},
        {write(QStringLiteral("image.ppd"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
         QStringLiteral("not a printer description")},
        {write(QStringLiteral("bad-line.ppd"), badLine),
         QStringLiteral("(line %1)").arg(lineAt(badLine, brightness))},
    };
    // The superuser reads any file.
    if (::geteuid() != 0) cases.append({locked, QStringLiteral("permission denied")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QString error;
        QStringList warnings;
        EXPECT_FALSE(host::openPpd(c.file, &error, &warnings));
        EXPECT_TRUE(error.startsWith(QStringLiteral("cannot read the printer description %1: ").arg(c.file)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(c.cause)) << error.toStdString();
        EXPECT_TRUE(warnings.isEmpty());
    }
}

// ---------------------------------------------------------------------------------
// The bundle a description names

TEST_F(PpdFiles, OnlyAPlainFileNameNamesABundle)
{
    const QByteArray line = "*PrintDialogExtension: \"OrvanPDE.bundle\"\n";
    const QByteArray text = bundledText();
    ASSERT_TRUE(text.contains(line));
    const QList<std::pair<QByteArray, QString>> cases = {
        {line, QStringLiteral("OrvanPDE.bundle")},
        {"*PrintDialogExtension: \"Other.bundle\"\n", QStringLiteral("Other.bundle")},
        {QByteArray(), QString()},
        {"*PrintDialogExtension: \"\"\n", QString()},
        {"*PrintDialogExtension: \"/usr/lib/orvan/OrvanPDE.bundle\"\n", QString()},
        {"*PrintDialogExtension: \"../OrvanPDE.bundle\"\n", QString()},
        {"*PrintDialogExtension: \"Plugins/OrvanPDE.bundle\"\n", QString()},
        {"*PrintDialogExtension: \"..\"\n", QString()},
        {"*PrintDialogExtension: \"OrvanPDE\\\\..\\\\x.bundle\"\n", QString()},
    };
    for (const auto& [keyword, bundle] : cases) {
        SCOPED_TRACE(keyword.toStdString());
        QByteArray changed = text;
        changed.replace(line, keyword);
        host::PpdPtr ppd = testsupport::openTestPpd(write(QStringLiteral("named.ppd"), changed));
        ASSERT_TRUE(ppd);
        EXPECT_EQ(host::dialogExtensionOf(ppd.get()), bundle);
    }
    EXPECT_EQ(host::dialogExtensionOf(nullptr), QString());
}

// ---------------------------------------------------------------------------------
// The description's texts in the user's language

// What host_ppd_probe prints for the bundled description, in a process started with
// `environment` on top of one without any language setting: "kind\tname..." -> text.
QMap<QString, QString> textsWith(QMap<QString, QString> environment)
{
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE"})
        if (!environment.contains(QLatin1String(name))) environment.insert(QString::fromLatin1(name), QString());
    const hosttest::Outcome probe =
        hosttest::runProcess(QStringLiteral(HOST_PPD_PROBE_EXE), {testsupport::bundledPpdPath()}, environment);
    EXPECT_EQ(probe.status, 0) << probe.err.toStdString();
    QMap<QString, QString> texts;
    for (const QString& line : probe.out.split(QLatin1Char('\n'))) {
        const qsizetype tab = line.lastIndexOf(QLatin1Char('\t'));
        if (tab > 0) texts.insert(line.left(tab), line.mid(tab + 1));
    }
    return texts;
}

TEST(PpdTexts, ComeInTheLanguageOfTheEnvironment)
{
    // group, option, choices and a custom value's name, as the panels and pages read them
    const QStringList where = {
        QStringLiteral("group\tImageOptions"),       QStringLiteral("option\tColorModel"),
        QStringLiteral("choice\tColorModel\tRGB"),   QStringLiteral("choice\tBrightness\t1"),
        QStringLiteral("choice\tDuplex\tDuplexTumble"), QStringLiteral("option\tQVColorDensityCyanLow"),
        QStringLiteral("choice\tJobType\tSecure"),   QStringLiteral("param\tUserID\tValue"),
    };
    const QStringList english = {
        QStringLiteral("Image Options"), QStringLiteral("Output Color"), QStringLiteral("Color"),
        QStringLiteral("Slightly Lighter"), QStringLiteral("Short-Edge Binding"),
        QStringLiteral("Cyan Density (Highlights)"), QStringLiteral("Secure Print"), QStringLiteral("User ID"),
    };
    const QStringList german = {
        QStringLiteral("Bildoptionen"), QStringLiteral("Farbausgabe"), QStringLiteral("Farbe"),
        QStringLiteral("Etwas heller"), QStringLiteral("Bindung an der kurzen Kante"),
        QStringLiteral("Cyan-Dichte (Lichter)"), QStringLiteral("Sicherer Druck"), QStringLiteral("Benutzer-ID"),
    };
    const QStringList japanese = {
        QStringLiteral("画像オプション"), QStringLiteral("カラー出力"), QStringLiteral("カラー"),
        QStringLiteral("やや明るく"), QStringLiteral("短辺とじ"), QStringLiteral("シアン濃度（ハイライト）"),
        QStringLiteral("セキュリティ印刷"), QStringLiteral("ユーザーID"),
    };
    const QList<std::pair<QMap<QString, QString>, QStringList>> cases = {
        {{{"LANG", "de_DE.UTF-8"}}, german},
        {{{"LANG", "ja_JP.UTF-8"}}, japanese},
        {{{"LANG", "C.UTF-8"}}, english},
        {{}, english},
        {{{"LANG", "sv_SE.UTF-8"}}, english}, // a language the description lacks
        {{{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}, german},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, japanese},
    };
    for (const auto& [environment, expected] : cases) {
        SCOPED_TRACE(QStringList(environment.keys()).join(QLatin1Char(' ')).toStdString() + " " +
                     QStringList(environment.values()).join(QLatin1Char(' ')).toStdString());
        const QMap<QString, QString> texts = textsWith(environment);
        ASSERT_GT(texts.size(), 100);
        for (int i = 0; i < where.size(); ++i) EXPECT_EQ(texts.value(where.at(i)), expected.at(i)) << where.at(i).toStdString();
    }
}

} // namespace
