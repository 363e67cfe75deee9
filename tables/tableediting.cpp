#include "mainwindow.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>

namespace {
// A panel widget's content in cell form.
QString cellTextOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *box = qobject_cast<const QComboBox *>(widget))
        return box->currentText();
    if (const auto *spinBox = qobject_cast<const QSpinBox *>(widget))
        return QString::number(spinBox->value());
    return QString();
}

// A combo box selects the item of exactly the text, or none; a spin box takes
// the decimal number (0 for an empty or non-numeric text), clamped to its range.
void showCellText(QWidget *widget, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        box->setCurrentIndex(box->findText(text));
    else if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
        spinBox->setValue(text.toInt());
}

// The page's record check on its panel.
std::optional<QStringList> checkedPanel(const TelegramPage &page)
{
    QStringList typed(page.panel.size());
    for (const PanelField &field : page.panel)
        typed[field.column] = cellTextOf(field.widget);
    return page.checkedCells(typed);
}

void addRow(const TelegramPage &page)
{
    QTableWidget *table = page.table;
    if (table->rowCount() >= page.mostRows)
        return;
    const std::optional<QStringList> cells = checkedPanel(page);
    if (!cells)
        return;
    const int row = table->rowCount();
    table->insertRow(row);
    writeRow(table, row, *cells);
    table->setCurrentCell(row, 0);
}

void updateRow(const TelegramPage &page)
{
    if (page.table->rowCount() == 0)
        return;
    const std::optional<QStringList> cells = checkedPanel(page);
    if (!cells)
        return;
    const int row = page.table->currentRow();
    if (row < 0)
        return;
    writeRow(page.table, row, *cells);
}

void deleteRow(const TelegramPage &page)
{
    const int row = page.table->currentRow();
    if (page.table->rowCount() > 0 && row >= 0)
        page.table->removeRow(row);
}

void clearRows(const TelegramPage &page, QWidget *window)
{
    if (page.table->rowCount() == 0)
        return;
    const auto answer =
        QMessageBox::question(window, MainWindow::tr("Clear"), MainWindow::tr("Clear all?"),
                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        page.table->setRowCount(0);
}

void loadRow(const TelegramPage &page)
{
    const int row = page.table->currentRow();
    if (page.table->rowCount() == 0 || row < 0)
        return;
    for (const PanelField &field : page.panel) {
        const QTableWidgetItem *item = page.table->item(row, field.column);
        showCellText(field.widget, item ? item->text() : QString());
    }
}
} // namespace

void MainWindow::on_pushButton_1byte_add_clicked()
{
    addRow(telegramPage(*ui, TelegramTable::Tele1Byte));
}

void MainWindow::on_pushButton_1byte_delete_clicked()
{
    deleteRow(telegramPage(*ui, TelegramTable::Tele1Byte));
}

void MainWindow::on_pushButton_1byte_update_clicked()
{
    updateRow(telegramPage(*ui, TelegramTable::Tele1Byte));
}

void MainWindow::on_pushButton_485toknx_w_add_clicked()
{
    addRow(telegramPage(*ui, TelegramTable::Tele485ToKnxW));
}

void MainWindow::on_pushButton_485toknx_w_delete_clicked()
{
    deleteRow(telegramPage(*ui, TelegramTable::Tele485ToKnxW));
}

void MainWindow::on_pushButton_485toknx_w_update_clicked()
{
    updateRow(telegramPage(*ui, TelegramTable::Tele485ToKnxW));
}

void MainWindow::on_pushButton_knxto485_w_add_clicked()
{
    addRow(telegramPage(*ui, TelegramTable::TeleKnxTo485W));
}

void MainWindow::on_pushButton_knxto485_w_delete_clicked()
{
    deleteRow(telegramPage(*ui, TelegramTable::TeleKnxTo485W));
}

void MainWindow::on_pushButton_knxto485_w_update_clicked()
{
    updateRow(telegramPage(*ui, TelegramTable::TeleKnxTo485W));
}

void MainWindow::on_tableWidget_485toknx_w_clicked(const QModelIndex &)
{
    loadRow(telegramPage(*ui, TelegramTable::Tele485ToKnxW));
}

void MainWindow::on_tableWidget_1byte_clicked(const QModelIndex &)
{
    loadRow(telegramPage(*ui, TelegramTable::Tele1Byte));
}

void MainWindow::on_tableWidget_knxto485_w_clicked(const QModelIndex &)
{
    loadRow(telegramPage(*ui, TelegramTable::TeleKnxTo485W));
}

void MainWindow::on_pushButton_485toknx_w_clear_clicked()
{
    clearRows(telegramPage(*ui, TelegramTable::Tele485ToKnxW), this);
}

void MainWindow::on_pushButton_1byte_clear_clicked()
{
    clearRows(telegramPage(*ui, TelegramTable::Tele1Byte), this);
}

void MainWindow::on_pushButton_knxto485_w_clear_clicked()
{
    clearRows(telegramPage(*ui, TelegramTable::TeleKnxTo485W), this);
}

// Empties the three tables without asking.
void MainWindow::clearAllTables()
{
    for (const TelegramTable table : telegramTables)
        telegramPage(*ui, table).table->setRowCount(0);
}
