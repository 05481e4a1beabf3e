#pragma once
// The panel operations the print dialog host calls, and the plug-in's entry interface.
#include "platform/Export.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QWidget;

namespace platform {

class Bundle;
class PDEPluginCallback;

// Panel type identifier of printer-module panels.
inline constexpr char kPrinterModulePanelType[] = "BDB091F4-E57F-11D3-B5CC-0050E4603277";

class ORVAN_PLATFORM_EXPORT PDEPanel {
public:
    virtual ~PDEPanel();

    // Loaded on the first call; null when the layout cannot be loaded. The panel
    // keeps it through a QPointer: the host may reparent it into its window.
    virtual QWidget* panelView() = 0;
    virtual QString panelName() = 0;
    virtual QString panelKind() = 0;
    // Made once; the same list on every call.
    virtual const QStringList& supportedPPDOptionKeys() = 0;
    virtual void willShow() = 0;
    virtual bool shouldHide() = 0;
    virtual bool shouldShowHelp() = 0;
    // `error` is never filled by our panels; may be null.
    virtual bool saveValuesAndReturnError(QString* error) = 0;
    virtual bool restoreValuesAndReturnError(QString* error) = 0;
    virtual bool shouldPrint() = 0;
    virtual QMap<QString, QString> summaryInfo() = 0;
    virtual void PPDOptionKeyValueDidChange(const QString& key, const QString& choice) = 0;
    virtual void panelViewDidResize() = 0;
};

// The principal class of a plug-in bundle.
class ORVAN_PLATFORM_EXPORT PDEPlugIn {
public:
    virtual ~PDEPlugIn();
    virtual bool initWithBundle(Bundle* bundle) = 0;
    // The panels of `type`, owned by the plug-in (valid until the next call or until the
    // plug-in goes); null for "none".
    virtual const QList<PDEPanel*>* PDEPanelsForType(const QString& type,
                                                     PDEPluginCallback* host) = 0;
};

} // namespace platform

#define OrvanPDEPlugIn_iid "org.orvan.PDEPlugIn/1.0"
Q_DECLARE_INTERFACE(platform::PDEPlugIn, OrvanPDEPlugIn_iid)
