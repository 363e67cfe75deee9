#pragma once

#include "groupaddressbook.h"
#include "telegramtables.h"

class QDialog;
class QWidget;

// A dialog that lists the address book, searchable by address or name, with
// the table rows that use each address. It deletes itself when closed.
QDialog *groupAddressView(QWidget *parent, const GroupAddressBook &book,
                          const TelegramTables &tables);
