// The Secure Print passcode rests in the desktop's secret store, never in orvan-print's
// files: a private D-Bus session with gnome-keyring's Secret Service stands for the
// desktop's, for this whole test process (D-Bus libraries keep the first bus they meet).
#include "host/Presets.h"
#include "host/SecretStore.h"
#include "tests/host/HostQueueTest.h"
#include "tests/host/HostTestSupport.h"
#include "tests/host/PrivateSecretService.h"

#include <QDirIterator>

namespace {

testsupport::PrivateSecretService* service = nullptr;

class SecretServiceEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!testsupport::PrivateSecretService::available()) return;
        service = new testsupport::PrivateSecretService;
        QString error;
        if (!service->start(&error)) {
            std::cerr << "no private secret store: " << error.toStdString() << "\n";
            delete service;
            service = nullptr;
            return;
        }
        service->useInThisProcess();
    }
    void TearDown() override
    {
        delete service;
        service = nullptr;
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new SecretServiceEnvironment);

class Secret : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!service) GTEST_SKIP() << "dbus-daemon or gnome-keyring is not installed (scripts/install-deps)";
    }

    // The store's answer, waited for.
    host::SecretStore::Secrets read(const QString& printer)
    {
        host::SecretStore::Secrets answer;
        bool done = false;
        store_.read(printer, [&](const host::SecretStore::Secrets& secrets, const QString& problem) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            answer = secrets;
            done = true;
        });
        EXPECT_TRUE(hosttest::waitFor([&] { return done; }, 20000));
        return answer;
    }

    bool write(const QString& printer, const host::SecretStore::Secrets& secrets)
    {
        bool kept = false;
        bool done = false;
        store_.write(printer, secrets, [&](bool isKept, const QString& problem) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            kept = isKept;
            done = true;
        });
        EXPECT_TRUE(hosttest::waitFor([&] { return done; }, 20000));
        return kept;
    }

    host::SecretStore store_;
};

TEST_F(Secret, KeptPerPrinterReadBackAndForgotten)
{
    const host::SecretStore::Secrets orvan{{QStringLiteral("jobtypePasscode"), QStringLiteral("90731524")}};
    const host::SecretStore::Secrets file{{QStringLiteral("jobtypePasscode"), QStringLiteral("1111")}};
    EXPECT_TRUE(write(QStringLiteral("Orvan"), orvan));
    EXPECT_TRUE(write(QString(), file));
    EXPECT_EQ(read(QStringLiteral("Orvan")), orvan);
    EXPECT_EQ(read(QString()), file);
    EXPECT_TRUE(read(QStringLiteral("Other")).isEmpty());

    // Replaced, then forgotten; forgetting twice is no failure.
    const host::SecretStore::Secrets changed{{QStringLiteral("jobtypePasscode"), QStringLiteral("42")}};
    EXPECT_TRUE(write(QStringLiteral("Orvan"), changed));
    EXPECT_EQ(read(QStringLiteral("Orvan")), changed);
    EXPECT_FALSE(write(QStringLiteral("Orvan"), {}));
    EXPECT_FALSE(write(QStringLiteral("Orvan"), {}));
    EXPECT_TRUE(read(QStringLiteral("Orvan")).isEmpty());
    EXPECT_EQ(read(QString()), file);

    // The keyring's own files hold them encrypted.
    QDirIterator it(service->keyringDirectory(), QDir::Files);
    int files = 0;
    while (it.hasNext()) {
        const QByteArray bytes = hosttest::readBytes(it.next());
        ++files;
        EXPECT_FALSE(bytes.contains("1111")) << it.filePath().toStdString();
    }
    EXPECT_GT(files, 0);
}

// A Secure Print set up once goes out as Secure Print after a restart: the passcode
// comes back from the store, and `--accept` sends what the dialog would show.
class SecretQueue : public hosttest::HostQueueTest {
protected:
    void SetUp() override
    {
        if (!service) GTEST_SKIP() << "dbus-daemon or gnome-keyring is not installed (scripts/install-deps)";
        hosttest::HostQueueTest::SetUp();
    }
};

TEST_F(SecretQueue, SecurePrintComesBackAfterARestart)
{
    const QString user = QStringLiteral("ann");
    const QString passcode = QStringLiteral("4711");
    ASSERT_TRUE(open(queueOptions()));
    hosttest::chooseSecurePrint(dialog_.get(), user, passcode, QStringLiteral("Minutes"));
    ASSERT_TRUE(print());
    const int first = lastJobId_;
    EXPECT_EQ(job(first).value(QStringLiteral("JobType")).value(0), QStringLiteral("Secure"));
    dialog_.reset();
    EXPECT_FALSE(hosttest::readBytes(host::PresetStore(presetDirectory()).fileFor(QStringLiteral("Orvan")))
                     .contains(passcode.toUtf8()));

    // A new process: the same settings folder, the same secret store.
    const QString document = path(QStringLiteral("again.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(document, hosttest::pdfDocument()));
    QByteArray output;
    ASSERT_EQ(acceptInNewProcess(cupsd_.server(), QStringLiteral("Orvan"), document, &output, service->environment()), 0)
        << output.toStdString();
    const QMap<QString, QStringList> again = job(first + 1);
    EXPECT_EQ(again.value(QStringLiteral("JobType")).value(0), QStringLiteral("Secure"));
    EXPECT_EQ(again.value(QStringLiteral("SecurePrintPasscode")).value(0), hosttest::customBase64(passcode));
    EXPECT_EQ(again.value(QStringLiteral("UserID")).value(0), hosttest::customBase64(user));
}

} // namespace
