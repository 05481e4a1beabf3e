#include "host/DestinationModel.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace host {

namespace {

// Rows: the queues, then (when there are queues) a separator, then Save to File.
QString separatorMark() { return QStringLiteral("separator"); }

// The pop-up's icons are drawn here, on a 16-unit grid, in the palette's colours: a
// style's standard icon reads every size of its image and probes the image-format
// plug-ins, which cost the first frame more than the rest of the printer pop-up.
using Draw = void (*)(QPainter&, const QPalette&);

QIcon drawnIcon(Draw draw)
{
    QIcon icon;
    const QPalette palette = QApplication::palette();
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(palette.color(QPalette::WindowText), 1.0));
        draw(painter, palette);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawPrinter(QPainter& painter, const QPalette& palette)
{
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(QRectF(4.5, 1.5, 7, 4));              // the paper going in
    painter.setBrush(palette.color(QPalette::Button));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // the body
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(QRectF(4.5, 9.5, 7, 5));              // the sheet coming out
    painter.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    painter.drawLine(QPointF(6, 13), QPointF(9, 13));
}

void drawFile(QPainter& painter, const QPalette& palette)
{
    QPainterPath page;                                     // a page with a folded corner
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
    painter.setPen(QPen(palette.color(QPalette::Highlight), 1.5));
    painter.drawLine(QPointF(8, 6), QPointF(8, 12));       // an arrow into it
    painter.drawPolyline(QPolygonF({QPointF(5.5, 9.5), QPointF(8, 12), QPointF(10.5, 9.5)}));
}

const QIcon& drawnOnce(QIcon& made, Draw draw)
{
    if (made.isNull()) made = drawnIcon(draw);
    return made;
}

} // namespace

DestinationModel::DestinationModel(QObject* parent) : QAbstractListModel(parent) {}

DestinationModel::~DestinationModel() = default;

int DestinationModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return queueCount() + (queues_.empty() ? 0 : 1) + 1;
}

int DestinationModel::fileRow() const { return rowCount() - 1; }

int DestinationModel::rowOf(const QString& queue) const
{
    for (int i = 0; i < queueCount(); ++i)
        if (queues_[static_cast<size_t>(i)]->name == queue) return i;
    return -1;
}

const Destination* DestinationModel::destination(const QString& queue) const
{
    const int row = rowOf(queue);
    return row < 0 ? nullptr : queues_[static_cast<size_t>(row)].get();
}

Qt::ItemFlags DestinationModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    if (!queues_.empty() && index.row() == queueCount()) return Qt::NoItemFlags; // the separator
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

const QIcon& DestinationModel::fileIcon() const { return drawnOnce(fileIcon_, drawFile); }

const QIcon& DestinationModel::queueIcon() const { return drawnOnce(queueIcon_, drawPrinter); }

QVariant DestinationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const int row = index.row();
    if (row == fileRow()) {
        switch (role) {
        case Qt::DisplayRole:
            return tr("Save to File");
        case Qt::DecorationRole:
            return fileIcon();
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
    const Destination& queue = *queues_[static_cast<size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        return queue.isDefault ? tr("%1 (default)").arg(queue.name) : queue.name;
    case Qt::DecorationRole:
        return queueIcon();
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
        *queues_[static_cast<size_t>(row)] = destination;
        emit dataChanged(index(row), index(row));
        return;
    }
    const int at = queueCount();
    // The first queue brings the separator before Save to File.
    beginInsertRows(QModelIndex(), at, queues_.empty() ? at + 1 : at);
    queues_.push_back(std::make_unique<Destination>(destination));
    endInsertRows();
}

void DestinationModel::sync(const QList<Destination>& listed, const QString& keep)
{
    QStringList names;
    for (Destination queue : listed) {
        names << queue.name;
        if (const Destination* known = destination(queue.name)) queue.isDefault = known->isDefault;
        upsert(queue);
    }
    for (int row = queueCount() - 1; row >= 0; --row) {
        Destination& queue = *queues_[static_cast<size_t>(row)];
        if (names.contains(queue.name)) continue;
        if (queue.name != keep) {
            removeRow(row);
        } else if (!queue.gone) {
            queue.gone = true;
            emit dataChanged(index(row), index(row));
        }
    }
}

void DestinationModel::dropGone(const QString& keep)
{
    for (int row = queueCount() - 1; row >= 0; --row) {
        const Destination& queue = *queues_[static_cast<size_t>(row)];
        if (queue.gone && queue.name != keep) removeRow(row);
    }
}

void DestinationModel::removeRow(int row)
{
    // The last queue takes the separator with it.
    const bool last = queueCount() == 1;
    beginRemoveRows(QModelIndex(), row, last ? row + 1 : row);
    queues_.erase(queues_.begin() + row);
    endRemoveRows();
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
    if (destination.gone) return tr("No longer on the print server");
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
    // Why it stopped or what is wrong, in the administrator's or the printer's own words;
    // an idle queue's message is only what its last job did.
    // The server's own "Paused" says again what the state says.
    const bool troubled = destination.state == 5 || !destination.reasons.isEmpty();
    const QString& message = destination.message;
    const bool repeats = message.compare(state, Qt::CaseInsensitive) == 0 ||
                         message.compare(QLatin1String("Paused"), Qt::CaseInsensitive) == 0 ||
                         reasons.contains(message, Qt::CaseInsensitive);
    if (troubled && !message.isEmpty() && !repeats) reasons << message;
    if (reasons.isEmpty()) return state;
    if (state.isEmpty()) return reasons.join(QStringLiteral(", "));
    return tr("%1: %2").arg(state, reasons.join(QStringLiteral(", ")));
}

} // namespace host
