// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in; its warnings are silenced here and nowhere else in this file's scope.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/HostCallback.h"

#include "host/PpdCheck.h"

#include <QCoreApplication>
#include <QFile>

#include <cups/file.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace host {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("host::openPpd", source); }

struct CupsFileCloser {
    void operator()(cups_file_t* file) const { cupsFileClose(file); }
};

// Why a file could not be read, from the error of the call that failed.
QString cause(int error)
{
    switch (error) {
    case ENOENT: return translated(QT_TRANSLATE_NOOP("host::openPpd", "no such file"));
    case EACCES:
    case EPERM: return translated(QT_TRANSLATE_NOOP("host::openPpd", "permission denied"));
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Whether libcups read translations ("*de.Translation ...", "*ja_JP.Duplex ...") with the
// description: it keeps those of the user's language only, so without any there is
// nothing to put in that language, and the lookups of every text are spared.
bool hasTranslations(ppd_file_t* ppd)
{
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (int i = 0; i < ppd->num_attrs; ++i) {
        const char* name = ppd->attrs[i]->name;
        if (letter(name[0]) && letter(name[1]) &&
            (name[2] == '.' || (name[2] == '_' && letter(name[3]) && letter(name[4]) && name[5] == '.')))
            return true;
    }
    return false;
}

} // namespace

void PpdCloser::operator()(ppd_file_t* ppd) const
{
    if (ppd) ppdClose(ppd);
}

PpdPtr openPpd(const QString& path, QString* error, QStringList* warnings)
{
    if (warnings) warnings->clear();
    const auto fail = [&](const QString& cause) {
        if (error)
            *error = translated(QT_TRANSLATE_NOOP("host::openPpd", "cannot read the printer description %1: %2"))
                         .arg(path, cause);
        return PpdPtr();
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return fail(cause(errno));
    if (S_ISDIR(info.st_mode)) return fail(translated(QT_TRANSLATE_NOOP("host::openPpd", "it is a directory")));
    std::unique_ptr<cups_file_t, CupsFileCloser> file(cupsFileOpen(name.constData(), "r"));
    if (!file) return fail(cause(errno));
    if (info.st_size == 0) return fail(translated(QT_TRANSLATE_NOOP("host::openPpd", "the file is empty")));

    // The text as libcups reads it (a gzip-compressed description unpacked), for the
    // checks; then libcups reads it again from the start.
    QByteArray text;
    if (warnings) {
        char buffer[16384];
        ssize_t read = 0;
        while ((read = cupsFileRead(file.get(), buffer, sizeof buffer)) > 0) text.append(buffer, read);
        if (read < 0 && !cupsFileEOF(file.get())) return fail(cause(errno)); // -1 also at the end
        if (cupsFileRewind(file.get()) != 0) return fail(cause(errno));
    }

    PpdPtr ppd(ppdOpen2(file.get()));
    if (!ppd) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        // The first line of every description is its *PPD-Adobe header.
        if (status == PPD_MISSING_PPDADOBE4 || line <= 1)
            return fail(translated(QT_TRANSLATE_NOOP(
                "host::openPpd", "not a printer description (it does not begin with *PPD-Adobe: \"4.x\")")));
        return fail(translated(QT_TRANSLATE_NOOP("host::openPpd", "%1 (line %2)"))
                        .arg(QString::fromUtf8(ppdErrorString(status)))
                        .arg(line));
    }
    if (warnings) *warnings = ppdTextWarnings(text);
    if (hasTranslations(ppd.get())) ppdLocalize(ppd.get());
    ppdMarkDefaults(ppd.get());
    return ppd;
}

QString dialogExtensionOf(ppd_file_t* ppd)
{
    ppd_attr_t* attr = ppd ? ppdFindAttr(ppd, "PrintDialogExtension", nullptr) : nullptr;
    if (!attr || !attr->value) return QString();
    const QString name = QString::fromUtf8(attr->value).trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return QString();
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control) return QString();
    return name;
}

QString ppdChoiceFor(ppd_file_t* ppd, const QString& keyword, const QString& choice)
{
    if (!ppd || choice.isEmpty() || choice.startsWith(QLatin1String("Custom.")))
        return choice;
    const QByteArray key = keyword.toUtf8();
    ppd_option_t* option = ppdFindOption(ppd, key.constData());
    if (!option || !ppdFindCustomOption(ppd, key.constData())
        || ppdFindChoice(option, choice.toUtf8().constData()))
        return choice;
    return QStringLiteral("Custom.") + choice;
}

void markChoice(ppd_file_t* ppd, const QString& keyword, const QString& choice)
{
    if (!ppd || keyword.isEmpty()) return;
    ppdMarkOption(ppd, keyword.toUtf8().constData(), ppdChoiceFor(ppd, keyword, choice).toUtf8().constData());
}

HostCallback::HostCallback(ppd_file_t* ppd, bool offersChoiceMarking)
    : ppd_(ppd),
      offersChoiceMarking_(offersChoiceMarking),
      settings_(std::make_unique<platform::PrintSettings>()),
      session_(std::make_unique<platform::PrintSession>())
{
}

HostCallback::~HostCallback() = default;

void HostCallback::willChangePPDOptionKeyValue(const QString& key, const QString& choice)
{
    handOvers_.append({key, choice});
    markChoice(ppd_, key, choice);
    if (observer_) observer_(key, choice);
}

void HostCallback::setPrintSettings(std::unique_ptr<platform::PrintSettings> settings)
{
    settings_ = std::move(settings);
}

void HostCallback::setPrintSession(std::unique_ptr<platform::PrintSession> session)
{
    session_ = std::move(session);
}

} // namespace host
