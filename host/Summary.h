#pragma once
// What the Summary says: every choice the job will carry, grouped by the panel or page
// that shows it, in that one's own order, in the dialog's language (PPD texts as libcups
// gives them), secrets masked. The panels' own summary entries are shown as they give
// them; the host adds a row for every other choice they send.
#include "host/JobOptions.h"
#include "host/SummaryPage.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace host {

struct SummarySource {
    QString title;                     // the section's title
    QStringList keywords;              // the options it shows, in its order
    QMap<QString, QString> entries;    // a panel's own summary (title -> value)
    // A page's own wording of one of its options; false to leave it to the host.
    std::function<bool(const QString& option, const QString& value, SummaryRow* row)> describe;
};

struct SummaryInput {
    ppd_file_t* ppd = nullptr;
    JobOptions options;                // what Print would send
    QList<SummarySource> sources;      // in the pane pop-up's order
    QMap<QString, QString> encodings;  // option -> how its values are encoded ("base64")
    QStringList secretOptions;         // options whose values are never shown
    QString otherTitle;                // the section of options nobody shows
};

QList<SummarySection> summarize(const SummaryInput& input);

// How the Summary shows `value` of `option`: the PPD's (translated) choice text, a custom
// value decoded, a secret masked.
QString summaryValue(const SummaryInput& input, const QString& option, const QString& value);
// "Option text:" from the PPD, or the option's name with a colon.
QString summaryTitle(ppd_file_t* ppd, const QString& option);

} // namespace host
