#pragma once

#include "groupaddressbook.h"
#include "telegramtables.h"

#include <QObject>

namespace Ui {
class MainWindow;
}

// The building's group addresses in the window: the address book, completion
// in the address fields of the three editors, and a hint on every table row
// (a tooltip on the Addr. cell, a mark when the address is not in the book or
// its length disagrees with the datapoint type). The hints follow every
// change of a table's rows, whatever made it; they change no text.
class GroupAddressAssist : public QObject
{
    Q_OBJECT

public:
    GroupAddressAssist(Ui::MainWindow &ui, QObject *parent);

    const GroupAddressBook &book() const { return groupAddressBook; }
    void showGroupAddressBook(const GroupAddressBook &book);

private:
    void markRows(TelegramTable table, int first, int last);
    // Fills the address; an empty name and a length box that is not fixed follow it.
    void takeGroupAddress(TelegramTable table, const QString &address);

    Ui::MainWindow &ui;
    GroupAddressBook groupAddressBook; // imported from an ETS export
};
