#pragma once

#include "telegramtables.h"

#include <QList>
#include <QStringList>

#include <optional>

class QTableWidget;
class QWidget;
namespace Ui {
class MainWindow;
}

// A widget of a page's editing panel and the column whose text it shows.
struct PanelField
{
    int column;
    QWidget *widget; // QLineEdit, QComboBox or QSpinBox
};

// What sets one telegram page apart from the others; the editing operations
// are the same for all three.
struct TelegramPage
{
    TelegramTable kind;
    QTableWidget *table;
    int mostRows;
    // The record check of the page's kind, on cell texts.
    std::optional<QStringList> (*checkedCells)(const QStringList &typed);
    // Every column's widget, in the order a clicked row is copied into them
    // (a length box before its value box).
    QList<PanelField> panel;
};

TelegramPage telegramPage(const Ui::MainWindow &ui, TelegramTable table);

// Puts the texts into the row's cells, column 0 first.
void writeRow(QTableWidget *table, int row, const QStringList &cells);

// The cell texts of every row; a cell without an item gives an empty text.
QList<QStringList> tableRows(const QTableWidget *table);

// Makes the table hold exactly these rows.
void showRows(QTableWidget *table, const QList<QStringList> &rows);

// The rows of the window's three tables, and the tables made to hold exactly
// the given rows.
TelegramTables tablesOf(const Ui::MainWindow &ui);
void showTables(const Ui::MainWindow &ui, const TelegramTables &tables);
