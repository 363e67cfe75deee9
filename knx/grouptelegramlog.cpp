#include "grouptelegramlog.h"

#include "grouptelegramtext.h"
#include "knxaddresses.h"

#include <QCoreApplication>

GroupTelegramLog::GroupTelegramLog(const GroupAddressBook &book, int capacity, QObject *parent)
    : QAbstractTableModel(parent)
    , book(book)
    , capacity(std::max(1, capacity))
{
    batchTimer.setSingleShot(true);
    batchTimer.setInterval(BatchMs);
    connect(&batchTimer, &QTimer::timeout, this, &GroupTelegramLog::showTaken);
}

void GroupTelegramLog::append(const GroupTelegram &telegram, const QDateTime &time)
{
    ++taken;
    if (waiting.size() == std::size_t(capacity)) // paused for long: the oldest go
        waiting.erase(waiting.begin());
    waiting.push_back({time, telegram});
    if (!paused && !batchTimer.isActive())
        batchTimer.start();
}

void GroupTelegramLog::showTaken()
{
    if (paused || waiting.empty())
        return;
    const int size = int(ring.size());
    const int incoming = int(waiting.size());
    const int dropped = std::max(0, size + incoming - capacity);
    if (dropped > 0) {
        beginRemoveRows(QModelIndex(), 0, std::min(dropped, size) - 1);
        endRemoveRows();
    }
    // The ring's places of the rows removed take the incoming entries.
    const int shown = int(ring.size()) - std::min(dropped, size);
    beginInsertRows(QModelIndex(), shown, shown + incoming - 1);
    for (Entry &entry : waiting) {
        if (int(ring.size()) < capacity) {
            ring.push_back(std::move(entry));
        } else {
            ring[first] = std::move(entry);
            first = (first + 1) % ring.size();
        }
    }
    endInsertRows();
    waiting.clear();
}

void GroupTelegramLog::setPaused(bool pause)
{
    paused = pause;
    if (!paused)
        showTaken();
}

void GroupTelegramLog::clear()
{
    beginResetModel();
    ring.clear();
    waiting.clear();
    first = 0;
    endResetModel();
}

void GroupTelegramLog::refreshNames()
{
    if (!ring.empty())
        emit dataChanged(index(0, Name), index(int(ring.size()) - 1, Value));
}

const GroupTelegramLog::Entry &GroupTelegramLog::entry(int row) const
{
    return ring[(first + std::size_t(row)) % ring.size()];
}

QList<QStringList> GroupTelegramLog::texts() const
{
    QList<QStringList> rows;
    QStringList titles;
    for (int column = 0; column < ColumnCount; ++column)
        titles << headerData(column, Qt::Horizontal).toString();
    rows << titles;
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << text(entry(row), column);
        rows << cells;
    }
    return rows;
}

int GroupTelegramLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ring.size());
}

int GroupTelegramLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupTelegramLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(entry(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == Data)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

QVariant GroupTelegramLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("MainWindow", "Time"),          QT_TRANSLATE_NOOP("MainWindow", "Source"),
        QT_TRANSLATE_NOOP("MainWindow", "Group address"), QT_TRANSLATE_NOOP("MainWindow", "Name"),
        QT_TRANSLATE_NOOP("MainWindow", "Service"),       QT_TRANSLATE_NOOP("MainWindow", "Data"),
        QT_TRANSLATE_NOOP("MainWindow", "Value")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("MainWindow", titles[section]);
}

QString GroupTelegramLog::text(const Entry &entry, int column) const
{
    const GroupTelegram &telegram = entry.telegram;
    switch (column) {
    case Time:
        return entry.time.toString(QStringLiteral("HH:mm:ss.zzz"));
    case Source:
        return individualAddressText(telegram.source);
    case Destination:
        return groupAddressText(telegram.destination);
    case Name:
        return groupAddressName(telegram.destination, book);
    case Service:
        return groupServiceText(telegram.service);
    case Data:
        return groupDataHex(telegram);
    case Value:
        return groupValueText(telegram, book);
    }
    return QString();
}
