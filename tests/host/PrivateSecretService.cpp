#include "tests/host/PrivateSecretService.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace testsupport {

PrivateSecretService::PrivateSecretService() = default;

PrivateSecretService::~PrivateSecretService() { stop(); }

bool PrivateSecretService::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon")).isEmpty();
}

QString PrivateSecretService::keyringDirectory() const
{
    return dir_ ? dir_->filePath(QStringLiteral("data/keyrings")) : QString();
}

QProcessEnvironment PrivateSecretService::environment(QProcessEnvironment base) const
{
    if (!dir_) return base;
    base.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    base.insert(QStringLiteral("XDG_DATA_HOME"), dir_->filePath(QStringLiteral("data")));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_->filePath(QStringLiteral("run")));
    // No desktop to pick another store by.
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_KEYRING_CONTROL"})
        base.remove(QString::fromLatin1(name));
    return base;
}

void PrivateSecretService::useInThisProcess() const
{
    const QProcessEnvironment wanted = environment(QProcessEnvironment());
    for (const QString& name : wanted.keys()) qputenv(name.toLocal8Bit(), wanted.value(name).toLocal8Bit());
}

int runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
            QByteArray* output, const QByteArray& input, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) return -1;
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (output) *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool PrivateSecretService::start(QString* error)
{
    stop();
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid() || !QDir().mkpath(dir_->filePath(QStringLiteral("run"))) ||
        !QDir().mkpath(dir_->filePath(QStringLiteral("data")))) {
        *error = QStringLiteral("cannot make the secret store's folder");
        return false;
    }
    QFile::setPermissions(dir_->filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    bus_ = std::make_unique<QProcess>();
    bus_->setProcessEnvironment(environment());
    bus_->setProcessChannelMode(QProcess::SeparateChannels);
    bus_->start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!bus_->waitForStarted(10000) || !bus_->waitForReadyRead(10000)) {
        *error = QStringLiteral("dbus-daemon did not start: %1").arg(QString::fromLocal8Bit(bus_->readAllStandardError()));
        stop();
        return false;
    }
    address_ = QString::fromLocal8Bit(bus_->readLine()).trimmed();

    // The login keyring, created and unlocked with a password of the test's, then the
    // Secret Service on the bus.
    QByteArray said;
    const QProcessEnvironment env = environment();
    if (runTool(QStringLiteral("gnome-keyring-daemon"), {QStringLiteral("--daemonize"), QStringLiteral("--login")}, env,
                &said, "test-password") != 0 ||
        runTool(QStringLiteral("gnome-keyring-daemon"),
                {QStringLiteral("--start"), QStringLiteral("--components=secrets")}, env, &said) != 0) {
        *error = QStringLiteral("gnome-keyring-daemon did not start: %1").arg(QString::fromLocal8Bit(said));
        stop();
        return false;
    }
    return true;
}

void PrivateSecretService::stop()
{
    if (bus_) {
        // The keyring daemon leaves when its bus goes.
        bus_->terminate();
        if (!bus_->waitForFinished(5000)) {
            bus_->kill();
            bus_->waitForFinished(1000);
        }
        bus_.reset();
    }
    address_.clear();
    dir_.reset();
}

} // namespace testsupport
