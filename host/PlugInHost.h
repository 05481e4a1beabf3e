#pragma once
// A print dialog extension bundle as the host sees it: its Info.json, its module
// loaded with QPluginLoader, and the one entry object of the module.
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QPluginLoader;

namespace platform {
class Bundle;
class PDEPanel;
class PDEPlugIn;
class PDEPluginCallback;
} // namespace platform

namespace host {

class PlugInHost {
public:
    // Loads the bundle at `bundlePath` and initialises its entry object (initWithBundle).
    // Null with a one-line reason in `error` when it is not a loadable bundle.
    static std::unique_ptr<PlugInHost> load(const QString& bundlePath, QString* error = nullptr);

    ~PlugInHost();
    PlugInHost(const PlugInHost&) = delete;
    PlugInHost& operator=(const PlugInHost&) = delete;

    QString bundlePath() const;
    platform::Bundle* bundle() const { return bundle_.get(); }
    // The bundle's display name and version from Info.json.
    QString name() const { return name_; }
    QString version() const { return version_; }
    // The print-settings keys whose values the bundle declares secret (a passcode): the
    // host keeps them in the desktop's secret store, never in its files.
    const QStringList& secretSettings() const { return secretSettings_; }

    // The printer-module panels for `callback`, in the plug-in's order. The previous
    // panels are gone once this returns (the plug-in replaces its list); the panels
    // keep `callback`, which must outlive them. Empty when the plug-in answers none.
    QList<platform::PDEPanel*> printerModulePanels(platform::PDEPluginCallback* callback);

    // Lets go of the entry object and with it of every panel (and their views).
    void releasePanels();

private:
    PlugInHost() = default;

    std::unique_ptr<QPluginLoader> loader_;
    std::unique_ptr<platform::Bundle> bundle_;
    platform::PDEPlugIn* entry_ = nullptr; // the loader's root object
    QString name_;
    QString version_;
    QStringList secretSettings_;
};

// Where orvan-print looks for its bundle when none is named: $ORVAN_PRINT_BUNDLE, the
// installed bundle next to the executable (../lib/orvan-print/OrvanPDE.bundle), then
// the build tree's bundle.
QString defaultBundlePath();

// The embedded default printer description shipped in the bundle's resources.
QString bundledPpdPath(const QString& bundlePath);

} // namespace host
