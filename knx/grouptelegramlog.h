#pragma once

#include "grouptelegram.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QTimer>

#include <vector>

class GroupAddressBook;

// The group telegrams seen, oldest first, at most a capacity of them: the
// group monitor's model. Telegrams are taken as they come and shown in
// batches (at most every BatchMs, one insertion each), so that a busy bus costs
// one update per batch; the oldest go when the store is full. While paused,
// telegrams are kept aside and shown on resume.
class GroupTelegramLog : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int Capacity = 100000;
    static constexpr int BatchMs = 50;
    enum Column { Time, Source, Destination, Name, Service, Data, Value, ColumnCount };

    struct Entry
    {
        QDateTime time;
        GroupTelegram telegram;
    };

    // The book names the addresses and gives their datapoint types; not owned.
    explicit GroupTelegramLog(const GroupAddressBook &book, int capacity = Capacity,
                              QObject *parent = nullptr);

    void append(const GroupTelegram &telegram, const QDateTime &time);
    // Shows what was taken; called by the batch timer.
    void showTaken();
    void setPaused(bool paused);
    bool isPaused() const { return paused; }
    void clear();
    // The address book changed: names and values are shown anew.
    void refreshNames();

    const Entry &entry(int row) const;
    // Every row as the columns show it, with the titles first (CSV export).
    QList<QStringList> texts() const;
    // Telegrams taken since the start, shown or not (for the benchmark).
    qint64 takenCount() const { return taken; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const Entry &entry, int column) const;

    const GroupAddressBook &book;
    const int capacity;
    std::vector<Entry> ring; // grows to capacity, then reused from first
    std::size_t first = 0;   // the oldest entry's place in ring
    std::vector<Entry> waiting;
    QTimer batchTimer;
    qint64 taken = 0;
    bool paused = false;
};
