#include "telegrampages.h"

#include "plaintext.h"
#include "recordchecks.h"
#include "ui_mainwindow.h"

#include <QTableWidget>

TelegramPage telegramPage(const Ui::MainWindow &ui, TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return {table,
                ui.tableWidget_485toknx_w,
                Tele485ToKnxW::mostRows,
                &checkedCells<Tele485ToKnxW>,
                {{0, ui.lineEdit_485toknx_w_name},
                 {1, ui.lineEdit_485toknx_w_telegram},
                 {2, ui.lineEdit_485toknx_w_ack},
                 {4, ui.lineEdit_485toknx_w_addr},
                 {5, ui.comboBox_485toknx_w_length},
                 {6, ui.spinBox_485toknx_w_value},
                 {3, ui.comboBox_485toknx_w_type}}};
    case TelegramTable::Tele1Byte:
        return {table,
                ui.tableWidget_1byte,
                Tele1Byte::mostRows,
                &checkedCells<Tele1Byte>,
                {{0, ui.lineEdit_1byte_name},
                 {1, ui.lineEdit_1byte_telegram1},
                 {3, ui.lineEdit_1byte_telegram2},
                 {2, ui.lineEdit_1byte_ack1},
                 {4, ui.lineEdit_1byte_ack2},
                 {5, ui.lineEdit_1byte_addr},
                 {6, ui.comboBox_1byte_length},
                 {7, ui.spinBox_1byte_min},
                 {8, ui.spinBox_1byte_max},
                 {9, ui.spinBox_1byte_interval}}};
    case TelegramTable::TeleKnxTo485W:
        return {table,
                ui.tableWidget_knxto485_w,
                TeleKnxTo485W::mostRows,
                &checkedCells<TeleKnxTo485W>,
                {{0, ui.lineEdit_knxto485_w_name},
                 {6, ui.lineEdit_knxto485_w_telegram},
                 {3, ui.lineEdit_knxto485_w_addr},
                 {4, ui.comboBox_knxto485_w_length},
                 {5, ui.spinBox_knxto485_w_value},
                 {1, ui.comboBox_knxto485_w_type},
                 {2, ui.comboBox_knxto485_w_baudrate}}};
    }
    Q_UNREACHABLE();
}

// The name, which a narrow column elides, shows whole in its tooltip.
void writeRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        QTableWidgetItem *item = table->item(row, column);
        const bool added = !item;
        if (added)
            item = new QTableWidgetItem;
        item->setText(cells.at(column));
        if (column == 0)
            item->setToolTip(plainToolTip(cells.at(column)));
        if (added)
            table->setItem(row, column, item);
    }
}

QList<QStringList> tableRows(const QTableWidget *table)
{
    QList<QStringList> rows;
    rows.reserve(table->rowCount());
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            cells << (item ? item->text() : QString());
        }
        rows << cells;
    }
    return rows;
}

void showRows(QTableWidget *table, const QList<QStringList> &rows)
{
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row)
        writeRow(table, row, rows.at(row));
}

TelegramTables tablesOf(const Ui::MainWindow &ui)
{
    TelegramTables tables;
    for (const TelegramTable table : telegramTables)
        tables.setCells(table, tableRows(telegramPage(ui, table).table));
    return tables;
}

void showTables(const Ui::MainWindow &ui, const TelegramTables &tables)
{
    for (const TelegramTable table : telegramTables)
        showRows(telegramPage(ui, table).table, tables.cells(table));
}
