// Secure Print across runs of orvan-print: the job type the panel shows is the job type
// the job carries, after a restart as much as before, with or without the passcode
// kept by the desktop's secret store, and in an unattended run.
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "tests/jobtype/JobTypeTestSupport.h"
#include "tests/support/DriverChecks.h"
#include "tests/support/PrinterModel.h"

#include "platform/Controls.h"
#include "platform/PrintSettings.h"

#include <QApplication>

using namespace jttest;

namespace {

class SecurePrintAcrossRuns : public JobTypeTest {
protected:
    void SetUp() override
    {
        JobTypeTest::SetUp();
        panels::resetState();
    }

    void TearDown() override
    {
        printer_.reset();
        panels::resetState();
        JobTypeTest::TearDown();
    }

    void start(platform::Bundle* bundle = nullptr)
    {
        printer_ = std::make_unique<panels::Printer>(testsupport::bundledPpdPath(), true, bundle ? bundle : &bundle_);
    }

    PrinterJobPDEOrvan& panel() { return printer_->panels().jobType(); }

    // Secure Print picked and confirmed in its dialog, then the job printed.
    void setUpAndPrint(const QString& userID, const QString& passcode, const QString& jobName = QString())
    {
        whenSetupShows([this] { return panel().aJobTypeSetup.data(); },
                       [=](JobTypeSetup* d) { confirm(d, userID, passcode, jobName.isNull() ? 0 : 1, jobName); });
        chooseWithKeys(panel().jobtypeButton, 1);
        ASSERT_EQ(setupsShown_, 1);
        panels::SeededChoices unused(1);
        ASSERT_TRUE(printer_->print(unused).sent);
        setupsShown_ = 0;
    }

    // The secure-print options a job sent now carries.
    QMap<QString, QString> secureOptions()
    {
        return panels::carriedJobOptions(printer_->panels(),
                                         {"JobType", "UserID", "SecurePrintPasscode", "NewJob"});
    }

    static QMap<QString, QString> secure(const QString& userID, const QString& passcode, const QString& jobName)
    {
        return {{"JobType", "Secure"},
                {"UserID", "Custom." + b64(userID)},
                {"SecurePrintPasscode", "Custom." + b64(passcode)},
                {"NewJob", jobName.isNull() ? QStringLiteral("None") : "Custom." + b64(jobName)}};
    }

    testsupport::DriverChecks checks_;
    std::unique_ptr<panels::Printer> printer_;
};

TEST_F(SecurePrintAcrossRuns, WithoutThePasscodePrintingAsksForItWithWhatIsKnownFilledIn)
{
    start();
    setUpAndPrint("alice", "1234", "Report");

    // The job goes out as the Secure Print shown (Cancel there is the panel test's).
    printer_->restart(false);
    EXPECT_EQ(panel().jobtypeButton->currentIndex(), 1);
    whenSetupShows([this] { return panel().aJobTypeSetup.data(); }, [](JobTypeSetup* d) {
        EXPECT_EQ(d->TextUserIDBox->text(), "alice");
        EXPECT_EQ(d->TextPasscodeBox->text(), "");
        EXPECT_EQ(d->pJobNameButton->currentIndex(), 1);
        EXPECT_EQ(d->TextJobNameBox->text(), "Report");
        retype(d->TextPasscodeBox, "5678");
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_TRUE(panel().shouldPrint());
    EXPECT_EQ(setupsShown_, 1);
    EXPECT_EQ(secureOptions(), secure("alice", "5678", "Report"));
}

// The kept entries pass the dialog's own checks (its tests hold the whole table of them).
TEST_F(SecurePrintAcrossRuns, KeptEntriesTheDialogWouldRefuseAreAskedForAgain)
{
    const QMap<QString, QString> records[] = {
        {{"jobtypeSettings", "1"}, {"jobtypeUserID", "alice"}, {"jobtypePasscode", "12a4"}},
        {{"jobtypeSettings", "1"}, {"jobtypeUserID", QString::fromUtf8("Zo\u00eb")}, {"jobtypePasscode", "1234"}},
        {{"jobtypeSettings", "1"}, {"jobtypeUserID", "toolonguser"}, {"jobtypePasscode", "1234"}},
        {{"jobtypeSettings", "1"}, {"jobtypePasscode", "1234"}},
    };
    for (const auto& record : records) {
        printer_.reset();
        panels::resetState();
        start();
        platform::PrintSettings* settings = printer_->panels().host().printSettings();
        settings->values = record;
        panel().restoreValuesAndReturnError(nullptr);
        EXPECT_FALSE(response.has_value()) << record.value("jobtypeUserID").toStdString();
        whenSetupShows([this] { return panel().aJobTypeSetup.data(); },
                       [](JobTypeSetup* d) { QTest::mouseClick(d->closeButton, Qt::LeftButton); });
        EXPECT_FALSE(panel().shouldPrint());
        EXPECT_EQ(panel().jobtypeButton->currentIndex(), 1);
    }
    EXPECT_EQ(setupsShown_, static_cast<int>(std::size(records)));
}

TEST_F(SecurePrintAcrossRuns, AnUnattendedRunThatCannotCompleteASecurePrintSendsNothingAndSaysWhy)
{
    const std::pair<QLocale, std::pair<QString, QString>> languages[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates),
         {"Secure Print needs its passcode.",
          "Open the dialog and enter it under Job Type > Setup..., or choose Normal Print."}},
        {QLocale(QLocale::German, QLocale::Germany),
         {QString::fromUtf8("Sicherer Druck ben\u00f6tigt sein Kennwort."),
          QString::fromUtf8("\u00d6ffnen Sie den Dialog und geben Sie es unter Auftragstyp > Einrichten... ein, "
                            "oder w\u00e4hlen Sie Normaler Druck.")}},
    };
    for (const auto& [locale, alert] : languages) {
        platform::Bundle bundle(testsupport::bundlePath(), locale);
        printer_.reset();
        panels::resetState();
        start(&bundle);
        setUpAndPrint("alice", "1234");
        printer_->restart(false);
        alerts_.clear();
        panels::SeededChoices unused(3);
        EXPECT_FALSE(printer_->print(unused, false).sent);
        EXPECT_EQ(setupsShown_, 0);
        EXPECT_EQ(alerts_.alerts(), (QList<std::pair<QString, QString>>{alert})) << locale.name().toStdString();
        EXPECT_EQ(panel().jobtypeButton->currentIndex(), 1);

        // With its passcode kept it goes out unattended.
        printer_->restart(true);
        EXPECT_TRUE(printer_->print(unused, false).sent);
        EXPECT_EQ(secureOptions(), secure("alice", "1234", QString()));
        printer_.reset();
    }
}

} // namespace
