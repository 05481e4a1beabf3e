#pragma once
// What the robustness tests of orvan-print's dialog share: a private cupsd with an
// "Orvan" queue (stopped, so no filter ever runs and jobs stay to be read back), the
// panels' views, and the Secure Print flow as a user goes through it.
#include "platform/PDEPanel.h"
#include "tests/host/HostQueueTest.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <iostream>

namespace robust {

using hosttest::find;
using hosttest::pick;

inline int modeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return -1;
    return static_cast<int>(info.st_mode & 07777);
}

inline QJsonObject readJson(const QString& path)
{
    return QJsonDocument::fromJson(hosttest::readBytes(path)).object();
}

// The view of the panel named `name`, or null.
inline QWidget* panelView(host::PrintDialog* dialog, const QString& name)
{
    for (platform::PDEPanel* panel : dialog->panels())
        if (panel->panelName() == name) return panel->panelView();
    return nullptr;
}

// Job Type panel -> Secure Print -> the setup dialog: user ID, passcode, "Enter Name
// Mode" with `newName`, OK.
inline void chooseSecurePrint(host::PrintDialog* dialog, const QString& user, const QString& passcode,
                              const QString& newName)
{
    ASSERT_TRUE(pick(find<QComboBox>(dialog, "panelPopUp"), QStringLiteral("Job Type")));
    auto* jobType = find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton");
    ASSERT_NE(jobType, nullptr);
    hosttest::inModal([&] { pick(jobType, QStringLiteral("Secure Print")); },
                      [&](QDialog* setup) {
                          auto* userField = find<QLineEdit>(setup, "TextUserIDBox");
                          auto* passField = find<QLineEdit>(setup, "TextPasscodeBox");
                          auto* mode = find<QComboBox>(setup, "pJobNameButton");
                          auto* nameField = find<QLineEdit>(setup, "TextJobNameBox");
                          ASSERT_TRUE(userField && passField && mode && nameField);
                          userField->clear();
                          passField->clear();
                          QTest::keyClicks(userField, user);
                          QTest::keyClicks(passField, passcode);
                          ASSERT_TRUE(pick(mode, mode->itemText(1)));
                          nameField->clear();
                          QTest::keyClicks(nameField, newName);
                          QTest::mouseClick(find<QAbstractButton>(setup, "okButton"), Qt::LeftButton);
                      });
    EXPECT_EQ(jobType->currentText(), QStringLiteral("Secure Print"));
}

inline QString customBase64(const QString& text)
{
    return QStringLiteral("Custom.") + QString::fromLatin1(text.toUtf8().toBase64());
}

// The dialog's fixture with a private scheduler and its "Orvan" queue.
using QueueTest = hosttest::HostQueueTest;

} // namespace robust
