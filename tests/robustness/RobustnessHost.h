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
using hosttest::chooseItem;

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

using hosttest::chooseSecurePrint;
using hosttest::customBase64;
using hosttest::panelView;

// The dialog's fixture with a private scheduler and its "Orvan" queue.
using QueueTest = hosttest::HostQueueTest;

} // namespace robust
