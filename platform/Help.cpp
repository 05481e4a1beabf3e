#include "platform/Help.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace platform {

namespace {

// Bundle directory (cleaned) -> its help book's index page.
QMap<QString, QString>& registry()
{
    static QMap<QString, QString> books;
    return books;
}

QString bundleKey(const QString& bundlePath) { return QDir::cleanPath(bundlePath); }

} // namespace

bool registerHelpBook(const QString& bundlePath)
{
    if (bundlePath.isEmpty()) return false;
    const QString key = bundleKey(bundlePath);
    const QFileInfo index(key + QStringLiteral("/Resources/Help/index.html"));
    if (!index.isFile()) return false;
    registry().insert(key, index.absoluteFilePath());
    return true;
}

QString helpBookIndex(const QString& bundlePath)
{
    return registry().value(bundleKey(bundlePath));
}

QStringList registeredHelpBooks() { return registry().values(); }

void resetHelpRegistry() { registry().clear(); }

} // namespace platform
