#include "host/SummaryPage.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace host {

SummaryPage::SummaryPage(Source source, QWidget* parent) : HostPage(parent), source_(std::move(source))
{
    setObjectName(QStringLiteral("summaryPage"));
}

QString SummaryPage::title() const { return tr("Summary"); }

QSize SummaryPage::shownMinimumSize() const { return QSize(520, 280); }

void SummaryPage::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QTreeWidget(this);
    view_->setObjectName(QStringLiteral("summaryView"));
    view_->setColumnCount(2);
    view_->setHeaderLabels({tr("Setting"), tr("Value")});
    view_->setRootIsDecorated(false);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setFrameShape(QFrame::NoFrame);
    view_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view_->header()->setStretchLastSection(true);
    view_->setAccessibleName(tr("Summary"));
    layout->addWidget(view_);
}

void SummaryPage::refresh()
{
    view_->clear();
    for (const SummarySection& section : source_ ? source_() : QList<SummarySection>()) {
        auto* head = new QTreeWidgetItem(view_, {section.title});
        QFont font = head->font(0);
        font.setBold(true);
        head->setFont(0, font);
        head->setFirstColumnSpanned(true);
        if (section.rows.isEmpty()) new QTreeWidgetItem(head, {QStringLiteral("    ") + tr("(nothing to report)")});
        for (const SummaryRow& row : section.rows) {
            auto* item = new QTreeWidgetItem(head, {QStringLiteral("    ") + row.key, row.value});
            item->setToolTip(1, row.value);
        }
    }
    view_->expandAll();
}

} // namespace host
