#include "groupaddressview.h"

#include "addresssearch.h"
#include "addressuses.h"
#include "mainwindow.h"
#include "plaintext.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int MostTextColumnWidth = 220;

// Every column shows: a long name or description is elided, and whole in
// its tooltip; "Used in" takes the rest.
void fitTextColumns(QTableWidget *list)
{
    list->resizeColumnsToContents();
    QHeaderView *header = list->horizontalHeader();
    for (int column = 0; column < list->columnCount() - 1; ++column)
        header->resizeSection(column, std::min(header->sectionSize(column), MostTextColumnWidth));
    header->setStretchLastSection(true);
    list->setTextElideMode(Qt::ElideRight);
    for (int row = 0; row < list->rowCount(); ++row)
        for (int column = 0; column < list->columnCount(); ++column)
            if (QTableWidgetItem *item = list->item(row, column))
                item->setToolTip(plainToolTip(item->text()));
}

QTableWidget *addressList(QWidget *parent, const GroupAddressBook &book,
                          const TelegramTables &tables)
{
    auto *list = new QTableWidget(int(book.entries().size()), 7, parent);
    list->setObjectName("tableWidgetGroupAddresses");
    list->setHorizontalHeaderLabels({MainWindow::tr("Address"), MainWindow::tr("Name"),
                                     MainWindow::tr("Main group"), MainWindow::tr("Middle group"),
                                     MainWindow::tr("Datapoint type"),
                                     MainWindow::tr("Description"), MainWindow::tr("Used in")});
    const QHash<QString, QString> uses = addressUses(tables);
    for (int row = 0; row < list->rowCount(); ++row) {
        const GroupAddressEntry &entry = book.entries().at(row);
        const QStringList cells = cellsOf(entry) << uses.value(entry.address);
        for (int column = 0; column < cells.size(); ++column)
            list->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->verticalHeader()->hide();
    fitTextColumns(list);
    return list;
}
} // namespace

QDialog *groupAddressView(QWidget *parent, const GroupAddressBook &book,
                          const TelegramTables &tables)
{
    auto *dialog = new QDialog(parent);
    dialog->setObjectName("groupAddressesDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(MainWindow::tr("Group addresses"));
    dialog->resize(900, 500);

    auto *search = new QLineEdit(dialog);
    search->setObjectName("lineEditGroupAddressSearch");
    search->setPlaceholderText(MainWindow::tr("Search by address or name"));
    search->setClearButtonEnabled(true);
    QTableWidget *list = addressList(dialog, book, tables);
    QObject::connect(search, &QLineEdit::textChanged, list,
                     [list, entries = book.entries()](const QString &text) {
                         for (int row = 0; row < entries.size(); ++row)
                             list->setRowHidden(row, !matchesSearch(entries.at(row), text));
                     });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(search);
    layout->addWidget(list);
    layout->addWidget(buttons);
    return dialog;
}
