#include "host/PlugInHost.h"

#include "platform/Bundle.h"
#include "platform/PDEPanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPluginLoader>

#ifndef ORVAN_BUNDLE_DIR
#define ORVAN_BUNDLE_DIR ""
#endif

namespace host {

namespace {

void fail(QString* error, const QString& text)
{
    if (error) *error = text;
}

} // namespace

std::unique_ptr<PlugInHost> PlugInHost::load(const QString& bundlePath, QString* error)
{
    const QString dir = QDir::cleanPath(QFileInfo(bundlePath).absoluteFilePath());
    if (!QFileInfo(dir).isDir()) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: no such directory").arg(dir));
        return nullptr;
    }

    QFile infoFile(dir + QStringLiteral("/Info.json"));
    if (!infoFile.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: Info.json: %2")
                        .arg(dir, infoFile.errorString()));
        return nullptr;
    }
    QJsonParseError parseError{};
    const QJsonDocument info = QJsonDocument::fromJson(infoFile.readAll(), &parseError);
    if (!info.isObject()) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: Info.json: %2")
                        .arg(dir, parseError.errorString()));
        return nullptr;
    }
    const QJsonObject root = info.object();
    const QString module = root.value(QStringLiteral("Module")).toString();
    // A module name is a file inside the bundle, never a path out of it.
    if (module.isEmpty() || module.contains(QLatin1Char('/')) || module.startsWith(QLatin1Char('.'))) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: Info.json names no module").arg(dir));
        return nullptr;
    }
    const QJsonArray types = root.value(QStringLiteral("PanelTypes")).toArray();
    if (!types.contains(QString::fromLatin1(platform::kPrinterModulePanelType))) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: it serves no printer-module panels")
                        .arg(dir));
        return nullptr;
    }

    std::unique_ptr<PlugInHost> host(new PlugInHost);
    host->name_ = root.value(QStringLiteral("CFBundleName")).toString();
    host->version_ = root.value(QStringLiteral("CFBundleShortVersionString")).toString();
    for (const QJsonValue& key : root.value(QStringLiteral("SecretSettings")).toArray())
        if (key.isString() && !key.toString().isEmpty()) host->secretSettings_ << key.toString();
    host->loader_ = std::make_unique<QPluginLoader>(dir + QLatin1Char('/') + module);
    // Symbols of the module stay private to it; the platform library is shared.
    host->loader_->setLoadHints(QLibrary::PreventUnloadHint);
    if (!host->loader_->load()) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: %2")
                        .arg(dir, host->loader_->errorString()));
        return nullptr;
    }
    host->bundle_ = std::make_unique<platform::Bundle>(dir);
    QObject* object = host->loader_->instance();
    host->entry_ = qobject_cast<platform::PDEPlugIn*>(object);
    if (!host->entry_) {
        fail(error, QStringLiteral("cannot load the plug-in bundle %1: its principal class is not a "
                                   "print dialog extension")
                        .arg(dir));
        return nullptr;
    }
    host->entry_->initWithBundle(host->bundle_.get());
    return host;
}

PlugInHost::~PlugInHost()
{
    // The panels go first: they hold the bundle.
    releasePanels();
}

QString PlugInHost::bundlePath() const { return bundle_ ? bundle_->path() : QString(); }

QList<platform::PDEPanel*> PlugInHost::printerModulePanels(platform::PDEPluginCallback* callback)
{
    if (!entry_) {
        // A fresh entry object after releasePanels: the module makes a new root object.
        entry_ = qobject_cast<platform::PDEPlugIn*>(loader_->instance());
        if (!entry_) return {};
        entry_->initWithBundle(bundle_.get());
    }
    const QList<platform::PDEPanel*>* panels =
        entry_->PDEPanelsForType(QString::fromLatin1(platform::kPrinterModulePanelType), callback);
    QList<platform::PDEPanel*> answer;
    if (!panels) return answer;
    for (platform::PDEPanel* panel : *panels)
        if (panel) answer.append(panel);
    return answer;
}

void PlugInHost::releasePanels()
{
    if (!entry_ || !loader_) return;
    // The root object belongs to the module's instance holder; deleting it is how the
    // host lets go of the plug-in without unloading the module.
    delete loader_->instance();
    entry_ = nullptr;
}

QString defaultBundlePath()
{
    const QString fromEnvironment = qEnvironmentVariable("ORVAN_PRINT_BUNDLE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../lib/orvan-print/OrvanPDE.bundle"));
    if (QFileInfo(installed + QStringLiteral("/Info.json")).isFile()) return installed;
    return QStringLiteral(ORVAN_BUNDLE_DIR);
}

QString bundledPpdPath(const QString& bundlePath)
{
    return QDir::cleanPath(bundlePath) + QStringLiteral("/Resources/Orvan.ppd");
}

} // namespace host
