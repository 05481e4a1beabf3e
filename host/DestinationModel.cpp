#include "host/DestinationModel.h"

#include <QApplication>
#include <QStyle>

namespace host {

namespace {

// Rows: the queues, then (when there are queues) a separator, then Save to File.
QString separatorMark() { return QStringLiteral("separator"); }

} // namespace

DestinationModel::DestinationModel(QObject* parent) : QAbstractListModel(parent) {}

DestinationModel::~DestinationModel() = default;

int DestinationModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return queueCount() + (queues_.isEmpty() ? 0 : 1) + 1;
}

int DestinationModel::fileRow() const { return rowCount() - 1; }

int DestinationModel::rowOf(const QString& queue) const
{
    for (int i = 0; i < queues_.size(); ++i)
        if (queues_.at(i).name == queue) return i;
    return -1;
}

const Destination* DestinationModel::destination(const QString& queue) const
{
    const int row = rowOf(queue);
    return row < 0 ? nullptr : &queues_.at(row);
}

Qt::ItemFlags DestinationModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    if (!queues_.isEmpty() && index.row() == queueCount()) return Qt::NoItemFlags; // the separator
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant DestinationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const int row = index.row();
    if (row == fileRow()) {
        switch (role) {
        case Qt::DisplayRole:
            return tr("Save to File");
        case Qt::DecorationRole:
            return QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton);
        case IsFileRole:
            return true;
        default:
            return {};
        }
    }
    if (row == queueCount()) {
        // QComboBox draws a row whose accessible description says so as a separator.
        return role == Qt::AccessibleDescriptionRole ? QVariant(separatorMark()) : QVariant();
    }
    const Destination& queue = queues_.at(row);
    switch (role) {
    case Qt::DisplayRole:
        return queue.isDefault ? tr("%1 (default)").arg(queue.name) : queue.name;
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    case Qt::ToolTipRole: {
        QStringList tip;
        if (!queue.info.isEmpty()) tip << queue.info;
        if (!queue.location.isEmpty()) tip << queue.location;
        const QString state = stateText(queue);
        if (!state.isEmpty()) tip << state;
        return tip.isEmpty() ? QVariant() : QVariant(tip.join(QStringLiteral(" \u2014 ")));
    }
    case QueueRole:
        return queue.name;
    case IsFileRole:
        return false;
    case StateTextRole:
        return stateText(queue);
    default:
        return {};
    }
}

void DestinationModel::upsert(const Destination& destination)
{
    const int row = rowOf(destination.name);
    if (row >= 0) {
        queues_[row] = destination;
        emit dataChanged(index(row), index(row));
        return;
    }
    const int at = queueCount();
    if (queues_.isEmpty()) {
        // The first queue brings the separator before Save to File.
        beginInsertRows(QModelIndex(), 0, 1);
        queues_.append(destination);
        endInsertRows();
        return;
    }
    beginInsertRows(QModelIndex(), at, at);
    queues_.append(destination);
    endInsertRows();
}

QString DestinationModel::reasonText(const QString& keyword)
{
    // The severity suffix says how sure the printer is, not what is wrong.
    QString reason = keyword;
    for (const char* suffix : {"-report", "-warning", "-error"})
        if (reason.endsWith(QLatin1String(suffix))) reason.chop(static_cast<int>(qstrlen(suffix)));
    static const struct {
        const char* keyword;
        const char* text;
    } known[] = {
        {"media-empty", QT_TR_NOOP("out of paper")},
        {"media-needed", QT_TR_NOOP("paper needed")},
        {"media-jam", QT_TR_NOOP("paper jam")},
        {"media-low", QT_TR_NOOP("paper low")},
        {"toner-empty", QT_TR_NOOP("out of toner")},
        {"toner-low", QT_TR_NOOP("toner low")},
        {"marker-supply-empty", QT_TR_NOOP("out of toner")},
        {"marker-supply-low", QT_TR_NOOP("toner low")},
        {"door-open", QT_TR_NOOP("a door is open")},
        {"cover-open", QT_TR_NOOP("a cover is open")},
        {"offline", QT_TR_NOOP("offline")},
        {"paused", QT_TR_NOOP("paused")},
        {"shutdown", QT_TR_NOOP("shut down")},
        {"connecting-to-device", QT_TR_NOOP("connecting")},
        {"timed-out", QT_TR_NOOP("not answering")},
        {"output-area-full", QT_TR_NOOP("output tray full")},
        {"spool-area-full", QT_TR_NOOP("the server's spool is full")},
        {"stopped-partly", QT_TR_NOOP("partly stopped")},
        {"cups-missing-filter", QT_TR_NOOP("a filter is missing")},
        {"cups-insecure-filter", QT_TR_NOOP("a filter is insecure")},
    };
    for (const auto& entry : known)
        if (reason == QLatin1String(entry.keyword)) return tr(entry.text);
    return keyword;
}

QString DestinationModel::stateText(const Destination& destination)
{
    QString state;
    switch (destination.state) {
    case 3:
        state = tr("Idle");
        break;
    case 4:
        state = tr("Printing");
        break;
    case 5:
        state = tr("Paused");
        break;
    default:
        break;
    }
    QStringList reasons;
    for (const QString& reason : destination.reasons) {
        const QString text = reasonText(reason);
        // "paused" says again what the state says.
        if (destination.state == 5 && reason == QLatin1String("paused")) continue;
        if (!reasons.contains(text)) reasons << text;
    }
    if (!destination.accepting) reasons << tr("not accepting jobs");
    if (reasons.isEmpty()) return state;
    if (state.isEmpty()) return reasons.join(QStringLiteral(", "));
    return tr("%1: %2").arg(state, reasons.join(QStringLiteral(", ")));
}

} // namespace host
