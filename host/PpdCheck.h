#pragma once
// A first look at a printer description's text for the damage libcups reads past in
// silence: a file cut short, a quoted string or an option left open. Each finding
// names its line the way cupstestppd does ("line 212: ..."); a sound description
// gives none.
#include <QByteArray>
#include <QStringList>

namespace host {

QStringList ppdTextWarnings(const QByteArray& text);

} // namespace host
