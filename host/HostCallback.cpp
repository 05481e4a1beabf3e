// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in; its warnings are silenced here and nowhere else in this file's scope.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/HostCallback.h"

#include <QFile>

namespace host {

void PpdCloser::operator()(ppd_file_t* ppd) const
{
    if (ppd) ppdClose(ppd);
}

PpdPtr openPpd(const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    PpdPtr ppd(ppdOpenFile(name.constData()));
    if (!ppd) {
        if (error) {
            int line = 0;
            const ppd_status_t status = ppdLastError(&line);
            *error = QStringLiteral("cannot read the printer description %1: %2 (line %3)")
                         .arg(path, QString::fromUtf8(ppdErrorString(status)))
                         .arg(line);
        }
        return ppd;
    }
    ppdMarkDefaults(ppd.get());
    return ppd;
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
