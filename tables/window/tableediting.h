#pragma once

class QSpinBox;
class QWidget;
struct TelegramPage;
namespace Ui {
class MainWindow;
}

// The editing of a telegram page: Add, Update, Delete and Clear under its
// panel, and a clicked row copied into the panel. Input the panel's record
// check refuses is refused silently.

void addRow(const TelegramPage &page);
void updateRow(const TelegramPage &page);
void deleteRow(const TelegramPage &page);
// Asks "Clear all?" first.
void clearRows(const TelegramPage &page, QWidget *window);
void loadRow(const TelegramPage &page);
// Empties the three tables without asking.
void clearAllTables(const Ui::MainWindow &ui);
// The value box takes the range of the length; a value outside it is clamped.
void applyValueRange(QSpinBox *valueBox, int lengthIndex);
