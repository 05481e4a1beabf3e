// The Job Type panel against the host's callback over a real PPD: hand-overs as the
// host records them, the print-settings record, and the setup dialog it opens.
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "tests/jobtype/JobTypeTestSupport.h"

#include "platform/Controls.h"
#include "platform/PrintSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace jttest;
using host::HandOver;

namespace {

class JobTypePanel : public JobTypeTest {
protected:
    void SetUp() override
    {
        JobTypeTest::SetUp();
        ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
        host_ = std::make_unique<host::HostCallback>(ppd_.get());
        panel_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), &bundle_);
    }

    void TearDown() override
    {
        panel_.reset();
        JobTypeTest::TearDown();
    }

    // The panel as the host shows it.
    PrinterJobPDEOrvan* shown()
    {
        EXPECT_TRUE(panel_->panelView());
        panel_->willShow();
        return panel_.get();
    }

    // The user picks Secure Print; `interact` runs in the setup dialog it opens.
    void pickSecurePrint(std::function<void(JobTypeSetup*)> interact)
    {
        whenSetupShows([this] { return panel_->aJobTypeSetup.data(); }, std::move(interact));
        chooseWithKeys(panel_->jobtypeButton, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(panel_->aJobTypeSetup.isNull()) << "the dialog is gone once its window closed";
    }

    void pressSetup(std::function<void(JobTypeSetup*)> interact)
    {
        whenSetupShows([this] { return panel_->aJobTypeSetup.data(); }, std::move(interact));
        QTest::mouseClick(panel_->setupButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QList<HandOver> takeHandOvers()
    {
        const QList<HandOver> handed = host_->handOvers();
        host_->clearHandOvers();
        return handed;
    }

    QList<HandOver> secureHandOvers(const QString& user, const QString& pass, const QString& name = QString())
    {
        QList<HandOver> expected{{"JobType", "Secure"}, {"UserID", b64(user)}, {"SecurePrintPasscode", b64(pass)}};
        if (!name.isNull()) expected.append({"NewJob", b64(name)});
        return expected;
    }

    host::PpdPtr ppd_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterJobPDEOrvan> panel_;
};

TEST_F(JobTypePanel, ConstructionViewAndKeywordLists)
{
    EXPECT_EQ(jobnameMode, 1) << "the first setup dialog starts in Enter Name Mode";
    EXPECT_EQ(panel_->supportedPPDOptionKeys(),
              QStringList({"JobType", "UserID", "JobNameMode", "SecurePrintPasscode", "NewJob"}));
    PrinterJobPDEOrvan* p = shown();
    EXPECT_EQ(platform::stringValue(platform::viewWithTag(p->JobTypeView, 1)), "Job Type:");
    ASSERT_EQ(p->jobtypeButton->count(), 2);
    EXPECT_EQ(p->jobtypeButton->itemText(1), "Secure Print");
    EXPECT_EQ(p->jobtypeButton->currentIndex(), 0);
    EXPECT_FALSE(p->setupButton->isEnabled());
    // The summary's title keeps its own wording.
    EXPECT_EQ(p->summaryInfo(), (QMap<QString, QString>{{"Job Type", "Normal Print"}}));
    EXPECT_TRUE(host_->handOvers().isEmpty());
    panel_.reset();
    EXPECT_FALSE(jobtypeChoices) << "the list pointing into the PPD goes with its panel";

    const std::pair<const char*, QStringList> partial[] = {
        {"jobtype-partial.ppd", {"JobType", "UserID", "NewJob"}},
        {"minimal.ppd", {}},
    };
    for (const auto& [file, expected] : partial) {
        host::PpdPtr ppd = testsupport::openTestPpd(testsupport::testDataPath(file));
        host::HostCallback host(ppd.get());
        EXPECT_EQ(PrinterJobPDEOrvan::initWithCallback(&host, &bundle_)->supportedPPDOptionKeys(), expected) << file;
    }
    host::HostCallback noPpd(nullptr);
    EXPECT_TRUE(PrinterJobPDEOrvan::initWithCallback(&noPpd, &bundle_)->supportedPPDOptionKeys().isEmpty());
}

TEST_F(JobTypePanel, OkHandsOverBase64ValuesInOrderAndACancelNothing)
{
    PrinterJobPDEOrvan* p = shown();
    // Cancel before any OK returns to Normal Print.
    pickSecurePrint([](JobTypeSetup* d) { QTest::mouseClick(d->closeButton, Qt::LeftButton); });
    EXPECT_EQ(setupsShown_, 1) << "Secure Print opens the dialog at once";
    EXPECT_EQ(takeHandOvers(), QList<HandOver>({{"JobType", "Normal"}}));
    EXPECT_EQ(p->jobtypeButton->currentIndex(), 0);
    EXPECT_FALSE(p->setupButton->isEnabled());

    pickSecurePrint([](JobTypeSetup* d) { confirm(d, "abc", "1234", 1, QString::fromUtf8("Zo\u00eb")); });
    EXPECT_EQ(takeHandOvers(), secureHandOvers("abc", "1234", QString::fromUtf8("Zo\u00eb")));
    EXPECT_TRUE(p->setupButton->isEnabled());

    pressSetup([](JobTypeSetup* d) {
        EXPECT_EQ(d->TextUserIDBox->text(), "abc");
        retype(d->TextUserIDBox, "changed");
        QTest::keyClick(d->TextUserIDBox, Qt::Key_Escape);
    });
    EXPECT_TRUE(host_->handOvers().isEmpty());
    EXPECT_EQ(p->jobtypeButton->currentIndex(), 1);

    pressSetup([](JobTypeSetup* d) { confirm(d, "u2", "77", 0); });
    EXPECT_EQ(takeHandOvers(), secureHandOvers("u2", "77") + QList<HandOver>({{"NewJob", "None"}}))
        << "mode 0: the new name of the setup before is withdrawn";

    QTest::mouseClick(p->defaultButton, Qt::LeftButton);
    EXPECT_EQ(takeHandOvers(), QList<HandOver>({{"JobType", "Normal"}}));
    EXPECT_FALSE(p->setupButton->isEnabled());
}

TEST_F(JobTypePanel, ShouldPrintWithAndWithoutASetupResult)
{
    secureIndex = 1;
    firstRun = 1;
    PrinterJobPDEOrvan* p = shown();
    ASSERT_EQ(p->jobtypeButton->currentIndex(), 1);
    // Secure Print with no setup: printing asks for it, and Cancel holds the job back.
    whenSetupShows([this] { return panel_->aJobTypeSetup.data(); },
                   [](JobTypeSetup* d) { QTest::mouseClick(d->closeButton, Qt::LeftButton); });
    EXPECT_FALSE(p->shouldPrint());
    EXPECT_EQ(setupsShown_, 1);
    EXPECT_TRUE(host_->handOvers().isEmpty());
    EXPECT_EQ(p->jobtypeButton->currentIndex(), 1);

    response = SecurePrintSetup{1, "id", "5678", "Name", "Enter Name Mode"};
    p->willShow();
    EXPECT_TRUE(p->shouldPrint());
    EXPECT_EQ(takeHandOvers(), secureHandOvers("id", "5678", "Name"));
    response = SecurePrintSetup{0, "id", "5678", {}, "Use Existing Name"};
    EXPECT_TRUE(p->shouldPrint());
    EXPECT_EQ(takeHandOvers(), secureHandOvers("id", "5678") + QList<HandOver>({{"NewJob", "None"}}));
    // Normal Print after it: nothing of the setup goes with the job.
    chooseWithKeys(p->jobtypeButton, 0);
    takeHandOvers();
    EXPECT_TRUE(p->shouldPrint());
    EXPECT_EQ(takeHandOvers(),
              QList<HandOver>({{"JobType", "Normal"}, {"UserID", "None"}, {"SecurePrintPasscode", "None"}}));
}

TEST_F(JobTypePanel, SaveAndRestoreTheRecord)
{
    platform::PrintSettings* settings = host_->printSettings();
    ASSERT_TRUE(settings);
    PrinterJobPDEOrvan* p = shown();
    pickSecurePrint([](JobTypeSetup* d) { confirm(d, "me", "2468", 1, "Plans"); });
    EXPECT_TRUE(p->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(settings->values, (QMap<QString, QString>{{"jobtypeSettings", "1"},
                                                        {"jobtypeUserID", "me"},
                                                        {"jobtypePasscode", "2468"},
                                                        {"jobtypeDocName", "Plans"}}))
        << "the record holds the entries as typed";
    const QMap<QString, QString> saved = settings->values;

    // Read back into the next print dialog of the process.
    const auto restoreInto = [this](const QMap<QString, QString>& values) {
        panel_.reset();
        host_ = std::make_unique<host::HostCallback>(ppd_.get());
        host_->printSettings()->values = values;
        panel_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), &bundle_);
        shown();
        EXPECT_TRUE(panel_->restoreValuesAndReturnError(nullptr));
        return takeHandOvers();
    };
    // A Secure Print record whose entries the dialog takes brings its setup back, in
    // this process or the next, whatever setup the process had: the job goes out with it.
    const QList<HandOver> withSetup{
        {"UserID", b64("me")}, {"SecurePrintPasscode", b64("2468")}, {"NewJob", b64("Plans")}, {"JobType", "Secure"}};
    EXPECT_EQ(restoreInto(saved), withSetup);
    EXPECT_TRUE(panel_->setupButton->isEnabled());
    for (const std::optional<SecurePrintSetup>& earlier :
         {std::optional(SecurePrintSetup{0, "you", "1357", {}, "Use Existing Name"}), std::optional<SecurePrintSetup>()}) {
        response = earlier;
        EXPECT_EQ(restoreInto(saved), withSetup);
        EXPECT_EQ(response, (SecurePrintSetup{1, "me", "2468", "Plans", "Enter Name Mode"}));
    }

    // Normal Print: the entries go over as they stand; the passcode only while a setup
    // result of mode 1 exists.
    QMap<QString, QString> normal = saved;
    normal.insert("jobtypeSettings", "0");
    response = SecurePrintSetup{0, "me", "2468", {}, "Use Existing Name"};
    EXPECT_EQ(restoreInto(normal), QList<HandOver>({{"UserID", b64("me")}, {"NewJob", b64("Plans")},
                                                     {"JobType", "Normal"}}));
    response.reset();
    EXPECT_EQ(restoreInto(normal).size(), 3);
    EXPECT_FALSE(response) << "only a Secure Print record stands for a setup";

    // Without "jobtypeSettings", or with a position that names no job type: Normal Print.
    for (const QString& stored : {QString(), QStringLiteral("7"), QStringLiteral("-1")}) {
        QMap<QString, QString> values{{"jobtypeUserID", "me"}};
        if (!stored.isNull()) values.insert("jobtypeSettings", stored);
        EXPECT_EQ(restoreInto(values), QList<HandOver>({{"UserID", b64("me")}, {"JobType", "Normal"}})) << stored.toStdString();
        EXPECT_FALSE(panel_->setupButton->isEnabled());
    }

    // A value longer than the dialog admits is handed over whole.
    const QString longName = QString(2000, QChar(u'\u00e9'));
    EXPECT_EQ(restoreInto({{"jobtypeDocName", longName}, {"jobtypeSettings", "0"}}).front(),
              HandOver("NewJob", b64(longName)));
}

TEST_F(JobTypePanel, APanelNeverShownKeepsItsJobTypeAndNoSettingsNoHostChangeNothing)
{
    host_->printSettings()->values = {{"jobtypeSettings", "1"}};
    EXPECT_TRUE(panel_->restoreValuesAndReturnError(nullptr));
    EXPECT_EQ(takeHandOvers(), QList<HandOver>({{"JobType", "Secure"}}));
    EXPECT_EQ(panel_->summaryInfo(), (QMap<QString, QString>{{"Job Type", "Secure Print"}}));
    host_->printSettings()->values.clear();
    EXPECT_TRUE(panel_->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(host_->printSettings()->values.value("jobtypeSettings"), "1") << "nothing lost";

    host_->setPrintSettings(nullptr);
    EXPECT_TRUE(panel_->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel_->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(host_->handOvers().isEmpty());

    // A host that takes no hand-overs gets none, not even after an OK.
    secureIndex = 0;
    host::HostCallback quiet(ppd_.get(), false);
    panel_ = PrinterJobPDEOrvan::initWithCallback(&quiet, &bundle_);
    shown();
    pickSecurePrint([](JobTypeSetup* d) { confirm(d, "x", "1", 1, "y"); });
    EXPECT_TRUE(panel_->shouldPrint());
    EXPECT_TRUE(quiet.handOvers().isEmpty());
    panel_.reset();
}

TEST_F(JobTypePanel, APrinterWithoutSecurePrintNeverOffersIt)
{
    // Secure Print chosen for another printer earlier in this process, and in the record.
    secureIndex = 1;
    firstRun = 1;
    host::PpdPtr other = testsupport::openTestPpd(testsupport::sourcePath("tests/imageoptions/data/other-printer.ppd"));
    host::HostCallback host(other.get());
    host.printSettings()->values = {{"jobtypeSettings", "1"}, {"jobtypeUserID", "me"}, {"jobtypePasscode", "2468"}};
    panel_ = PrinterJobPDEOrvan::initWithCallback(&host, &bundle_);
    PrinterJobPDEOrvan* p = shown();
    ASSERT_EQ(p->jobtypeButton->count(), 1);
    EXPECT_FALSE(p->setupButton->isEnabled());
    EXPECT_TRUE(p->restoreValuesAndReturnError(nullptr));
    EXPECT_FALSE(response);
    QTest::keyClick(p->jobtypeButton, Qt::Key_Down);
    EXPECT_EQ(setupsShown_, 0);
    EXPECT_TRUE(p->shouldPrint());
    EXPECT_EQ(p->summaryInfo(), (QMap<QString, QString>{{"Job Type", "Normal Print"}}));
    // The job type last handed over is Normal, and any record entry handed before it is
    // withdrawn after it.
    QString jobType;
    for (const HandOver& h : host.handOvers()) {
        if (h.first == "JobType") {
            jobType = h.second;
        } else if (!jobType.isEmpty()) {
            EXPECT_EQ(h.second, "None") << h.first.toStdString();
        }
    }
    EXPECT_EQ(jobType, "Normal");
    EXPECT_TRUE(p->saveValuesAndReturnError(nullptr));
    EXPECT_EQ(host.printSettings()->values.value("jobtypeSettings"), "0");
    panel_.reset();
}

TEST_F(JobTypePanel, MissingLayoutsEndSilently)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Resources"));
    platform::Bundle empty(dir.path());
    // The panel's layout without the dialog's: Secure Print ends silently as the normal
    // job it was, since nothing could set it up.
    ASSERT_TRUE(QFile::copy(testsupport::bundlePath() + "/Resources/JobTypeMain.ui",
                            dir.path() + "/Resources/JobTypeMain.ui"));
    panel_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), &empty);
    shown();
    host_->clearHandOvers();
    chooseWithKeys(panel_->jobtypeButton, 1);
    EXPECT_EQ(panel_->jobtypeButton->currentIndex(), 0);
    EXPECT_EQ(host_->handOvers(), QList<HandOver>({{"JobType", "Normal"}}));
    panel_.reset();
}

TEST_F(JobTypePanel, NoSecretReachesTheLog)
{
    testsupport::LogRecorder log;
    PrinterJobPDEOrvan* p = shown();
    pickSecurePrint([](JobTypeSetup* d) { confirm(d, "Agent007", "86753090", 1, "Payroll"); });
    p->saveValuesAndReturnError(nullptr);
    p->restoreValuesAndReturnError(nullptr);
    p->shouldPrint();
    pressSetup([](JobTypeSetup* d) { QTest::mouseClick(d->okButton, Qt::LeftButton); });
    EXPECT_FALSE(log.lines().isEmpty());
    for (const QString& line : log.lines()) {
        for (const QString secret : {"Agent007", "86753090", "Payroll"}) {
            EXPECT_FALSE(line.contains(secret)) << line.toStdString();
            EXPECT_FALSE(line.contains(b64(secret))) << line.toStdString();
        }
    }
}

} // namespace
