#include "host/ServerBin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef ORVAN_FILTER
#define ORVAN_FILTER ""
#endif

namespace host {

namespace {

bool link(const QString& from, const QString& to, QString* error)
{
    if (QFile::link(from, to)) return true;
    *error = QStringLiteral("cannot link %1 to %2").arg(to, from);
    return false;
}

} // namespace

QString systemServerBin()
{
    const QString fromEnvironment = qEnvironmentVariable("CUPS_SERVERBIN");
    return fromEnvironment.isEmpty() ? QStringLiteral("/usr/lib/cups") : fromEnvironment;
}

QStringList ownFiltersElsewhere()
{
    // Installed beside orvan-print in lib/cups/filter (the package puts them in the
    // machine's own folder), or in the build tree.
    const QString name = QFileInfo(QStringLiteral(ORVAN_FILTER)).fileName();
    QFileInfo own(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() +
                                                     QStringLiteral("/../lib/cups/filter/") + name
                                               : QString());
    if (!own.isExecutable()) own = QFileInfo(QStringLiteral(ORVAN_FILTER));
    if (name.isEmpty() || !own.isExecutable()) return {};
    const QFileInfo machine(systemServerBin() + QStringLiteral("/filter/") + name);
    if (machine.exists() && machine.canonicalFilePath() == own.canonicalFilePath()) return {};
    return {own.absoluteFilePath()};
}

bool layOutServerBin(const QString& target, const QString& serverBin, const QStringList& filters, QString* error)
{
    const QDir machine(serverBin);
    if (!machine.exists()) {
        *error = QStringLiteral("CUPS's folder %1 is missing").arg(serverBin);
        return false;
    }
    const QDir::Filters entries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
    for (const QFileInfo& entry : machine.entryInfoList(entries)) {
        if (entry.fileName() == QLatin1String("filter")) continue;
        if (!link(entry.absoluteFilePath(), target + QLatin1Char('/') + entry.fileName(), error)) return false;
    }
    const QString filterDir = target + QStringLiteral("/filter");
    if (!QDir().mkpath(filterDir)) {
        *error = QStringLiteral("cannot make %1").arg(filterDir);
        return false;
    }
    for (const QFileInfo& entry : QDir(machine.filePath(QStringLiteral("filter"))).entryInfoList(entries)) {
        if (std::any_of(filters.cbegin(), filters.cend(),
                        [&](const QString& own) { return QFileInfo(own).fileName() == entry.fileName(); }))
            continue;
        if (!link(entry.absoluteFilePath(), filterDir + QLatin1Char('/') + entry.fileName(), error)) return false;
    }
    for (const QString& own : filters)
        if (!link(QFileInfo(own).absoluteFilePath(), filterDir + QLatin1Char('/') + QFileInfo(own).fileName(), error))
            return false;
    return true;
}

} // namespace host
