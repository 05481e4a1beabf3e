#include "host/Presets.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace host {

namespace {

constexpr int kFormatVersion = 1;
constexpr qint64 kMaximumFileSize = 1 << 20; // a preset is a few hundred bytes

// Printer names become file names: letters, digits, '-' and '_' stay, every other
// byte is written as %XX, so no name can reach outside the directory.
QString fileNameFor(const QString& printer)
{
    if (printer.isEmpty()) return QStringLiteral("file.json");
    QString name = QStringLiteral("printer-");
    for (const char c : printer.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '_')
            name += QLatin1Char(c);
        else
            name += QStringLiteral("%%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
    }
    return name + QStringLiteral(".json");
}

} // namespace

PresetStore::PresetStore(const QString& directory) : directory_(directory)
{
    if (directory_.isEmpty())
        directory_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/orvan-print");
}

QString PresetStore::fileFor(const QString& printer) const
{
    return directory_ + QLatin1Char('/') + fileNameFor(printer);
}

PresetStore::Status PresetStore::load(const QString& printer, Preset* preset, QString* problem) const
{
    *preset = Preset();
    const QString path = fileFor(printer);
    QFile file(path);
    if (!file.exists()) return Status::Missing;

    auto damaged = [&](const QString& why) {
        *preset = Preset();
        if (problem) *problem = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
        return Status::Damaged;
    };
    if (!file.open(QIODevice::ReadOnly)) return damaged(file.errorString());
    if (file.size() > kMaximumFileSize) return damaged(tr("the file is too large"));
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kMaximumFileSize), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return damaged(tr("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject()) return damaged(tr("not a settings object"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("version")).toInt() != kFormatVersion)
        return damaged(tr("unknown format version"));

    const QJsonValue settings = root.value(QStringLiteral("settings"));
    const QJsonValue marked = root.value(QStringLiteral("marked"));
    const QJsonValue jobName = root.value(QStringLiteral("jobName"));
    const QJsonValue options = root.value(QStringLiteral("options"));
    const QJsonValue secretsKept = root.value(QStringLiteral("secretsKept"));
    if (!settings.isObject() || !marked.isArray() || !(jobName.isString() || jobName.isUndefined()) ||
        !(options.isObject() || options.isUndefined()) || !(secretsKept.isArray() || secretsKept.isUndefined()))
        return damaged(tr("missing or mistyped entries"));

    const QJsonObject settingsObject = settings.toObject();
    for (auto it = settingsObject.begin(); it != settingsObject.end(); ++it) {
        if (!it.value().isString()) return damaged(tr("setting %1 is not text").arg(it.key()));
        preset->settings.insert(it.key(), it.value().toString());
    }
    for (const QJsonValue& entry : marked.toArray()) {
        const QJsonArray pair = entry.toArray();
        if (pair.size() != 2 || !pair.at(0).isString() || !pair.at(1).isString())
            return damaged(tr("a marked choice is not a keyword and a choice"));
        preset->marked.append({pair.at(0).toString(), pair.at(1).toString()});
    }
    const QJsonObject optionsObject = options.toObject();
    for (auto it = optionsObject.begin(); it != optionsObject.end(); ++it) {
        if (!it.value().isString()) return damaged(tr("setting %1 is not text").arg(it.key()));
        preset->options.insert(it.key(), it.value().toString());
    }
    for (const QJsonValue& key : secretsKept.toArray()) {
        if (!key.isString()) return damaged(tr("missing or mistyped entries"));
        preset->secretsKept << key.toString();
    }
    preset->jobName = jobName.toString();
    return Status::Found;
}

bool PresetStore::save(const QString& printer, const Preset& preset, QString* error) const
{
    auto failed = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QDir dir(directory_);
    if (!dir.exists() && !QDir().mkpath(directory_))
        return failed(QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(directory_)));
    QFile::setPermissions(directory_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QJsonObject settings;
    for (auto it = preset.settings.cbegin(); it != preset.settings.cend(); ++it) settings.insert(it.key(), it.value());
    QJsonArray marked;
    for (const HandOver& choice : preset.marked) marked.append(QJsonArray{choice.first, choice.second});
    QJsonObject root;
    root.insert(QStringLiteral("version"), kFormatVersion);
    root.insert(QStringLiteral("printer"), printer);
    root.insert(QStringLiteral("jobName"), preset.jobName);
    root.insert(QStringLiteral("settings"), settings);
    root.insert(QStringLiteral("marked"), marked);
    QJsonObject options;
    for (auto it = preset.options.cbegin(); it != preset.options.cend(); ++it) options.insert(it.key(), it.value());
    if (!options.isEmpty()) root.insert(QStringLiteral("options"), options);
    if (!preset.secretsKept.isEmpty()) root.insert(QStringLiteral("secretsKept"), QJsonArray::fromStringList(preset.secretsKept));

    const QString path = fileFor(printer);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    // Owner-only before a byte is written, so the user's settings are never readable by others,
    // not even in the temporary file that replaces the old one.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed(QStringLiteral("cannot protect %1").arg(QDir::toNativeSeparators(path)));
    const QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    // QSaveFile takes a short write (a full disk) for success: committing it would put a
    // cut-off preset in place of the whole one.
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return failed(QStringLiteral("cannot write %1: not all of it could be written (is the disk full?)")
                          .arg(QDir::toNativeSeparators(path)));
    }
    if (!file.commit())
        return failed(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}

} // namespace host
