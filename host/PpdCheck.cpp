#include "host/PpdCheck.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <array>
#include <cstring>
#include <optional>

namespace host {

namespace {

// Every complete description names these; a file that ends without them was cut short
// (cupstestppd fails it for each one).
constexpr std::array<QByteArrayView, 11> kRequired{
    "FormatVersion", "FileVersion",  "LanguageVersion", "LanguageEncoding", "Manufacturer", "ModelName",
    "ShortNickName", "NickName",     "PCFileName",      "Product",          "PSVersion"};

// `source` is marked with QT_TRANSLATE_NOOP where it is written.
QString translated(const char* source) { return QCoreApplication::translate("host::PpdCheck", source); }

struct OpenAt {
    QByteArrayView name;
    int line = 0;
};

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// The main keyword of a line that starts with '*'; `rest` is what follows it.
QByteArrayView mainKeyword(QByteArrayView line, QByteArrayView* rest)
{
    qsizetype end = 1;
    while (end < line.size() && line[end] != ':' && !isSpace(line[end])) ++end;
    *rest = line.sliced(end);
    return line.sliced(1, end - 1);
}

// "*Screen" of " *Screen/Screen: PickOne", the rest of an *OpenUI line.
QByteArrayView uiOption(QByteArrayView rest)
{
    qsizetype begin = 0;
    while (begin < rest.size() && isSpace(rest[begin])) ++begin;
    qsizetype end = begin;
    while (end < rest.size() && rest[end] != '/' && rest[end] != ':' && !isSpace(rest[end])) ++end;
    return rest.sliced(begin, end - begin);
}

// "ImageOptions" of ": ImageOptions/Image Options", the rest of an *OpenGroup line.
QByteArrayView groupName(QByteArrayView rest)
{
    const qsizetype colon = rest.indexOf(':');
    QByteArrayView value = rest.sliced(colon + 1).trimmed();
    const qsizetype slash = value.indexOf('/');
    return slash < 0 ? value : value.first(slash);
}

QString latin1(QByteArrayView text) { return QString::fromLatin1(text); }

} // namespace

QStringList ppdTextWarnings(const QByteArray& text)
{
    QStringList warnings;
    std::optional<OpenAt> openUi;
    QList<OpenAt> openGroups;
    std::array<bool, kRequired.size()> seen{};
    int options = 0;
    const auto unclosedUi = [&](const OpenAt& ui) {
        warnings << translated(QT_TRANSLATE_NOOP("host::PpdCheck", "line %1: *OpenUI %2 has no *CloseUI"))
                        .arg(ui.line)
                        .arg(latin1(ui.name));
    };

    // Lines break at CR, LF or CR LF, and a quoted value runs on over line breaks; a
    // quote counts only after the line's colon and never in a comment: as libcups reads.
    // Kept to a few memchr calls a line: every description the host opens passes here.
    bool inQuote = false;
    int quoteLine = 0;
    bool colon = false;
    bool comment = false;
    int line = 0;
    std::size_t required = 0; // how many of kRequired were seen
    const char* const begin = text.constData();
    const char* const finish = begin + text.size();
    const bool lineFeedsOnly = !std::memchr(begin, '\r', std::size_t(text.size()));
    for (const char* pos = begin; pos < finish;) {
        const char* end = nullptr;
        if (lineFeedsOnly) {
            end = static_cast<const char*>(std::memchr(pos, '\n', std::size_t(finish - pos)));
            if (!end) end = finish;
        } else {
            end = pos;
            while (end < finish && *end != '\n' && *end != '\r') ++end;
        }
        const QByteArrayView physical(pos, end - pos);
        ++line;
        pos = end;
        if (end < finish) {
            ++pos;
            if (*end == '\r' && pos < finish && *pos == '\n') ++pos;
        }

        if (!inQuote) {
            colon = false;
            const bool keywordLine = !physical.isEmpty() && physical[0] == '*';
            const char first = physical.size() > 1 ? physical[1] : '\0';
            comment = keywordLine && first == '%';
            // Only the keywords that open and close options and groups, and the required
            // ones until all are seen, need reading.
            if (keywordLine && !comment &&
                (first == 'O' || first == 'C' || first == 'J' || required < kRequired.size())) {
                QByteArrayView rest;
                const QByteArrayView keyword = mainKeyword(physical, &rest);
                if (keyword == "OpenUI" || keyword == "JCLOpenUI") {
                    if (openUi) unclosedUi(*openUi);
                    openUi = OpenAt{uiOption(rest), line};
                    ++options;
                } else if (keyword == "CloseUI" || keyword == "JCLCloseUI") {
                    openUi.reset();
                } else if (keyword == "OpenGroup") {
                    openGroups.append(OpenAt{groupName(rest), line});
                } else if (keyword == "CloseGroup") {
                    if (!openGroups.isEmpty()) openGroups.removeLast();
                } else {
                    for (std::size_t i = 0; i < kRequired.size(); ++i)
                        if (!seen[i] && keyword == kRequired[i]) {
                            seen[i] = true;
                            ++required;
                        }
                }
            }
        }
        if (comment) continue;
        const char* at = physical.data();
        const char* const stop = at + physical.size();
        if (!colon) {
            at = static_cast<const char*>(std::memchr(at, ':', std::size_t(stop - at)));
            if (!at) continue;
            colon = true;
        }
        while ((at = static_cast<const char*>(std::memchr(at, '"', std::size_t(stop - at))))) {
            inQuote = !inQuote;
            if (inQuote) quoteLine = line;
            ++at;
        }
    }

    if (inQuote)
        warnings << translated(QT_TRANSLATE_NOOP("host::PpdCheck", "line %1: the file ends inside a quoted string"))
                        .arg(quoteLine);
    if (openUi) unclosedUi(*openUi);
    for (const OpenAt& group : openGroups)
        warnings << translated(QT_TRANSLATE_NOOP("host::PpdCheck", "line %1: *OpenGroup %2 has no *CloseGroup"))
                        .arg(group.line)
                        .arg(latin1(group.name));
    QStringList missing;
    for (std::size_t i = 0; i < kRequired.size(); ++i)
        if (!seen[i]) missing << QLatin1Char('*') + latin1(kRequired[i]);
    if (!missing.isEmpty())
        warnings << translated(QT_TRANSLATE_NOOP("host::PpdCheck", "line %1: the file ends without %2"))
                        .arg(line)
                        .arg(missing.join(QLatin1String(", ")));
    if (options == 0)
        warnings << translated(QT_TRANSLATE_NOOP("host::PpdCheck", "line %1: the file ends without declaring any option"))
                        .arg(line);
    return warnings;
}

} // namespace host
