#include "host/FileJob.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace host {

namespace {

QString failure(const QString& path, const QString& why)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
}

// QSaveFile takes a short write (a full disk) for success: a cut-off file must not be
// committed as if it were whole.
bool writeWhole(QSaveFile& file, const QByteArray& bytes, QString* error)
{
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        *error = failure(file.fileName(), FileJob::tr("not all of it could be written (is the disk full?)"));
        return false;
    }
    if (!file.commit()) {
        *error = failure(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool FileJob::write(QString* error) const
{
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly)) {
        *error = failure(path, output.errorString());
        return false;
    }
    if (!writeWhole(output, document.data, error)) return false;

    // The ticket: what a queue would have been given, readable by people and programs.
    QJsonObject jobOptions;
    for (const auto& option : options.items()) jobOptions.insert(option.first, option.second);
    QJsonObject ticket;
    ticket.insert(QStringLiteral("document"), QFileInfo(path).fileName());
    ticket.insert(QStringLiteral("document-format"), document.format);
    ticket.insert(QStringLiteral("job-name"), jobName);
    ticket.insert(QStringLiteral("copies"), copies);
    ticket.insert(QStringLiteral("printer-description"), QFileInfo(ppdPath).absoluteFilePath());
    ticket.insert(QStringLiteral("options"), jobOptions);
    const QString ticketPath = path + QStringLiteral(".ticket.json");
    QSaveFile ticketFile(ticketPath);
    if (!ticketFile.open(QIODevice::WriteOnly)) {
        *error = failure(ticketPath, ticketFile.errorString());
        return false;
    }
    ticketFile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return writeWhole(ticketFile, QJsonDocument(ticket).toJson(QJsonDocument::Indented), error);
}

} // namespace host
