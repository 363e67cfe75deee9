#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>

// One KNX group address of the building, as the ETS project names it.
struct GroupAddressEntry
{
    QString address; // main/middle/sub, as a table cell holds it
    QString name;
    QString mainGroup; // the names of its main and middle group
    QString middleGroup;
    QString datapointType; // "DPST-1-1", "DPT-9" or empty
    QString description;

    static const std::array<QString GroupAddressEntry::*, 6> columns;
};

// The group addresses imported from an ETS export, in the order read. Every
// address is one the record checks accept, and is held once.
class GroupAddressBook
{
public:
    GroupAddressBook() = default;
    // Keeps the entries of such addresses, of each address the first.
    explicit GroupAddressBook(const QList<GroupAddressEntry> &entries);

    const QList<GroupAddressEntry> &entries() const { return kept; }
    bool isEmpty() const { return kept.isEmpty(); }
    // The entry of an address in cell form, or null.
    const GroupAddressEntry *find(const QString &address) const;

private:
    QList<GroupAddressEntry> kept;
    QHash<QString, qsizetype> indexOfAddress;
};
