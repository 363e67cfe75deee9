#pragma once

#include <QObject>

class GroupAddressBook;
class QLineEdit;
class QListWidget;

// Lists under an address field the entries of the address book that match
// what is typed (part of an address or of a name) and tells which one the
// user chose, with the keys (Down, Up, Return, Escape) or a click. The list
// never covers the field and takes no focus: a click beside it closes it and
// reaches what it was meant for, and the keys that follow go where the focus is.
class AddressCompleter : public QObject
{
    Q_OBJECT

public:
    static constexpr int MostListed = 50;

    AddressCompleter(QLineEdit *field, const GroupAddressBook &book);

    QListWidget *list() const { return entries; }

signals:
    void chosen(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void offer(const QString &typed);
    bool takeKey(int key);
    void choose(int row);
    void place();
    void hide();

    QLineEdit *field;
    const GroupAddressBook &book;
    QListWidget *entries;
};
