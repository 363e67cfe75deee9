#pragma once

class GroupAddressBook;
class QObject;
namespace Ui {
class MainWindow;
}

// The editors' input rules on their telegram, acknowledgement and address
// fields; while the book holds entries, an address field also takes a text
// with a letter, which searches the book. The book must outlive the fields.
void installInputValidators(Ui::MainWindow &ui, const GroupAddressBook &book, QObject *owner);
