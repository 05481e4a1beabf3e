// The Secure Print passcode rests in the desktop's secret store, never in orvan-print's
// files: a private D-Bus session with gnome-keyring's Secret Service stands for the
// desktop's, for this whole test process (D-Bus libraries keep the first bus they meet).
#include "host/SecretStore.h"
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

} // namespace
