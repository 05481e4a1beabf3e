#pragma once
// The bundle's principal class: the object the print dialog host creates, and the
// factory of the printer-module panels.
#include "platform/PDEPanel.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace platform {
class Bundle;
class PDEPluginCallback;
} // namespace platform

class PrinterPDEPlugInOrvan : public QObject, public platform::PDEPlugIn {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OrvanPDEPlugIn_iid FILE "OrvanPDE.json")
    Q_INTERFACES(platform::PDEPlugIn)

public:
    // Builds one panel from the host callback and the bundle; null when it cannot.
    using PanelBuilder =
        std::function<std::unique_ptr<platform::PDEPanel>(platform::PDEPluginCallback*, platform::Bundle*)>;

    // The printer-module panels, in the order the host shows them.
    static std::vector<PanelBuilder> panelBuilders();

    // The plug-in as the host creates it: the printer-module panels above.
    PrinterPDEPlugInOrvan();
    // Panels from `builders`, in their order.
    explicit PrinterPDEPlugInOrvan(std::vector<PanelBuilder> builders, QObject* parent = nullptr);
    ~PrinterPDEPlugInOrvan() override;

    // Keeps the bundle (not owned) and registers its help book; true even when the
    // bundle has no help book.
    bool initWithBundle(platform::Bundle* bundle) override;
    // For the printer-module panel type: the panels that could be built, or null when
    // none could. For any other type: an empty list. The list and its panels are owned
    // by this object and replaced by the next call.
    const QList<platform::PDEPanel*>* PDEPanelsForType(const QString& type,
                                                       platform::PDEPluginCallback* host) override;

private:
    // A list that owns the panels in it.
    struct PanelListDeleter {
        void operator()(QList<platform::PDEPanel*>* list) const;
    };
    using PanelList = std::unique_ptr<QList<platform::PDEPanel*>, PanelListDeleter>;

    platform::Bundle* pluginBundle = nullptr;
    PanelList PDEs;
    std::vector<PanelBuilder> builders_;
};
