#pragma once
// The Summary: everything the job will carry, in sections, asked anew each time the
// page is shown.
#include "host/HostPage.h"

#include <QList>
#include <QString>

#include <functional>

class QTreeWidget;

namespace host {

struct SummaryRow {
    QString key;
    QString value;
};

struct SummarySection {
    QString title;
    QList<SummaryRow> rows;
};

class SummaryPage : public HostPage {
    Q_OBJECT
public:
    using Source = std::function<QList<SummarySection>()>;
    explicit SummaryPage(Source source, QWidget* parent = nullptr);

    QString title() const override;
    QString key() const override { return QStringLiteral("summary"); }
    QSize shownMinimumSize() const override;

protected:
    void build() override;
    void refresh() override;

private:
    Source source_;
    QTreeWidget* view_ = nullptr;
};

} // namespace host
