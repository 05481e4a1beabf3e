// Both panels and both dialogs on a bundle that lacks its layouts or its string tables.
// Printer descriptions and print-settings records holding anything at all are the fuzz
// targets' (fuzz/fuzz_ppd.cpp, fuzz/fuzz_settings.cpp) and the model tests' ground.
#include "colorbalance/ColorBalance-Orvan.h"
#include "colorbalance/ColorBalanceState.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/JobTypeSetup.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "plugin/SharedPanelState.h"
#include "platform/Bundle.h"
#include "platform/Controls.h"
#include "platform/Help.h"
#include "platform/PrintSettings.h"
#include "plugin/PDETool.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using host::HandOver;
using Values = QMap<QString, QString>;

using testsupport::inModal;

template <class T>
T* child(QWidget* root, const char* name)
{
    return root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        ASSERT_TRUE(QFile::copy(file, target)) << target.toStdString();
    }
}

// The action slots (`void name(QObject*)`) a panel declares itself.
QList<QMetaMethod> actionsOf(const QObject* panel)
{
    QList<QMetaMethod> actions;
    const QMetaObject* meta = panel->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot && method.parameterCount() == 1 &&
            method.parameterType(0) == QMetaType::QObjectStar)
            actions << method;
    }
    return actions;
}

class PanelsBadInput : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }

    void TearDown() override
    {
        io_.reset();
        jt_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        host_.reset();
        ppd_.reset();
        resetState();
    }

    static void resetState()
    {
        resetSharedPanelState();
        platform::resetHelpRegistry();
    }

    // Both panels over the bundled PPD from `bundle`.
    void build(platform::Bundle* bundle)
    {
        io_.reset();
        jt_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
        host_ = std::make_unique<host::HostCallback>(ppd_.get(), true);
        io_ = PrinterPDEOrvan::initWithCallback(host_.get(), bundle);
        jt_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), bundle);
    }

    void show()
    {
        for (platform::PDEPanel* panel : {static_cast<platform::PDEPanel*>(io_.get()), static_cast<platform::PDEPanel*>(jt_.get())}) {
            QWidget* view = panel->panelView();
            ASSERT_NE(view, nullptr);
            view->show();
            panel->willShow();
        }
    }

    QList<HandOver> takeHandOvers()
    {
        const QList<HandOver> list = host_->handOvers();
        host_->clearHandOvers();
        return list;
    }

    testsupport::AlertRecorder alerts_;
    host::PpdPtr ppd_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> io_;
    std::unique_ptr<PrinterJobPDEOrvan> jt_;
};

// A bundle whose layouts are missing: no view, no dialog, nothing the user set lost,
// and the host's operations still answer.
TEST_F(PanelsBadInput, MissingLayoutResources)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyTree(testsupport::bundlePath() + QStringLiteral("/Resources/translations"),
             dir.path() + QStringLiteral("/Resources/translations"));
    platform::Bundle bare(dir.path(), QLocale(QLocale::English, QLocale::UnitedStates));

    // What the user set in an earlier dialog of this process.
    ColorBlanceRes = QList<int32_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3});
    response = SecurePrintSetup{1, QStringLiteral("me"), QStringLiteral("1357"), QStringLiteral("Plans"),
                                QStringLiteral("Enter Name Mode")};
    secureIndex = 1;
    firstRun = 1;
    const Values stored{{"colormodeSettings", "1"}, {"screenSettings", "2"}, {"brightnessSettings", "2"},
                        {"GrayGuaranteeSettings", "0"}, {"jobtypeSettings", "1"}};

    build(&bare);
    host_->printSettings()->values = stored;
    EXPECT_EQ(io_->panelView(), nullptr);
    EXPECT_EQ(jt_->panelView(), nullptr);
    EXPECT_EQ(io_->panelView(), nullptr) << "asked again";
    EXPECT_TRUE(jt_->basicSize.isNull());
    io_->willShow();
    jt_->willShow();
    EXPECT_TRUE(io_->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(jt_->restoreValuesAndReturnError(nullptr));
    takeHandOvers();

    // Every action, as the host's own code calls them: no dialog opens (a modal loop
    // here would never end), nothing the user set changes. Default is the one action
    // meant to change it; it comes last.
    for (QObject* panel : {static_cast<QObject*>(io_.get()), static_cast<QObject*>(jt_.get())})
        for (const QMetaMethod& action : actionsOf(panel))
            if (action.name() != "defaultButtonPushed") {
                EXPECT_TRUE(action.invoke(panel, Qt::DirectConnection, Q_ARG(QObject*, nullptr))) << action.name().data();
            }
    EXPECT_EQ(io_->aColorBalance, nullptr);
    EXPECT_TRUE(jt_->aJobTypeSetup.isNull());
    EXPECT_EQ(ColorBlanceRes, QList<int32_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3}));
    ASSERT_TRUE(response);
    EXPECT_EQ(response->passcode, QStringLiteral("1357"));
    takeHandOvers();

    EXPECT_TRUE(io_->shouldPrint());
    EXPECT_TRUE(jt_->shouldPrint());
    const QList<HandOver> printed = takeHandOvers();
    EXPECT_TRUE(printed.contains(HandOver(QStringLiteral("QVColorDensityYellowHigh"), QStringLiteral("-3"))));
    EXPECT_TRUE(printed.contains(HandOver(QStringLiteral("SecurePrintPasscode"), QStringLiteral("MTM1Nw=="))));
    EXPECT_TRUE(io_->summaryInfo().contains(QStringLiteral("Output Color:")));
    EXPECT_EQ(jt_->summaryInfo().value(QStringLiteral("Job Type")), QStringLiteral("Secure Print"));

    host_->printSettings()->values = stored;
    EXPECT_TRUE(io_->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(jt_->saveValuesAndReturnError(nullptr));
    const Values saved = host_->printSettings()->values;
    // Positions the panel never showed are not overwritten; the rest is what the user set.
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        EXPECT_EQ(saved.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(saved.value(QStringLiteral("YellowHighSettings")), QStringLiteral("-3"));
    EXPECT_EQ(saved.value(QStringLiteral("jobtypePasscode")), QStringLiteral("1357"));

    io_->defaultButtonPushed(nullptr);
    jt_->defaultButtonPushed(nullptr);
    EXPECT_EQ(jt_->summaryInfo().value(QStringLiteral("Job Type")), QStringLiteral("Normal Print"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A bundle without string tables: every text shows its key, in any language.
TEST_F(PanelsBadInput, MissingTranslationsShowTheKeys)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyTree(testsupport::bundlePath() + QStringLiteral("/Resources"), dir.path() + QStringLiteral("/Resources"));
    ASSERT_TRUE(QDir(dir.path() + QStringLiteral("/Resources/translations")).removeRecursively());
    const QLocale german(QLocale::German, QLocale::Germany);
    platform::Bundle untranslated(dir.path(), german);

    // The same language with the string tables, so the keys below are not German by chance.
    {
        platform::Bundle translated(testsupport::bundlePath(), german);
        build(&translated);
        ASSERT_NE(io_->panelName(), QStringLiteral("Image Options"));
        ASSERT_NE(jt_->panelName(), QStringLiteral("Job Type_Title"));
        io_.reset();
        jt_.reset();
    }

    build(&untranslated);
    EXPECT_EQ(io_->panelName(), QStringLiteral("Image Options"));
    EXPECT_EQ(jt_->panelName(), QStringLiteral("Job Type_Title"));
    show();
    const auto tagText = [](QWidget* view, int tag) { return platform::stringValue(platform::viewWithTag(view, tag)); };
    EXPECT_EQ(tagText(io_->PDEView, 1), QStringLiteral("Output Color:"));
    EXPECT_EQ(tagText(io_->PDEView, 9), QStringLiteral("Default"));
    EXPECT_EQ(io_->colorBalanceButton->text(), QStringLiteral("Color Balance..."));
    EXPECT_EQ(tagText(jt_->JobTypeView, 1), QStringLiteral("Job Type"));
    EXPECT_EQ(jt_->setupButton->text(), QStringLiteral("Setup..."));
    EXPECT_EQ(jt_->jobtypeButton->itemText(1), QStringLiteral("Secure Print"));
    EXPECT_EQ(jt_->summaryInfo().firstKey(), QStringLiteral("Job Type"));

    inModal([&] { QTest::mouseClick(io_->colorBalanceButton, Qt::LeftButton); },
            [&](QDialog* balance) {
                EXPECT_EQ(balance->windowTitle(), QStringLiteral("Color Balance"));
                EXPECT_EQ(child<QCheckBox>(balance, "EnableButton")->text(), QStringLiteral("Adjust Color Balance"));
                EXPECT_EQ(child<QPushButton>(balance, "okButton")->text(), QStringLiteral("OK"));
                QTest::mouseClick(child<QPushButton>(balance, "closeButton"), Qt::LeftButton);
            });
    inModal([&] { platform::select(jt_->jobtypeButton, 1); emit jt_->jobtypeButton->activated(1); },
            [&](QDialog* setup) {
                EXPECT_EQ(setup->windowTitle(), QStringLiteral("Secure Print"));
                EXPECT_EQ(child<QLabel>(setup, "sTextUserID")->text(), QStringLiteral("User ID"));
                EXPECT_EQ(child<QComboBox>(setup, "pJobNameButton")->itemText(0), QStringLiteral("Use Existing Name"));
                // A refused entry's alert is in keys too.
                QTest::mouseClick(child<QPushButton>(setup, "okButton"), Qt::LeftButton);
                QTest::mouseClick(child<QPushButton>(setup, "closeButton"), Qt::LeftButton);
            });
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_EQ(alerts_.alerts().first().first, QStringLiteral("Invalid value in User ID."));
}

} // namespace
