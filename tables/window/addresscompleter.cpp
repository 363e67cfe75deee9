#include "addresscompleter.h"

#include "addresssearch.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

namespace {
constexpr int MostListed = 50;
constexpr int AddressRole = Qt::UserRole;
} // namespace

AddressCompleter::AddressCompleter(QLineEdit *field, const GroupAddressBook &book)
    : QObject(field)
    , book(book)
    , completer(new QCompleter(this))
    , matches(new QStandardItemModel(this))
{
    completer->setModel(matches);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setWidget(field);
    connect(field, &QLineEdit::textEdited, this, &AddressCompleter::offer);
    connect(completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) { emit chosen(index.data(AddressRole).toString()); });
}

void AddressCompleter::offer(const QString &typed)
{
    matches->clear();
    for (const GroupAddressEntry &entry : book.entries()) {
        if (typed.trimmed().isEmpty() || matches->rowCount() == MostListed)
            break;
        if (matchesSearch(entry, typed)) {
            auto *item = new QStandardItem(completionText(entry));
            item->setData(entry.address, AddressRole);
            matches->appendRow(item);
        }
    }
    QAbstractItemView *popup = completer->popup();
    if (matches->rowCount() == 0) {
        popup->hide();
        return;
    }
    // As wide as the entries, however narrow the field.
    QRect below = completer->widget()->rect();
    below.setWidth(std::max(below.width(), popup->sizeHintForColumn(0) +
                                               popup->verticalScrollBar()->sizeHint().width()));
    completer->complete(below);
}
