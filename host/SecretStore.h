#pragma once
// The desktop's secret store (the Secret Service, through QtKeychain) for the print
// settings a bundle declares secret (a secure-print passcode): kept there per printer and
// never in orvan-print's files. Where no secret store runs, nothing keeps them: the
// panel asks for them again. Every request answers once, asynchronously, also when the
// store does not answer in time.
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

namespace host {

class SecretStore : public QObject {
    Q_OBJECT
public:
    explicit SecretStore(QObject* parent = nullptr);
    ~SecretStore() override;

    using Secrets = QMap<QString, QString>; // print-settings key -> value
    // `secrets` empty when the store keeps none for `printer` or cannot be reached;
    // `problem` says why when it could not be asked.
    using ReadDone = std::function<void(const Secrets& secrets, const QString& problem)>;
    void read(const QString& printer, ReadDone done);
    // Keeps `secrets` for `printer` in place of what was kept there; empty forgets them.
    // `kept` is true when the store holds `secrets` now.
    using WriteDone = std::function<void(bool kept, const QString& problem)>;
    void write(const QString& printer, const Secrets& secrets, WriteDone done);

    // How long a request may take (the store may ask the user to unlock it).
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    // The name the entries are kept under in the store.
    static QString serviceName();
    static QString entryName(const QString& printer);

private:
    int timeoutMs_ = 60000;
};

} // namespace host
