#pragma once

#include <QObject>

class GroupAddressBook;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

// Lists under an address field the entries of the address book that match
// what is typed (part of an address or of a name) and tells which one the
// user chose.
class AddressCompleter : public QObject
{
    Q_OBJECT

public:
    AddressCompleter(QLineEdit *field, const GroupAddressBook &book);

signals:
    void chosen(const QString &address);

private:
    void offer(const QString &typed);

    const GroupAddressBook &book;
    QCompleter *completer;
    QStandardItemModel *matches;
};
