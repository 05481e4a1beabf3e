// The Secure Print setup dialog driven through its real widgets inside its modal loop.
#include "jobtype/JobTypeSetup.h"
#include "tests/jobtype/JobTypeTestSupport.h"


using namespace jttest;

namespace {

class SetupDialog : public JobTypeTest {
protected:
    void SetUp() override
    {
        JobTypeTest::SetUp();
        pluginBundle = &bundle_;
    }

    // A dialog as the Job Type panel makes it, run modally; the window is closed
    // afterwards as the panel does. Answers Start's result.
    bool run(std::function<void(JobTypeSetup*)> interact, QPointer<JobTypeSetup>* made = nullptr)
    {
        QPointer<JobTypeSetup> setup = new JobTypeSetup;
        if (!bundle_.loadLayout(QStringLiteral("JobTypeSetup"), setup) || !setup->window()) {
            ADD_FAILURE() << "the layout JobTypeSetup did not load";
            delete setup.data();
            return false;
        }
        whenSetupShows([setup] { return setup.data(); }, std::move(interact));
        const bool ok = setup->Start(&bundle_);
        EXPECT_FALSE(platform::isRunningModal(setup->window()));
        setup->window()->close();
        if (made) *made = setup;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(setup.isNull()) << "the dialog gives itself up once its window closed";
        return ok;
    }
};

TEST_F(SetupDialog, ValidationOrderShowsTheRightAlertAndKeepsTheDialogOpen)
{
    jobnameMode = 1; // as the first Job Type panel of the process leaves it
    const bool ok = run([this](JobTypeSetup* d) {
        EXPECT_EQ(d->pJobNameButton->currentText(), "Enter Name Mode");
        EXPECT_TRUE(d->TextJobNameBox->isEnabled());
        EXPECT_TRUE(d->TextJobNameBox->text().isEmpty()) << "the job's own name is not shown";
        EXPECT_EQ(d->TextPasscodeBox->echoMode(), QLineEdit::Password);

        // The formatters: 8 bytes of user ID, 12 digits of passcode, 12 bytes of job name.
        retype(d->TextUserIDBox, "abcdefghij");
        EXPECT_EQ(d->TextUserIDBox->text(), "abcdefgh");
        retype(d->TextPasscodeBox, "12a34567890123");
        EXPECT_EQ(d->TextPasscodeBox->text(), "123456789012");
        retype(d->TextJobNameBox, "Quarterly report");
        EXPECT_EQ(d->TextJobNameBox->text(), "Quarterly re");

        const auto pressOK = [d] { QTest::mouseClick(d->okButton, Qt::LeftButton); };
        const auto expectRefused = [this, d](const std::pair<QString, QString>& alert, const char* what) {
            ASSERT_EQ(alerts_.alerts().size(), 1) << what;
            EXPECT_EQ(alerts_.alerts().front(), alert) << what;
            EXPECT_TRUE(platform::isRunningModal(d->window())) << what;
            EXPECT_FALSE(response.has_value()) << what;
            alerts_.clear();
        };

        // Refused in this order, the user ID first; the entries stay as they are.
        const struct {
            QString userID, passcode;
            const std::pair<QString, QString>& alert;
        } refused[] = {
            {"", "", kUserIDAlert},
            {"   ", "", kUserIDAlert},
            {QString::fromUtf8("ab\u00e9"), "", kUserIDAlert}, // the formatter lets Latin-1 in
            {"a b", "", kPasscodeAlert},
            {"a b", "1234567890123", kPasscodeAlert},
        };
        for (const auto& r : refused) {
            d->TextUserIDBox->setText(r.userID);
            d->TextPasscodeBox->setText(r.passcode);
            pressOK();
            expectRefused(r.alert, qPrintable(r.userID + "/" + r.passcode));
            EXPECT_EQ(d->TextUserIDBox->text(), r.userID);
        }

        retype(d->TextPasscodeBox, "0042");
        pressOK();
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(alerts_.alerts().isEmpty());
    ASSERT_TRUE(response.has_value());
    EXPECT_EQ(*response, (SecurePrintSetup{1, "a b", "0042", "Quarterly re", "Enter Name Mode"}));
    EXPECT_EQ(jobnameMode, 1);
    EXPECT_EQ(docName, "Quarterly re");
}

TEST_F(SetupDialog, ModeZeroKeepsTheTypedNameAndReopeningShowsTheConfirmedValues)
{
    EXPECT_TRUE(run([](JobTypeSetup* d) {
        EXPECT_EQ(d->pJobNameButton->currentIndex(), 0) << "no panel has set the first mode";
        EXPECT_FALSE(d->TextJobNameBox->isEnabled());
        confirm(d, "user7", "314159", 0, "Minutes");
    }));
    EXPECT_EQ(response, (SecurePrintSetup{0, "user7", "314159", {}, "Use Existing Name"}));
    EXPECT_EQ(docName, "Minutes");

    EXPECT_TRUE(run([](JobTypeSetup* d) {
        EXPECT_EQ(d->TextUserIDBox->text(), "user7");
        EXPECT_EQ(d->TextPasscodeBox->text(), "314159");
        EXPECT_EQ(d->pJobNameButton->currentIndex(), 0);
        EXPECT_EQ(d->TextJobNameBox->text(), "Minutes");
        chooseWithKeys(d->pJobNameButton, 1);
        EXPECT_TRUE(d->TextJobNameBox->isEnabled());
        QTest::keyClick(d->TextPasscodeBox, Qt::Key_Return); // Return presses OK
    }));
    EXPECT_EQ(*response, (SecurePrintSetup{1, "user7", "314159", "Minutes", "Enter Name Mode"}));
}

TEST_F(SetupDialog, DefaultEmptiesTheFieldsAndCancelEscapeAndCloseBoxChangeNothing)
{
    ASSERT_TRUE(run([](JobTypeSetup* d) { confirm(d, "keep", "111", 0, "Kept"); }));
    const SecurePrintSetup confirmed = *response;

    const std::function<void(JobTypeSetup*)> endings[] = {
        [](JobTypeSetup* d) { QTest::mouseClick(d->closeButton, Qt::LeftButton); },
        [](JobTypeSetup* d) { QTest::keyClick(d->TextUserIDBox, Qt::Key_Escape); },
        [](JobTypeSetup* d) { d->window()->close(); }, // the close box, wherever one shows
    };
    for (const auto& end : endings) {
        EXPECT_FALSE(run([&end](JobTypeSetup* d) {
            QTest::mouseClick(d->defaultButton, Qt::LeftButton);
            EXPECT_EQ(d->pJobNameButton->currentIndex(), 1);
            for (QLineEdit* field : {d->TextUserIDBox, d->TextPasscodeBox, d->TextJobNameBox})
                EXPECT_TRUE(field->text().isEmpty());
            retype(d->TextUserIDBox, "other");
            retype(d->TextPasscodeBox, "999");
            end(d);
        }));
        EXPECT_EQ(*response, confirmed);
        EXPECT_EQ(docName, "Kept");
    }
    EXPECT_TRUE(alerts_.alerts().isEmpty());
}

} // namespace
