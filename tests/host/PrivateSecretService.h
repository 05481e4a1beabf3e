#pragma once
// A private desktop secret store for tests: a D-Bus session bus of its own with
// gnome-keyring's Secret Service on it, its keyring unlocked, under a temporary
// directory. Nothing of the machine's own session is read or touched. Everything stops
// when the object goes (the keyring daemon leaves with its bus).
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

class PrivateSecretService {
public:
    PrivateSecretService();
    ~PrivateSecretService();
    PrivateSecretService(const PrivateSecretService&) = delete;
    PrivateSecretService& operator=(const PrivateSecretService&) = delete;

    // Whether dbus-daemon and gnome-keyring-daemon are installed (tests skip without).
    static bool available();

    // Starts the bus and the keyring; false with the reason in `error`.
    bool start(QString* error);
    void stop();

    // The bus address, for DBUS_SESSION_BUS_ADDRESS.
    QString busAddress() const { return address_; }
    // `base` with the variables a process needs to reach this store (and only it).
    QProcessEnvironment environment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
    // Points this process at the store. Its first use of the session bus must come after:
    // D-Bus libraries keep the first bus they meet for the life of the process.
    void useInThisProcess() const;
    // The folder the keyring files lie in.
    QString keyringDirectory() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> bus_;
    QString address_;
};

// Runs `program` with `arguments` in the environment given and answers its exit code,
// or -1 when it did not end within `timeoutMs`; its output goes to `output`.
int runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
            QByteArray* output = nullptr, const QByteArray& input = QByteArray(), int timeoutMs = 30000);

} // namespace testsupport
