#include "plugin/PDETool.h"
#include "bundle/PrinterPDEPlugIn-Orvan.h"

#include "platform/Bundle.h"
#include "platform/Help.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPrinterType = QString::fromLatin1(platform::kPrinterModulePanelType);

// A panel that only says who it is and counts its end.
class StubPanel : public platform::PDEPanel {
public:
    StubPanel(QString name, platform::PDEPluginCallback* host, platform::Bundle* bundle, int* destroyed)
        : name_(std::move(name)), host_(host), bundle_(bundle), destroyed_(destroyed)
    {
    }
    ~StubPanel() override { ++*destroyed_; }

    QWidget* panelView() override { return nullptr; }
    QString panelName() override { return name_; }
    QString panelKind() override { return QStringLiteral("stub"); }
    const QStringList& supportedPPDOptionKeys() override { return keys_; }
    void willShow() override {}
    bool shouldHide() override { return true; }
    bool shouldShowHelp() override { return true; }
    bool saveValuesAndReturnError(QString*) override { return true; }
    bool restoreValuesAndReturnError(QString*) override { return true; }
    bool shouldPrint() override { return true; }
    QMap<QString, QString> summaryInfo() override { return {}; }
    void PPDOptionKeyValueDidChange(const QString&, const QString&) override {}
    void panelViewDidResize() override {}

    platform::PDEPluginCallback* host() const { return host_; }
    platform::Bundle* bundle() const { return bundle_; }

private:
    QString name_;
    QStringList keys_;
    platform::PDEPluginCallback* host_;
    platform::Bundle* bundle_;
    int* destroyed_;
};

class EntryObject : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSharedPanelState();
        platform::resetHelpRegistry();
    }
    void TearDown() override
    {
        resetSharedPanelState();
        platform::resetHelpRegistry();
    }

    PrinterPDEPlugInOrvan::PanelBuilder stub(const QString& name)
    {
        return [this, name](platform::PDEPluginCallback* host, platform::Bundle* bundle) {
            ++built;
            return std::make_unique<StubPanel>(name, host, bundle, &destroyed);
        };
    }
    PrinterPDEPlugInOrvan::PanelBuilder failing()
    {
        return [this](platform::PDEPluginCallback*, platform::Bundle*) {
            ++built;
            return std::unique_ptr<platform::PDEPanel>();
        };
    }
    static QStringList names(const QList<platform::PDEPanel*>& panels)
    {
        QStringList result;
        for (platform::PDEPanel* panel : panels) result << panel->panelName();
        return result;
    }

    int built = 0;
    int destroyed = 0;
};

TEST_F(EntryObject, PrinterModuleTypeGivesThePanelsInBuilderOrder)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::bundledPpdPath());
    host::HostCallback host(ppd.get());
    platform::Bundle bundle(testsupport::bundlePath());
    {
        PrinterPDEPlugInOrvan entry({stub("Image Options"), stub("Job Type")});
        ASSERT_TRUE(entry.initWithBundle(&bundle));

        const QList<platform::PDEPanel*>* panels = entry.PDEPanelsForType(kPrinterType, &host);
        ASSERT_NE(panels, nullptr);
        EXPECT_EQ(names(*panels), QStringList({"Image Options", "Job Type"}));
        for (platform::PDEPanel* panel : *panels) {
            auto* stubPanel = dynamic_cast<StubPanel*>(panel);
            ASSERT_NE(stubPanel, nullptr);
            EXPECT_EQ(stubPanel->host(), &host);
            EXPECT_EQ(stubPanel->bundle(), &bundle);
        }

        // Asking again makes new panels; the earlier ones go with the earlier list.
        const QList<platform::PDEPanel*>* again = entry.PDEPanelsForType(kPrinterType, &host);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->size(), 2);
        EXPECT_EQ(built, 4);
        EXPECT_EQ(destroyed, 2);

        // The identifier is compared as it stands: other letter case, other type.
        for (const QString& other : {kPrinterType.toLower(), QStringLiteral("com.PrinterPDE"), QString(),
                                     kPrinterType + QLatin1Char(' ')}) {
            const QList<platform::PDEPanel*>* none = entry.PDEPanelsForType(other, &host);
            ASSERT_NE(none, nullptr) << other.toStdString();
            EXPECT_TRUE(none->isEmpty()) << other.toStdString();
        }
        EXPECT_EQ(built, 4) << "no panel is built for another type";
        EXPECT_EQ(destroyed, 4);

        ASSERT_NE(entry.PDEPanelsForType(kPrinterType, &host), nullptr);
    }
    EXPECT_EQ(built, 6);
    EXPECT_EQ(destroyed, 6) << "the entry object takes its panels with it";
}

TEST_F(EntryObject, PanelsThatCannotBeBuiltAreLeftOut)
{
    host::HostCallback host(nullptr);

    PrinterPDEPlugInOrvan firstFails({failing(), stub("Job Type")});
    const QList<platform::PDEPanel*>* panels = firstFails.PDEPanelsForType(kPrinterType, &host);
    ASSERT_NE(panels, nullptr);
    EXPECT_EQ(names(*panels), QStringList({"Job Type"}));

    PrinterPDEPlugInOrvan bothFail({failing(), failing()});
    EXPECT_EQ(bothFail.PDEPanelsForType(kPrinterType, &host), nullptr);
    const QList<platform::PDEPanel*>* other = bothFail.PDEPanelsForType(QStringLiteral("other"), &host);
    ASSERT_NE(other, nullptr) << "other types give an empty list even when no panel can be built";
    EXPECT_TRUE(other->isEmpty());

    PrinterPDEPlugInOrvan noBuilders(std::vector<PrinterPDEPlugInOrvan::PanelBuilder>{});
    EXPECT_EQ(noBuilders.PDEPanelsForType(kPrinterType, &host), nullptr);
}

TEST_F(EntryObject, HelpBookRegistrationNeverFailsThePlugIn)
{
    QTemporaryDir bare;
    platform::Bundle withoutHelp(bare.path());
    PrinterPDEPlugInOrvan entry(std::vector<PrinterPDEPlugInOrvan::PanelBuilder>{});
    EXPECT_TRUE(entry.initWithBundle(&withoutHelp));
    EXPECT_TRUE(platform::helpBookIndex(bare.path()).isEmpty());
    EXPECT_TRUE(entry.initWithBundle(nullptr));

    platform::Bundle built(testsupport::bundlePath());
    EXPECT_TRUE(entry.initWithBundle(&built));
    EXPECT_TRUE(platform::helpBookIndex(testsupport::bundlePath()).endsWith("Resources/Help/index.html"));
    EXPECT_TRUE(entry.initWithBundle(&built));
    EXPECT_EQ(platform::registeredHelpBooks().size(), 1) << "registered once however often the plug-in starts";
}

} // namespace

TEST(HelpBook, NamesTheControlsAsTheDialogsShowThem)
{
    QFile book(testsupport::bundlePath() + QStringLiteral("/Resources/Help/index.html"));
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(book.readAll());
    for (const char* shown : {"Highlights, Midtones, Shadows", "Gray Guarantee", "Image Adjust Mode"})
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown;
    for (const char* key : {"Hightlights", "GrayGuarantee", "Image adjust mode"})
        EXPECT_FALSE(text.contains(QLatin1String(key))) << key;
}
