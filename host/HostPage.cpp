#include "host/HostPage.h"

namespace host {

HostPage::HostPage(QWidget* parent) : QWidget(parent) {}

HostPage::~HostPage() = default;

void HostPage::bind(const PrinterContext& /*printer*/, const QMap<QString, QString>& /*saved*/) {}

void HostPage::saveValues(QMap<QString, QString>* /*values*/) const {}

void HostPage::addJobOptions(JobOptions* /*options*/) const {}

QStringList HostPage::ownedKeywords() const { return {}; }

bool HostPage::canPrint(QString* /*why*/) const { return true; }

bool HostPage::describeJobOption(const QString& /*option*/, const QString& /*value*/, QString* /*title*/,
                                 QString* /*text*/) const
{
    return false;
}

QSize HostPage::shownMinimumSize() const { return QSize(520, 200); }

void HostPage::prepareToShow()
{
    if (!built_) {
        build();
        built_ = true;
    }
    refresh();
}

void HostPage::refresh() {}

} // namespace host
