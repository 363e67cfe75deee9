#include "groupaddressassist.h"
#include "addresscompleter.h"
#include "addressmarks.h"
#include "datapointtypes.h"
#include "plaintext.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>

namespace {
constexpr int NameColumn = 0;

template <typename Widget> Widget *panelWidget(const TelegramPage &page, int column)
{
    for (const PanelField &field : page.panel)
        if (field.column == column)
            return qobject_cast<Widget *>(field.widget);
    return nullptr;
}
} // namespace

GroupAddressAssist::GroupAddressAssist(Ui::MainWindow &ui, QObject *parent)
    : QObject(parent)
    , ui(ui)
{
    for (const TelegramTable table : telegramTables) {
        const TelegramPage page = telegramPage(ui, table);
        const QAbstractItemModel *model = page.table->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this, table](const QModelIndex &, int first, int last) {
                    markRows(table, first, last);
                });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this, table](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                              const QList<int> &roles) {
                    if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                        markRows(table, topLeft.row(), bottomRight.row());
                });
        auto *completer = new AddressCompleter(panelWidget<QLineEdit>(page, addressColumn(table)),
                                               groupAddressBook);
        connect(completer, &AddressCompleter::chosen, this,
                [this, table](const QString &address) { takeGroupAddress(table, address); });
    }
}

void GroupAddressAssist::showGroupAddressBook(const GroupAddressBook &book)
{
    groupAddressBook = book;
    for (const TelegramTable table : telegramTables)
        markRows(table, 0, telegramPage(ui, table).table->rowCount() - 1);
}

// The Addr. cell carries the hint: a tooltip, and an icon when marked.
void GroupAddressAssist::markRows(TelegramTable table, int first, int last)
{
    const QTableWidget *rows = telegramPage(ui, table).table;
    for (int row = first; row <= last; ++row) {
        QTableWidgetItem *address = rows->item(row, addressColumn(table));
        if (!address)
            continue;
        const QTableWidgetItem *length = rows->item(row, lengthColumn(table));
        const AddressHint hint =
            addressHint(groupAddressBook, address->text(), length ? length->text() : QString());
        const QString toolTip = plainToolTip(hint.toolTip);
        if (address->toolTip() != toolTip)
            address->setToolTip(toolTip);
        if (hint.marked == address->icon().isNull())
            address->setIcon(hint.marked ? ui.tabWidget_General->style()->standardIcon(
                                               QStyle::SP_MessageBoxWarning)
                                         : QIcon());
    }
}

void GroupAddressAssist::takeGroupAddress(TelegramTable table, const QString &address)
{
    const GroupAddressEntry *entry = groupAddressBook.find(address);
    if (!entry)
        return;
    const TelegramPage page = telegramPage(ui, table);
    panelWidget<QLineEdit>(page, addressColumn(table))->setText(address);
    auto *name = panelWidget<QLineEdit>(page, NameColumn);
    if (name->text().isEmpty())
        name->setText(entry->name);
    auto *length = panelWidget<QComboBox>(page, lengthColumn(table));
    const int item = length->findText(lengthOfDatapointType(entry->datapointType));
    if (length->isEnabled() && item >= 0)
        length->setCurrentIndex(item);
}
