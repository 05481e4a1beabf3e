// A hundred jobs at once through orvan-print's own printing path (its hand-over
// callback, job options and CUPS client, four clients side by side) into a private
// cupsd; every job read back over IPP carries its own options, none lost, none mixed up.
// ppdMarkDefaults: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/CupsWorker.h"
#include "host/HostCallback.h"
#include "host/JobOptions.h"
#include "tests/host/HostTestSupport.h"
#include "tests/host/PrivateCupsd.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int kJobs = 100;
constexpr int kClients = 4;

struct Expected {
    QString title;
    int copies = 1;
    QMap<QString, QString> options; // as the server should hold them
};

using hosttest::customBase64;

// Job `i`'s choices, handed over the way the panels hand them over.
Expected handOverJob(int i, host::HostCallback* callback)
{
    static const char* const kImageTypes[] = {"Normal", "Photo", "Graphics", "Text"};
    const QString user = QStringLiteral("u%1").arg(i);
    const QString passcode = QString::number(100000 + i * 7919);
    const QString newName = QStringLiteral("Job \u00e9 %1").arg(i);
    const QList<host::HandOver> choices = {
        {QStringLiteral("ColorModel"), i % 2 ? QStringLiteral("Gray") : QStringLiteral("RGB")},
        {QStringLiteral("ImageType"), QString::fromLatin1(kImageTypes[i % 4])},
        {QStringLiteral("QVColorDensityCyanMid"), QString::number(i % 7 - 3)},
        {QStringLiteral("QVColorDensityBlackHigh"), QString::number(i / 7 % 7 - 3)},
        {QStringLiteral("JobType"), QStringLiteral("Secure")},
        {QStringLiteral("UserID"), QString::fromLatin1(user.toUtf8().toBase64())},
        {QStringLiteral("SecurePrintPasscode"), QString::fromLatin1(passcode.toUtf8().toBase64())},
        {QStringLiteral("NewJob"), QString::fromLatin1(newName.toUtf8().toBase64())},
    };
    for (const host::HandOver& choice : choices) callback->willChangePPDOptionKeyValue(choice.first, choice.second);

    Expected expected;
    expected.title = QStringLiteral("load %1 \u2013 \u00fc").arg(i, 3, 10, QLatin1Char('0'));
    expected.copies = 1 + i % 3;
    for (const host::HandOver& choice : choices) expected.options.insert(choice.first, choice.second);
    expected.options[QStringLiteral("UserID")] = customBase64(user);
    expected.options[QStringLiteral("SecurePrintPasscode")] = customBase64(passcode);
    expected.options[QStringLiteral("NewJob")] = customBase64(newName);
    return expected;
}

class Load : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::PrivateCupsd::available()) GTEST_SKIP() << "cupsd is not installed (scripts/install-deps)";
        QString error;
        // A stopped queue: the jobs wait, no filter runs, each stays to be read back.
        ASSERT_TRUE(cupsd_.startWithQueue(QStringLiteral("Orvan"), testsupport::bundledPpdPath(), &error))
            << error.toStdString();
        ASSERT_TRUE(tmp_.isValid());
        qputenv("TMPDIR", tmp_.path().toUtf8());
    }

    void TearDown() override
    {
        clients_.clear();
        qunsetenv("TMPDIR");
        qunsetenv("CUPS_SERVER");
        if (HasFailure()) std::cerr << "cupsd error log:\n" << cupsd_.errorLog().toStdString() << "\n";
        cupsd_.stop();
    }

    testsupport::PrivateCupsd cupsd_;
    QTemporaryDir tmp_;
    std::vector<std::unique_ptr<host::CupsClient>> clients_;
};

TEST_F(Load, AHundredJobsEachWithItsOwnOptions)
{
    for (int c = 0; c < kClients; ++c) clients_.push_back(std::make_unique<host::CupsClient>());

    // The queue's printer description, fetched as the dialog fetches it.
    host::SharedPpd ppd;
    QString fetchError;
    bool fetched = false;
    QObject::connect(clients_.front().get(), &host::CupsClient::ppdFetched,
                     [&](quint64, const QString&, const host::SharedPpd& answer, const QString& error) {
                         ppd = answer;
                         fetchError = error;
                         fetched = true;
                     });
    clients_.front()->fetchPpd(QStringLiteral("Orvan"));
    ASSERT_TRUE(hosttest::waitFor([&] { return fetched; }));
    ASSERT_TRUE(ppd) << fetchError.toStdString();

    // Each client answers its own requests: (client, request) -> the job's expectations.
    QMap<QPair<int, quint64>, Expected> expected;
    QMap<QPair<int, quint64>, int> jobOf;
    QStringList failures;
    for (int c = 0; c < kClients; ++c)
        QObject::connect(clients_[size_t(c)].get(), &host::CupsClient::submitted,
                         [&, c](quint64 request, int jobId, const QString& error) {
                             jobOf.insert({c, request}, jobId);
                             if (jobId <= 0) failures << error;
                         });

    // Every request goes out at once; the four clients send side by side.
    const host::Document document = hosttest::pdf();
    for (int i = 0; i < kJobs; ++i) {
        ppdMarkDefaults(ppd.get());
        host::HostCallback callback(ppd.get());
        Expected job = handOverJob(i, &callback);
        host::JobRequest request;
        request.queue = QStringLiteral("Orvan");
        request.title = job.title;
        request.copies = job.copies;
        request.options = host::jobOptionsFor(ppd.get(), callback.handOvers());
        request.document = document;
        const int c = i % kClients;
        expected.insert({c, clients_[size_t(c)]->submit(request)}, job);
    }
    ASSERT_EQ(expected.size(), kJobs);
    ASSERT_TRUE(hosttest::waitFor([&] { return jobOf.size() == kJobs; }, 120000))
        << jobOf.size() << " of " << kJobs << " answered";
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();

    // None lost, none sent twice: the server numbers its jobs from 1, and holds these
    // hundred and no other.
    QSet<int> submitted;
    for (int id : std::as_const(jobOf)) submitted.insert(id);
    QSet<int> numbered;
    for (int id = 1; id <= kJobs; ++id) numbered.insert(id);
    EXPECT_EQ(submitted, numbered) << "every job has an id of its own";
    QString error;
    cupsd_.jobAttributes(kJobs + 1, &error);
    EXPECT_FALSE(error.isEmpty()) << "a job more than was sent";
    error.clear();

    // None mixed up: each job carries the options it was sent with.
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const int id = jobOf.value(it.key());
        const Expected& want = it.value();
        SCOPED_TRACE(want.title.toStdString());
        const QMap<QString, QStringList> got = cupsd_.jobAttributes(id, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_EQ(got.value(QStringLiteral("job-name")).value(0), want.title);
        EXPECT_EQ(got.value(QStringLiteral("copies")).value(0), QString::number(want.copies));
        for (auto option = want.options.cbegin(); option != want.options.cend(); ++option)
            EXPECT_EQ(got.value(option.key()), QStringList{option.value()}) << option.key().toStdString();
    }
}

} // namespace
