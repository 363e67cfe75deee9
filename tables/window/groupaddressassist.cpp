#include "groupaddressassist.h"
#include "addresscompleter.h"
#include "addressmarks.h"
#include "datapointgateway.h"
#include "datapointspinbox.h"
#include "datapointtypes.h"
#include "plaintext.h"
#include "recordchecks.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QComboBox>
#include <QLabel>
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
        auto *address = panelWidget<QLineEdit>(page, addressColumn(table));
        auto *completer = new AddressCompleter(address, groupAddressBook);
        if (panelWidget<DatapointSpinBox>(page, valueColumn(table))) {
            connect(address, &QLineEdit::textChanged, this,
                    [this, table] { followDatapointType(table); });
            connect(panelWidget<DatapointSpinBox>(page, valueColumn(table)),
                    &QSpinBox::valueChanged, this, [this, table] { followDatapointType(table); });
        }
        connect(completer, &AddressCompleter::chosen, this,
                [this, table](const QString &address) { takeGroupAddress(table, address); });
    }
}

void GroupAddressAssist::showGroupAddressBook(const GroupAddressBook &book)
{
    groupAddressBook = book;
    for (const TelegramTable table : telegramTables) {
        markRows(table, 0, telegramPage(ui, table).table->rowCount() - 1);
        followDatapointType(table);
    }
    emit bookChanged();
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

void GroupAddressAssist::followDatapointType(TelegramTable table)
{
    const TelegramPage page = telegramPage(ui, table);
    auto *value = panelWidget<DatapointSpinBox>(page, valueColumn(table));
    QLabel *sent = table == TelegramTable::Tele485ToKnxW   ? ui.label_485toknx_w_sent
                   : table == TelegramTable::TeleKnxTo485W ? ui.label_knxto485_w_sent
                                                           : nullptr;
    if (!value || !sent)
        return;
    const std::optional<QString> address =
        normalisedGroupAddress(panelWidget<QLineEdit>(page, addressColumn(table))->text());
    const GroupAddressEntry *entry = address ? groupAddressBook.find(*address) : nullptr;
    std::optional<DatapointType> type =
        entry ? parseDatapointType(entry->datapointType) : std::nullopt;
    if (type && gatewayValueBits(*type) == 0)
        type.reset();
    value->setDatapointType(type);
    sent->setText(WindowText::tr("sends %1").arg(value->value()));
    sent->setVisible(type.has_value());
}

void GroupAddressAssist::takeGroupAddress(TelegramTable table, const QString &address)
{
    const GroupAddressEntry *entry = groupAddressBook.find(address);
    if (!entry)
        return;
    const TelegramPage page = telegramPage(ui, table);
    panelWidget<QLineEdit>(page, addressColumn(table))->setText(address);
    // A name typed is kept; one an earlier choice filled in follows the new one.
    auto *name = panelWidget<QLineEdit>(page, NameColumn);
    if (name->text().isEmpty() || name->text() == chosenNames.value(table)) {
        name->setText(entry->name);
        chosenNames.insert(table, entry->name);
    }
    auto *length = panelWidget<QComboBox>(page, lengthColumn(table));
    const int item = length->findText(lengthOfDatapointType(entry->datapointType));
    if (length->isEnabled() && item >= 0)
        length->setCurrentIndex(item);
}
