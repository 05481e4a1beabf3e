// The host's parts on their own, over real PPDs and real files: job options, conflicts,
// documents, the preset store.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // ppdMarkOption: the PPD interface

#include "host/CupsWorker.h"
#include "host/HostCallback.h"
#include "host/JobOptions.h"
#include "host/Presets.h"
#include "host/Summary.h"
#include "tests/host/HostTestSupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using host::HandOver;

using hosttest::modeOf;

TEST(HostJobOptions, MarkedNonDefaultChoicesThenEveryHandOverInOrder)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::bundledPpdPath());
    ASSERT_TRUE(ppd);
    host::HostCallback callback(ppd.get());
    // A choice marked by the host itself, not handed over.
    ppdMarkOption(ppd.get(), "DrvResolution", "1200dpi");
    callback.willChangePPDOptionKeyValue(QStringLiteral("ColorModel"), QStringLiteral("Gray"));
    callback.willChangePPDOptionKeyValue(QStringLiteral("UserID"), QStringLiteral("YWJj"));
    callback.willChangePPDOptionKeyValue(QStringLiteral("NotInThePpd"), QStringLiteral("x"));
    callback.willChangePPDOptionKeyValue(QStringLiteral("ColorModel"), QStringLiteral("RGB"));

    const host::JobOptions options = host::jobOptionsFor(ppd.get(), callback.handOvers());
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("DrvResolution"), QStringLiteral("1200dpi")},
        // Handed over twice: the last choice counts, even when it is the default.
        {QStringLiteral("ColorModel"), QStringLiteral("RGB")},
        // A free-text value goes in the form CUPS's filters read into *CustomUserID.
        {QStringLiteral("UserID"), QStringLiteral("Custom.YWJj")},
        {QStringLiteral("NotInThePpd"), QStringLiteral("x")},
    };
    EXPECT_EQ(options.items(), expected);
    // Defaults that nobody changed (page size, duplex) are not sent.
    EXPECT_FALSE(options.contains(QStringLiteral("PageSize")));
    EXPECT_FALSE(options.contains(QStringLiteral("Duplex")));

    // Choices saved for a printer are marked again on a fresh description; unknown
    // choices change nothing.
    host::PpdPtr fresh = testsupport::openTestPpd(testsupport::bundledPpdPath());
    host::markChoices(fresh.get(), {{QStringLiteral("ColorModel"), QStringLiteral("Gray")},
                                    {QStringLiteral("UserID"), QStringLiteral("YWJj")}});
    EXPECT_EQ(host::markedNonDefaultChoices(fresh.get()),
              (QList<HandOver>{{QStringLiteral("ColorModel"), QStringLiteral("Gray")}}));
    // The free-text value marks the custom choice and is kept as its parameter.
    const ppd_choice_t* userId = ppdFindMarkedChoice(fresh.get(), "UserID");
    ASSERT_TRUE(userId);
    EXPECT_STREQ(userId->choice, "Custom");
    ppd_cparam_t* param = ppdFirstCustomParam(ppdFindCustomOption(fresh.get(), "UserID"));
    ASSERT_TRUE(param);
    EXPECT_STREQ(param->current.custom_string, "YWJj");
}

// The Summary from what Print would send: each option once, under the first page or panel
// that shows it, in its order; a panel's own entries as it gives them, those naming no
// option it sends first; custom values decoded, secrets masked; the rest under "Other".
TEST(HostSummary, EveryOptionOnceUnderWhoShowsIt)
{
    host::SummaryInput input;
    for (const auto& [name, value] : std::initializer_list<std::pair<const char*, const char*>>{
             {"ColorModel", "Gray"}, {"Brightness", "1"}, {"JobType", "Secure"}, {"UserID", "Custom.YWJj"},
             {"SecurePrintPasscode", "Custom.MTIzNA=="}, {"Extra", "x"}})
        input.options.set(QString::fromLatin1(name), QString::fromLatin1(value));
    input.sources = {
        {QStringLiteral("Image Options"),
         {QStringLiteral("ColorModel"), QStringLiteral("Brightness")},
         {{QStringLiteral("colormodel"), QStringLiteral("Grayscale")}, {QStringLiteral("Color Balance:"), QStringLiteral("On")}},
         {}},
        {QStringLiteral("Job Type"),
         {QStringLiteral("ColorModel"), QStringLiteral("JobType"), QStringLiteral("UserID"),
          QStringLiteral("SecurePrintPasscode")},
         {},
         {}},
    };
    input.encodings = {{QStringLiteral("UserID"), QStringLiteral("base64")},
                       {QStringLiteral("SecurePrintPasscode"), QStringLiteral("base64")}};
    input.secretOptions = {QStringLiteral("SecurePrintPasscode")};
    input.otherTitle = QStringLiteral("Other options");

    QStringList shown;
    for (const host::SummarySection& section : host::summarize(input))
        for (const host::SummaryRow& row : section.rows) shown << section.title + " | " + row.key + " " + row.value;
    EXPECT_EQ(shown, (QStringList{
                         "Image Options | Color Balance: On",
                         "Image Options | colormodel Grayscale",
                         "Image Options | Brightness: 1",
                         "Job Type | JobType: Secure",
                         "Job Type | UserID: abc",
                         "Job Type | SecurePrintPasscode: " + QString(8, QChar(0x2022)),
                         "Other options | Extra: x",
                     }));
}

TEST(HostDocuments, PdfAndPostScriptAreReadOtherFilesAreRefused)
{
    QTemporaryDir dir;
    host::Document document;
    QString error;

    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(pdf, hosttest::pdfDocument()));
    ASSERT_TRUE(host::readDocument(pdf, &document, &error)) << error.toStdString();
    EXPECT_EQ(document.format, QStringLiteral("application/pdf"));
    EXPECT_EQ(document.name, QStringLiteral("a.pdf"));
    EXPECT_EQ(document.data, hosttest::pdfDocument());

    // The type comes from the content, not from the name.
    const QString ps = dir.filePath(QStringLiteral("b.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(ps, "%!PS-Adobe-3.0\nshowpage\n"));
    ASSERT_TRUE(host::readDocument(ps, &document, &error));
    EXPECT_EQ(document.format, QStringLiteral("application/postscript"));

    struct Case {
        QString path;
        const char* says;
    };
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const QString empty = dir.filePath(QStringLiteral("empty.pdf"));
    const QString unreadable = dir.filePath(QStringLiteral("secret.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(text, "just text\n"));
    ASSERT_TRUE(hosttest::writeBytes(empty, ""));
    ASSERT_TRUE(hosttest::writeBytes(unreadable, hosttest::pdfDocument()));
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    QList<Case> cases = {
        {dir.filePath(QStringLiteral("missing.pdf")), "no such file"},
        {dir.path(), "directory"},
        {text, "not a PDF or PostScript document"},
        {empty, "empty"},
    };
    if (::geteuid() != 0) cases.append({unreadable, "ermission"}); // root reads everything
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(host::readDocument(c.path, &document, &error)) << c.path.toStdString();
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.says))) << error.toStdString();
        EXPECT_TRUE(error.contains(c.path)) << error.toStdString();
    }

    const host::Document page = host::testPage();
    EXPECT_EQ(page.format, QStringLiteral("application/postscript"));
    EXPECT_TRUE(page.data.startsWith("%!PS-Adobe-3.0"));
    EXPECT_TRUE(page.data.contains("showpage"));
}

TEST(HostPresetStore, RoundTripIsPrivateAndAtomic)
{
    QTemporaryDir dir;
    host::PresetStore store(dir.filePath(QStringLiteral("orvan-print")));
    host::Preset preset;
    host::Preset loaded;
    EXPECT_EQ(store.load(QStringLiteral("Orvan"), &loaded), host::PresetStore::Status::Missing);

    preset.settings = {{QStringLiteral("colormodeSettings"), QStringLiteral("1")},
                       {QStringLiteral("jobtypePasscode"), QStringLiteral("1234")}};
    preset.marked = {{QStringLiteral("ColorModel"), QStringLiteral("Gray")}};
    preset.jobName = QStringLiteral("Quarterly \u00e9t\u00e9");
    QString error;
    ASSERT_TRUE(store.save(QStringLiteral("Orvan"), preset, &error)) << error.toStdString();
    ASSERT_TRUE(store.save(QString(), host::Preset(), &error)) << error.toStdString();

    EXPECT_EQ(modeOf(store.directory()), 0700);
    EXPECT_EQ(modeOf(store.fileFor(QStringLiteral("Orvan"))), 0600);
    EXPECT_EQ(modeOf(store.fileFor(QString())), 0600);
    // Nothing but the two presets: no temporary file left behind.
    EXPECT_EQ(QDir(store.directory()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    ASSERT_EQ(store.load(QStringLiteral("Orvan"), &loaded), host::PresetStore::Status::Found);
    EXPECT_EQ(loaded.settings, preset.settings);
    EXPECT_EQ(loaded.marked, preset.marked);
    EXPECT_EQ(loaded.jobName, preset.jobName);
    ASSERT_EQ(store.load(QString(), &loaded), host::PresetStore::Status::Found);
    EXPECT_TRUE(loaded.settings.isEmpty());

    // A file that was readable by others is made private when it is replaced.
    QFile::setPermissions(store.fileFor(QStringLiteral("Orvan")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    ASSERT_TRUE(store.save(QStringLiteral("Orvan"), preset, &error));
    EXPECT_EQ(modeOf(store.fileFor(QStringLiteral("Orvan"))), 0600);

    // Queue names cannot lead out of the directory or onto each other's files.
    const QStringList names = {QStringLiteral("../evil"), QStringLiteral("a/b"), QStringLiteral("a%2Fb"),
                               QStringLiteral(".."), QStringLiteral("file")};
    QSet<QString> files;
    for (const QString& name : names) {
        const QFileInfo file(store.fileFor(name));
        EXPECT_EQ(file.absolutePath(), QFileInfo(store.directory()).absoluteFilePath()) << name.toStdString();
        files.insert(file.fileName());
    }
    files.insert(QFileInfo(store.fileFor(QString())).fileName());
    EXPECT_EQ(files.size(), names.size() + 1);
}

TEST(HostPresetStore, DamagedFilesGiveNothingAndStayAsTheyAre)
{
    QTemporaryDir dir;
    host::PresetStore store(dir.path());
    const QList<QByteArray> damaged = {
        "{ not json",
        "[1, 2, 3]",
        "{\"version\": 99, \"settings\": {}, \"marked\": []}",
        "{\"version\": 1, \"settings\": {\"a\": 5}, \"marked\": []}",
        "{\"version\": 1, \"settings\": {}, \"marked\": [[\"ColorModel\"]]}",
        "{\"version\": 1, \"settings\": [], \"marked\": []}",
        QByteArray(2 << 20, ' '),
    };
    for (const QByteArray& content : damaged) {
        const QString path = store.fileFor(QStringLiteral("Orvan"));
        ASSERT_TRUE(hosttest::writeBytes(path, content));
        host::Preset preset;
        preset.jobName = QStringLiteral("stale");
        QString problem;
        EXPECT_EQ(store.load(QStringLiteral("Orvan"), &preset, &problem), host::PresetStore::Status::Damaged)
            << content.left(60).toStdString();
        EXPECT_TRUE(preset.settings.isEmpty() && preset.marked.isEmpty() && preset.jobName.isEmpty());
        EXPECT_TRUE(problem.contains(path)) << problem.toStdString();
        EXPECT_EQ(hosttest::readBytes(path), content);
    }
}

} // namespace

// A server that takes the connection and never answers: the dialog's CUPS client must
// still let go when the dialog closes.
TEST(HostCupsClient, LetsGoOfAServerThatNeverAnswers)
{
    hosttest::SilentServer silent;
    ASSERT_FALSE(silent.server().isEmpty());
    const QByteArray previous = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", silent.server());
    {
        auto client = std::make_unique<host::CupsClient>();
        QSignalSpy finished(client.get(), &host::CupsClient::enumerationFinished);
        client->enumerate();
        QTest::qWait(300); // the request is under way, waiting for an answer
        EXPECT_TRUE(finished.isEmpty());

        // Letting go must return, not wait for an answer that never comes. A hang is
        // ended here, with its reason, rather than by the suite's timeout minutes later.
        std::mutex mutex;
        std::condition_variable gone;
        bool released = false;
        std::thread deadline([&] {
            std::unique_lock lock(mutex);
            if (!gone.wait_for(lock, std::chrono::seconds(5), [&] { return released; })) {
                std::fputs("HostCupsClient.LetsGoOfAServerThatNeverAnswers: FAILED: the CUPS client still "
                           "waits for a server that never answers 5 s after the dialog let it go\n",
                           stderr);
                std::_Exit(EXIT_FAILURE);
            }
        });
        client.reset();
        {
            std::lock_guard lock(mutex);
            released = true;
        }
        gone.notify_one();
        deadline.join();
    }
    qputenv("CUPS_SERVER", previous);
}
