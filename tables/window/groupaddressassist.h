#pragma once

#include "groupaddressbook.h"
#include "telegramtables.h"

#include <QMap>
#include <QObject>

namespace Ui {
class MainWindow;
}

// The building's group addresses in the window: the address book, completion
// in the address fields of the three editors, a hint on every table row (a
// tooltip on the Addr. cell, a mark when the address is not in the book or
// its length disagrees with the datapoint type), and value boxes that take
// the value in the terms of the address's datapoint type, with the number
// sent shown beside. The hints follow every change of a table's rows,
// whatever made it; they change no text.
class GroupAddressAssist : public QObject
{
    Q_OBJECT

public:
    GroupAddressAssist(Ui::MainWindow &ui, QObject *parent);

    const GroupAddressBook &book() const { return groupAddressBook; }
    void showGroupAddressBook(const GroupAddressBook &book);

signals:
    void bookChanged();

private:
    void markRows(TelegramTable table, int first, int last);
    // The value box of the page follows the datapoint type of its address.
    void followDatapointType(TelegramTable table);
    // Fills the address; an empty name and a length box that is not fixed follow it.
    void takeGroupAddress(TelegramTable table, const QString &address);

    Ui::MainWindow &ui;
    GroupAddressBook groupAddressBook;        // imported from an ETS export
    QMap<TelegramTable, QString> chosenNames; // the name each panel's last choice filled in
};
