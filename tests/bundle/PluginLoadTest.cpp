// The built bundle, loaded the way the print dialog host loads it: Info.json names the
// module, QPluginLoader loads it, and the root object answers the plug-in interface.
// This executable links none of the plug-in's code, so everything it sees comes from
// OrvanPDE.so.
#include "platform/Bundle.h"
#include "platform/Help.h"
#include "platform/PDEPanel.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPluginLoader>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QJsonObject readInfo()
{
    QFile file(QDir(testsupport::bundlePath()).filePath(QStringLiteral("Info.json")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

class PluginLoad : public ::testing::Test {
protected:
    void SetUp() override { platform::resetHelpRegistry(); }
    void TearDown() override { platform::resetHelpRegistry(); }
};

TEST_F(PluginLoad, HostLoadsTheBundleAndAsksForPanels)
{
    const QJsonObject info = readInfo();
    ASSERT_FALSE(info.isEmpty()) << "Info.json missing or unreadable in " << testsupport::bundlePath().toStdString();
    const QString module = info.value("Module").toString();
    const QString principal = info.value("PrincipalClass").toString();
    ASSERT_FALSE(module.isEmpty());
    EXPECT_EQ(principal, "PrinterPDEPlugInOrvan");
    EXPECT_TRUE(info.value("PanelTypes").toArray().contains(QString::fromLatin1(platform::kPrinterModulePanelType)));

    QWidget window; // where the host places the panel views
    QPluginLoader loader(QDir(testsupport::bundlePath()).filePath(module));
    const QJsonObject meta = loader.metaData();
    EXPECT_EQ(meta.value("IID").toString(), OrvanPDEPlugIn_iid);
    EXPECT_EQ(meta.value("className").toString(), principal);
    EXPECT_EQ(meta.value("MetaData").toObject().value("PrincipalClass").toString(), principal);

    QObject* root = loader.instance();
    ASSERT_NE(root, nullptr) << loader.errorString().toStdString();
    auto* plugIn = qobject_cast<platform::PDEPlugIn*>(root);
    ASSERT_NE(plugIn, nullptr);

    platform::Bundle bundle(testsupport::bundlePath());
    EXPECT_TRUE(plugIn->initWithBundle(&bundle));
    EXPECT_TRUE(platform::helpBookIndex(bundle.path()).endsWith("Resources/Help/index.html"))
        << "the help book is registered with the host's registry";

    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::bundledPpdPath());
    ASSERT_TRUE(ppd);
    host::HostCallback host(ppd.get());

    for (const QString& other : {QStringLiteral("com.example.OtherPanels"),
                                 QString::fromLatin1(platform::kPrinterModulePanelType).toLower()}) {
        const QList<platform::PDEPanel*>* none = plugIn->PDEPanelsForType(other, &host);
        ASSERT_NE(none, nullptr) << other.toStdString();
        EXPECT_TRUE(none->isEmpty()) << other.toStdString();
    }

    // The printer-module panels, Image Options before Job Type, each with its view.
    const QStringList kinds = {"com.PrinterPDE", "com.PrinterJobTypePDE"};
    const QList<platform::PDEPanel*>* panels =
        plugIn->PDEPanelsForType(QString::fromLatin1(platform::kPrinterModulePanelType), &host);
    if (panels) {
        qsizetype next = 0;
        for (platform::PDEPanel* panel : *panels) {
            const qsizetype at = kinds.indexOf(panel->panelKind());
            ASSERT_GE(at, next) << "unknown or out-of-order panel " << panel->panelKind().toStdString();
            next = at + 1;
            EXPECT_FALSE(panel->panelName().isEmpty());
            QWidget* view = panel->panelView();
            EXPECT_NE(view, nullptr) << panel->panelKind().toStdString();
            if (view) view->setParent(&window);
        }
    }

    EXPECT_TRUE(loader.unload()) << loader.errorString().toStdString();
}

} // namespace
