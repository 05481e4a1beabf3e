#pragma once
// The printer pop-up's rows: the server's queues as the CUPS worker reports them (the
// default first), a separator, and Save to File, which is there from the start. What the
// server says of a queue (location, state, why it stopped) is kept with it and updated
// in place whenever the worker reports it again; queues come and go as the server lists
// them, but the one in use stays, marked as gone.
#include "host/CupsWorker.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QList>

#include <memory>
#include <vector>

namespace host {

class DestinationModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        QueueRole = Qt::UserRole, // the queue name; empty for Save to File and the separator
        IsFileRole,               // true for Save to File
        StateTextRole,            // the queue's state in words; empty when not known
    };

    explicit DestinationModel(QObject* parent = nullptr);
    ~DestinationModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Adds a queue after the ones known, or updates what is known of it.
    void upsert(const Destination& destination);
    // What the server lists now: new queues are added, known ones updated (keeping
    // whether they are the default, which the first listing decided), and the ones no
    // longer listed removed, but for `keep`, which stays marked as gone.
    void sync(const QList<Destination>& listed, const QString& keep);
    // Removes the queues marked gone, but for `keep`.
    void dropGone(const QString& keep);
    // The row of `queue`, of Save to File; -1 for none.
    int rowOf(const QString& queue) const;
    int fileRow() const;
    int queueCount() const { return static_cast<int>(queues_.size()); }
    // What the server said of `queue`; null when it is not listed. The record stays
    // where it is, updated in place, for as long as the queue is listed.
    const Destination* destination(const QString& queue) const;

    // "Idle", "Printing", "Paused", with the reasons the server gives ("Out of paper").
    static QString stateText(const Destination& destination);
    // One printer-state-reasons keyword in words; the keyword itself when unknown.
    static QString reasonText(const QString& keyword);

private:
    void removeRow(int row);
    // Each icon is drawn once: the pop-up asks for the icon of each row it draws.
    const QIcon& fileIcon() const;
    const QIcon& queueIcon() const;

    std::vector<std::unique_ptr<Destination>> queues_;
    mutable QIcon fileIcon_;
    mutable QIcon queueIcon_;
};

} // namespace host
