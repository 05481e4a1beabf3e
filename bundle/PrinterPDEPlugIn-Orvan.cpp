#include "bundle/PrinterPDEPlugIn-Orvan.h"

#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "platform/Bundle.h"
#include "platform/Help.h"

#include <utility>

std::vector<PrinterPDEPlugInOrvan::PanelBuilder> PrinterPDEPlugInOrvan::panelBuilders()
{
    // One line per panel, e.g. `&PrinterPDEOrvan::initWithCallback,`.
    return {
        &PrinterPDEOrvan::initWithCallback,
        &PrinterJobPDEOrvan::initWithCallback,
    };
}

PrinterPDEPlugInOrvan::PrinterPDEPlugInOrvan() : PrinterPDEPlugInOrvan(panelBuilders()) {}

PrinterPDEPlugInOrvan::PrinterPDEPlugInOrvan(std::vector<PanelBuilder> builders, QObject* parent)
    : QObject(parent), builders_(std::move(builders))
{
}

PrinterPDEPlugInOrvan::~PrinterPDEPlugInOrvan() = default;

void PrinterPDEPlugInOrvan::PanelListDeleter::operator()(QList<platform::PDEPanel*>* list) const
{
    qDeleteAll(*list);
    delete list;
}

bool PrinterPDEPlugInOrvan::initWithBundle(platform::Bundle* bundle)
{
    pluginBundle = bundle;
    // The plug-in works without help, so a bundle without a help book is no failure.
    if (bundle) platform::registerHelpBook(bundle->path());
    return true;
}

const QList<platform::PDEPanel*>* PrinterPDEPlugInOrvan::PDEPanelsForType(const QString& type,
                                                                          platform::PDEPluginCallback* host)
{
    // The earlier list and its panels go before the new ones are built.
    PDEs.reset(new QList<platform::PDEPanel*>());
    PDEs->reserve(2);
    if (type == QLatin1String(platform::kPrinterModulePanelType)) {
        for (const PanelBuilder& build : builders_) {
            if (!build) continue;
            std::unique_ptr<platform::PDEPanel> panel = build(host, pluginBundle);
            if (!panel) continue;
            PDEs->append(panel.get());
            panel.release();
        }
        if (PDEs->isEmpty()) PDEs.reset();
    }
    return PDEs.get();
}
