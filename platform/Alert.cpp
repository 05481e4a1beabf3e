#include "platform/Alert.h"

#include <QMessageBox>

#include <utility>

namespace platform {

namespace {

AlertRunner& runner()
{
    static AlertRunner r;
    return r;
}

} // namespace

void runAlert(const QString& message, const QString& informative)
{
    if (const AlertRunner& r = runner()) {
        // A copy: the runner may install another one while it runs.
        AlertRunner current = r;
        current(message, informative);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString(), message, QMessageBox::Ok);
    box.setInformativeText(informative);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

AlertRunner setAlertRunner(AlertRunner r)
{
    return std::exchange(runner(), std::move(r));
}

} // namespace platform
