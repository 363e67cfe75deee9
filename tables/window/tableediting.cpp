#include "tableediting.h"

#include "recordchecks.h"
#include "rowchecks.h"
#include "statusnotes.h"
#include "tabletitles.h"
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

// The panel's texts in cell order.
QStringList typedCells(const TelegramPage &page)
{
    QStringList typed(page.panel.size());
    for (const PanelField &field : page.panel)
        typed[field.column] = cellTextOf(field.widget);
    return typed;
}

// A field's background tells that its content was refused, until it changes.
void markRefused(QWidget *field)
{
    field->setStyleSheet(QStringLiteral("background-color: #ffd6d6;"));
    const auto unmark = [field] { field->setStyleSheet(QString()); };
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        QObject::connect(edit, &QLineEdit::textChanged, field, unmark, Qt::SingleShotConnection);
    else if (auto *box = qobject_cast<QComboBox *>(field))
        QObject::connect(box, &QComboBox::currentIndexChanged, field, unmark,
                         Qt::SingleShotConnection);
    else if (auto *spinBox = qobject_cast<QSpinBox *>(field))
        QObject::connect(spinBox, &QSpinBox::valueChanged, field, unmark, Qt::SingleShotConnection);
}
} // namespace

TableEditing::TableEditing(Ui::MainWindow &ui, StatusNotes &notes, QWidget *window)
    : QObject(window)
    , ui(ui)
    , notes(notes)
    , window(window)
{}

std::optional<QStringList> TableEditing::checkedPanel(const TelegramPage &page)
{
    const QStringList typed = typedCells(page);
    const std::optional<QStringList> cells = page.checkedCells(typed);
    if (cells)
        notes.showInputFault(QString());
    else
        showRefusal(page, typed);
    return cells;
}

// The editors' checks, cell by cell in column order, name the field.
void TableEditing::showRefusal(const TelegramPage &page, const QStringList &typed)
{
    const RowCheck check = checkRow(page.kind, typed);
    if (!check.fault) {
        notes.showInputFault(WindowText::tr("The record was not taken."));
        return;
    }
    const int column = check.fault->column;
    notes.showInputFault(WindowText::tr("Not taken: %1: %2")
                             .arg(columnTitles(page.kind).value(column), check.fault->reason));
    for (const PanelField &field : page.panel)
        if (field.column == column)
            markRefused(field.widget);
}

void TableEditing::add(TelegramTable kind)
{
    const TelegramPage page = telegramPage(ui, kind);
    QTableWidget *table = page.table;
    if (table->rowCount() >= page.mostRows) {
        notes.showInputFault(
            WindowText::tr("Not taken: the table holds %1 rows, the most a gateway takes.")
                .arg(page.mostRows));
        return;
    }
    const std::optional<QStringList> cells = checkedPanel(page);
    if (!cells)
        return;
    const int row = table->rowCount();
    table->insertRow(row);
    writeRow(table, row, *cells);
    table->setCurrentCell(row, 0);
}

void TableEditing::update(TelegramTable kind)
{
    const TelegramPage page = telegramPage(ui, kind);
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

void TableEditing::remove(TelegramTable kind)
{
    const TelegramPage page = telegramPage(ui, kind);
    const int row = page.table->currentRow();
    if (page.table->rowCount() > 0 && row >= 0)
        page.table->removeRow(row);
}

void TableEditing::clear(TelegramTable kind)
{
    const TelegramPage page = telegramPage(ui, kind);
    if (page.table->rowCount() == 0)
        return;
    const auto answer =
        QMessageBox::question(window, WindowText::tr("Clear"), WindowText::tr("Clear all?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        page.table->setRowCount(0);
}

void TableEditing::load(TelegramTable kind)
{
    const TelegramPage page = telegramPage(ui, kind);
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
