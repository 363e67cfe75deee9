#include "tableediting.h"

#include "recordchecks.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

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

} // namespace

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
        QMessageBox::question(window, WindowText::tr("Clear"), WindowText::tr("Clear all?"),
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
void clearAllTables(const Ui::MainWindow &ui)
{
    for (const TelegramTable table : telegramTables)
        telegramPage(ui, table).table->setRowCount(0);
}

void applyValueRange(QSpinBox *valueBox, int lengthIndex)
{
    const ValueRange range = valueRangeOfLength(lengthIndex);
    valueBox->setRange(range.minimum, range.maximum);
}
