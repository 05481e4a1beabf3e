#pragma once
// What the Job Type tests share: fresh secure-print state, the bundle, an alert
// recorder, and a runner that drives the modal setup dialog.
#include "jobtype/JobTypeSetup.h"
#include "plugin/SharedPanelState.h"
#include "platform/Bundle.h"
#include "platform/Window.h"
#include "plugin/PDETool.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UserActions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace jttest {

inline const std::pair<QString, QString> kUserIDAlert{
    "Invalid value in User ID.", "Specify within a range of 1 to 8 alphanumeric characters."};
inline const std::pair<QString, QString> kPasscodeAlert{
    "Invalid value in Secure Print Passcode.", "Specify within a range of 1 to 12 alphanumeric characters."};

// Base64 of the UTF-8 bytes, by Qt's own encoder.
inline QString b64(const QString& text) { return QString::fromLatin1(text.toUtf8().toBase64()); }

using useractions::chooseWithKeys;
using useractions::retype;

// Fills the dialog and presses OK.
inline void confirm(JobTypeSetup* d, const QString& userID, const QString& passcode, int mode,
                    const QString& jobName = QString())
{
    retype(d->TextUserIDBox, userID);
    retype(d->TextPasscodeBox, passcode);
    chooseWithKeys(d->pJobNameButton, 1);
    if (!jobName.isNull()) retype(d->TextJobNameBox, jobName);
    chooseWithKeys(d->pJobNameButton, mode);
    QTest::mouseClick(d->okButton, Qt::LeftButton);
}

class JobTypeTest : public ::testing::Test {
protected:
    void SetUp() override { resetSharedPanelState(); }

    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetSharedPanelState();
    }

    // Schedules `interact` to run inside the next modal loop, on the dialog `current`
    // answers then. It should end the loop.
    void whenSetupShows(std::function<JobTypeSetup*()> current, std::function<void(JobTypeSetup*)> interact)
    {
        testsupport::whenModal([this, current = std::move(current), interact = std::move(interact)](QDialog* window) {
            ++setupsShown_;
            JobTypeSetup* setup = current();
            ASSERT_TRUE(setup && setup->window() == window) << "no setup dialog is running";
            interact(setup);
        });
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::AlertRecorder alerts_;
    int setupsShown_ = 0;
};

} // namespace jttest
