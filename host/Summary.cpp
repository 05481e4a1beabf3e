// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options are
// described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/Summary.h"

#include <QSet>

namespace host {

namespace {

// Titles compared as a reader would: without the colon, case and spaces around.
QString comparable(QString title)
{
    title = title.trimmed();
    while (title.endsWith(QLatin1Char(':')) || title.endsWith(QChar(0xff1a))) title.chop(1);
    return title.trimmed().toCaseFolded();
}

const QString kMask = QString(8, QChar(0x2022));

} // namespace

QString summaryTitle(ppd_file_t* ppd, const QString& option)
{
    const QByteArray keyword = option.toUtf8();
    ppd_option_t* found = ppd ? ppdFindOption(ppd, keyword.constData()) : nullptr;
    const QString text = found && found->text[0] ? QString::fromUtf8(found->text) : option;
    return text + QLatin1Char(':');
}

QString summaryValue(const SummaryInput& input, const QString& option, const QString& value)
{
    if (input.secretOptions.contains(option)) return kMask;
    const bool custom = value.startsWith(QLatin1String("Custom."));
    QString shown = custom ? value.mid(7) : value;
    if (input.encodings.value(option) == QLatin1String("base64")) {
        const auto decoded = QByteArray::fromBase64Encoding(shown.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (decoded) return QString::fromUtf8(*decoded);
        return shown;
    }
    if (custom || !input.ppd) return shown;
    const QByteArray keyword = option.toUtf8();
    ppd_option_t* found = ppdFindOption(input.ppd, keyword.constData());
    ppd_choice_t* choice = found ? ppdFindChoice(found, value.toUtf8().constData()) : nullptr;
    return choice && choice->text[0] ? QString::fromUtf8(choice->text) : shown;
}

QList<SummarySection> summarize(const SummaryInput& input)
{
    QList<SummarySection> sections;
    QSet<QString> claimed;
    for (const SummarySource& source : input.sources) {
        SummarySection section{source.title, {}};
        QSet<QString> usedEntries;
        for (const QString& option : source.keywords) {
            if (claimed.contains(option) || !input.options.contains(option)) continue;
            claimed.insert(option);
            const QString value = input.options.value(option);
            SummaryRow row{summaryTitle(input.ppd, option), summaryValue(input, option, value)};
            if (source.describe) source.describe(option, value, &row);
            // The panel's own entry for this option, when it has one, as it gives it.
            for (auto it = source.entries.cbegin(); it != source.entries.cend(); ++it) {
                if (usedEntries.contains(it.key()) || comparable(it.key()) != comparable(row.key)) continue;
                usedEntries.insert(it.key());
                row = {it.key(), it.value()};
                break;
            }
            section.rows.append(row);
        }
        // Entries of the panel's own that name no option it sends come first: they are
        // what the panel itself finds worth saying.
        QList<SummaryRow> own;
        for (auto it = source.entries.cbegin(); it != source.entries.cend(); ++it)
            if (!usedEntries.contains(it.key())) own.append({it.key(), it.value()});
        section.rows = own + section.rows;
        sections.append(section);
    }
    SummarySection other{input.otherTitle, {}};
    for (const auto& [option, value] : input.options.items())
        if (!claimed.contains(option))
            other.rows.append({summaryTitle(input.ppd, option), summaryValue(input, option, value)});
    if (!other.rows.isEmpty()) sections.append(other);
    return sections;
}

} // namespace host
