// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/QueueDefaults.h"

#include "host/IppValues.h"
#include "host/PpdWalk.h"

#include <QByteArray>
#include <QFile>
#include <QSet>

#include <cstring>

namespace host {

namespace {

QString text(const char* value) { return QString::fromUtf8(value ? value : ""); }

QByteArray printerUri(const QString& queue)
{
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.toUtf8().constData());
    return QByteArray(uri);
}

QString lastError()
{
    const char* message = cupsLastErrorString();
    return message && *message ? QString::fromUtf8(message) : QString::fromUtf8(ippErrorString(cupsLastError()));
}

QString userLpoptionsPath()
{
    const QByteArray home = qgetenv("HOME");
    return home.isEmpty() ? QString() : QFile::decodeName(home) + QStringLiteral("/.cups/lpoptions");
}

QString systemLpoptionsPath()
{
    const QByteArray root = qgetenv("CUPS_SERVERROOT");
    return (root.isEmpty() ? QStringLiteral("/etc/cups") : QFile::decodeName(root)) + QStringLiteral("/lpoptions");
}

// The destination the last "Default NAME[/INSTANCE] ..." line of an lpoptions file
// names, instance and all; empty for none.
QString defaultLineOf(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return QString();
    QString named;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().simplified();
        if (line.left(8).compare("Default ", Qt::CaseInsensitive) == 0)
            named = QString::fromUtf8(line.mid(8)).section(QLatin1Char(' '), 0, 0);
    }
    return named;
}

// Whether the user's own lpoptions names a default destination. cupsGetDests2 marks the
// server's default as the default too, and cupsSetDests2 would write that down as the
// user's choice, pinning it against later changes on the server.
bool userFileNamesDefault()
{
    const QString user = userLpoptionsPath();
    return !defaultLineOf(user.isEmpty() ? systemLpoptionsPath() : user).isEmpty();
}

bool lpoptionsFileExists()
{
    const QString user = userLpoptionsPath();
    return !user.isEmpty() && QFile::exists(user);
}

// The value a default takes when nobody sets one: the server's, else the description's.
bool sameAsServer(const DefaultsRequest& request, const QueueOptions& server, const QString& name,
                  const QString& value)
{
    if (server.contains(name)) return server.value(name).compare(value, Qt::CaseInsensitive) == 0;
    return request.descriptionDefaults.contains(name) &&
           request.descriptionDefaults.value(name).compare(value, Qt::CaseInsensitive) == 0;
}

// Rewrites the user's lpoptions entry of the queue: `decided` options go, `options`
// come in (left out where the server has the same already).
bool rewriteUserEntry(http_t* http, const DefaultsRequest& request, const QueueOptions& server,
                      const QList<QPair<QString, QString>>& options, QString* error)
{
    const bool keepDefault = userFileNamesDefault();
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(http, &dests);
    const QByteArray queue = request.queue.toUtf8();
    if (!cupsGetDest(queue.constData(), nullptr, count, dests))
        count = cupsAddDest(queue.constData(), nullptr, count, &dests);
    cups_dest_t* dest = cupsGetDest(queue.constData(), nullptr, count, dests);
    if (!dest) {
        cupsFreeDests(count, dests);
        *error = QStringLiteral("%1 is not a queue of the print server").arg(request.queue);
        return false;
    }
    for (const QString& name : request.decided)
        dest->num_options = cupsRemoveOption(name.toUtf8().constData(), dest->num_options, &dest->options);
    for (const auto& [name, value] : options) {
        if (sameAsServer(request, server, name, value)) continue;
        dest->num_options =
            cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), dest->num_options, &dest->options);
    }
    if (!keepDefault)
        for (int i = 0; i < count; ++i) dests[i].is_default = 0;
    const int written = cupsSetDests2(http, count, dests);
    cupsFreeDests(count, dests);
    if (written != 0) {
        *error = QStringLiteral("cannot write your lpoptions: %1").arg(lastError());
        return false;
    }
    return true;
}

// Never a password prompt on a terminal: libcups' own asks on /dev/tty, which a desktop
// program has not; the server's other ways (local certificates, peer credentials) stay.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

} // namespace

QString lpoptionsDefaultQueue()
{
    QString named = defaultLineOf(userLpoptionsPath());
    if (named.isEmpty()) named = defaultLineOf(systemLpoptionsPath());
    return named.section(QLatin1Char('/'), 0, 0);
}

DefaultsRules DefaultsRules::fromList(const QStringList& entries)
{
    DefaultsRules rules;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0) {
            if (!entry.trimmed().isEmpty()) rules.keywords << entry.trimmed();
        } else if (equals > 0 && equals + 1 < entry.size()) {
            rules.choices.append({entry.left(equals).trimmed(), entry.mid(equals + 1).trimmed()});
        }
    }
    return rules;
}

const QStringList& jobOnlyOptions()
{
    static const QStringList names{QStringLiteral("page-ranges"), QStringLiteral("job-name"),
                                   QStringLiteral("copies")};
    return names;
}

const QStringList& standardDialogOptions()
{
    static const QStringList names{
        QStringLiteral("media"),     QStringLiteral("sides"),           QStringLiteral("orientation-requested"),
        QStringLiteral("number-up"), QStringLiteral("number-up-layout"), QStringLiteral("page-border"),
        QStringLiteral("collate"),   QStringLiteral("outputorder"),     QStringLiteral("fit-to-page")};
    return names;
}

JobOptions markedChoices(ppd_file_t* ppd)
{
    JobOptions options;
    forEachPpdOption(ppd, [&](ppd_option_t* option) {
        const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, option->keyword);
        if (!marked || std::strcmp(marked->choice, "Custom") == 0) return;
        options.set(text(option->keyword), text(marked->choice));
    });
    return options;
}

DefaultsSelection selectDefaults(const JobOptions& choices, ppd_file_t* ppd, const DefaultsRules& rules,
                                 const QMap<QString, QString>& descriptionDefaults)
{
    DefaultsSelection selection;
    QStringList keywords;
    forEachPpdOption(ppd, [&](ppd_option_t* option) {
        const QString keyword = text(option->keyword);
        keywords << keyword;
        selection.descriptionDefaults.insert(keyword, descriptionDefaults.value(keyword, text(option->defchoice)));
    });
    const auto forbidden = [&](const QString& name, const QString& value) {
        for (const HandOver& rule : rules.choices)
            if (rule.first == name && rule.second.compare(value, Qt::CaseInsensitive) == 0) return true;
        return false;
    };

    QSet<QString> decided;
    for (const auto& [name, value] : choices.items()) {
        if (name.isEmpty() || jobOnlyOptions().contains(name)) continue;
        decided.insert(name);
        if (rules.keywords.contains(name)) continue;
        if (forbidden(name, value)) {
            selection.refused.append({name, value});
            // The option's own default stands in, unless that, too, cannot be one.
            const QString fallback = selection.descriptionDefaults.value(name);
            if (!fallback.isEmpty() && !forbidden(name, fallback)) selection.options.set(name, fallback);
            continue;
        }
        selection.options.set(name, value);
    }
    for (const QString& name : std::as_const(keywords)) decided.insert(name);
    for (const QString& name : standardDialogOptions()) decided.insert(name);
    for (const QString& name : rules.keywords) decided.insert(name);
    for (const HandOver& rule : rules.choices) decided.insert(rule.first);
    // A stable order: the description's, then the rest by name.
    for (const QString& name : std::as_const(keywords))
        if (decided.remove(name)) selection.decided << name;
    QStringList rest = decided.values();
    rest.sort();
    selection.decided << rest;
    return selection;
}

QueueMarks applyQueueDefaults(ppd_file_t* ppd, const QueueOptions& defaults, const QMap<QString, QString>& known)
{
    QueueMarks result;
    if (!ppd) return result;
    forEachPpdOption(ppd, [&](ppd_option_t* option) {
        const QString keyword = text(option->keyword);
        if (known.contains(keyword)) qstrncpy(option->defchoice, known.value(keyword).toUtf8().constData(), sizeof option->defchoice);
        result.descriptionDefaults.insert(keyword, text(option->defchoice));
    });
    const auto has = [&](const char* keyword) { return ppdFindOption(ppd, keyword) != nullptr; };
    // The IPP names of paper and sides mark the description's options through libcups.
    cups_option_t* standard = nullptr;
    int count = 0;
    for (const char* name : {"media", "sides"}) {
        const QString value = defaults.value(QString::fromLatin1(name));
        if (!value.isEmpty()) count = cupsAddOption(name, value.toUtf8().constData(), count, &standard);
    }
    if (count > 0) {
        cupsMarkOptions(ppd, count, standard);
        if (defaults.contains(QStringLiteral("media")))
            for (const char* keyword : {"PageSize", "PageRegion", "InputSlot", "MediaType"})
                if (has(keyword)) result.decided << QString::fromLatin1(keyword);
        if (defaults.contains(QStringLiteral("sides")) && has("Duplex")) result.decided << QStringLiteral("Duplex");
    }
    cupsFreeOptions(count, standard);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (it.key().isEmpty() || !has(it.key().toUtf8().constData())) continue;
        markChoice(ppd, it.key(), it.value());
        if (!result.decided.contains(it.key())) result.decided << it.key();
    }
    // What is marked now is where every page and panel starts, and where their Default
    // buttons go back to.
    for (const QString& keyword : std::as_const(result.decided)) {
        ppd_option_t* option = ppdFindOption(ppd, keyword.toUtf8().constData());
        const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, keyword.toUtf8().constData());
        if (option && marked && std::strcmp(marked->choice, "Custom") != 0)
            qstrncpy(option->defchoice, marked->choice, sizeof option->defchoice);
    }
    return result;
}

RefusalTexts refusalTexts(ppd_file_t* ppd, const HandOver& refused)
{
    RefusalTexts texts{refused.first, refused.second, QString()};
    ppd_option_t* option = ppd ? ppdFindOption(ppd, refused.first.toUtf8().constData()) : nullptr;
    if (!option) return texts;
    texts.option = text(option->text[0] ? option->text : option->keyword);
    if (const ppd_choice_t* choice = ppdFindChoice(option, refused.second.toUtf8().constData()))
        texts.choice = text(choice->text[0] ? choice->text : choice->choice);
    if (const ppd_choice_t* standIn = ppdFindChoice(option, option->defchoice))
        if (refused.second.compare(text(standIn->choice), Qt::CaseInsensitive) != 0)
            texts.standIn = text(standIn->text[0] ? standIn->text : standIn->choice);
    return texts;
}

QStringList descriptionKeywords(ppd_file_t* ppd, const QueueOptions& defaults)
{
    QStringList keywords;
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        if (ppd && !it.key().isEmpty() && ppdFindOption(ppd, it.key().toUtf8().constData())) keywords << it.key();
    return keywords;
}

void markDescriptionDefaults(ppd_file_t* ppd)
{
    if (ppd) ppdMarkDefaults(ppd);
}

QueueOptions readQueueDefaults(http_t* http, const QString& queue, QString* error)
{
    QueueOptions options;
    cups_dest_t* dest = cupsGetNamedDest(http, queue.toUtf8().constData(), nullptr);
    if (!dest) {
        if (error) *error = lastError();
        return options;
    }
    for (int i = 0; i < dest->num_options; ++i)
        options.insert(text(dest->options[i].name), text(dest->options[i].value));
    cupsFreeDests(1, dest);
    return options;
}

QueueOptions readServerDefaults(http_t* http, const QString& queue, QString* error)
{
    QueueOptions defaults;
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-defaults");
    ipp_t* response = cupsDoRequest(http, request, "/");
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        if (error) *error = lastError();
        ippDelete(response);
        return defaults;
    }
    static const QLatin1String suffix("-default");
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute; attribute = ippNextAttribute(response)) {
        const QString name = text(ippGetName(attribute));
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER || !name.endsWith(suffix) || name.size() <= suffix.size())
            continue;
        defaults.insert(name.chopped(suffix.size()), ippValues(attribute).join(QLatin1Char(',')));
    }
    ippDelete(response);
    return defaults;
}

bool saveUserDefaults(http_t* http, const DefaultsRequest& request, QString* error)
{
    cupsSetPasswordCB2(&noPassword, nullptr);
    QString why;
    const QueueOptions server = readServerDefaults(http, request.queue, &why);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    return rewriteUserEntry(http, request, server, request.options, error);
}

bool saveServerDefaults(http_t* http, const DefaultsRequest& request, QString* error, bool* refused)
{
    *refused = false;
    cupsSetPasswordCB2(&noPassword, nullptr);
    QString why;
    const QueueOptions server = readServerDefaults(http, request.queue, &why);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }

    cups_option_t* options = nullptr;
    int count = 0;
    QSet<QString> chosen;
    for (const auto& [name, value] : request.options) {
        chosen.insert(name);
        if (sameAsServer(request, server, name, value)) continue;
        count = cupsAddOption((name + QStringLiteral("-default")).toUtf8().constData(), value.toUtf8().constData(),
                              count, &options);
    }
    ipp_t* ipp = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    ippAddString(ipp, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(request.queue).constData());
    ippAddString(ipp, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    cupsEncodeOptions2(ipp, count, options, IPP_TAG_PRINTER);
    cupsFreeOptions(count, options);
    // A default the server keeps for an option of the description that the dialog now
    // leaves at the description's own goes, as `lpadmin -R NAME-default` does; so does one
    // that must never be a default.
    for (const QString& name : request.decided) {
        if (chosen.contains(name) || !server.contains(name) || !request.descriptionDefaults.contains(name)) continue;
        ippAddOutOfBand(ipp, IPP_TAG_PRINTER, IPP_TAG_DELETEATTR, (name + QStringLiteral("-default")).toUtf8().constData());
    }
    ippDelete(cupsDoRequest(http, ipp, "/admin/"));
    const ipp_status_t status = cupsLastError();
    if (status > IPP_STATUS_OK_CONFLICTING) {
        *refused = status == IPP_STATUS_ERROR_NOT_AUTHORIZED || status == IPP_STATUS_ERROR_FORBIDDEN ||
                   status == IPP_STATUS_ERROR_NOT_AUTHENTICATED || status == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED;
        *error = lastError();
        return false;
    }
    // The user's own lpoptions would still hide the new defaults from this user.
    if (!lpoptionsFileExists()) return true;
    DefaultsRequest cleanup = request;
    return rewriteUserEntry(http, cleanup, readServerDefaults(http, request.queue, &why), {}, error);
}

} // namespace host
