#pragma once
// The folder CUPS runs its filters and backends from (ServerBin), and one of our own
// that adds the project's filters to the machine's: for a cupsfilter or a scheduler that
// must find a filter not installed in the machine's folder.
#include <QString>
#include <QStringList>

namespace host {

// The machine's ServerBin: $CUPS_SERVERBIN, or /usr/lib/cups.
QString systemServerBin();

// The project's filters, as installed beside orvan-print or built, that are not the
// ones in the machine's ServerBin: empty once the package has put them there.
QStringList ownFiltersElsewhere();

// Lays out `target` (an existing, empty folder) as a ServerBin: every entry of
// `serverBin` linked, and its "filter" folder a folder of links to the machine's filters
// with `filters` (paths) linked beside them. False with the reason in `error`.
bool layOutServerBin(const QString& target, const QString& serverBin, const QStringList& filters, QString* error);

} // namespace host
