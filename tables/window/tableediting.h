#pragma once

#include "telegramtables.h"

#include <QObject>

class QSpinBox;
class QWidget;
class StatusNotes;
struct TelegramPage;
namespace Ui {
class MainWindow;
}

// The editing of the telegram pages: Add, Update, Delete and Clear under a
// page's panel, and a clicked row copied into the panel. A record the
// panel's check refuses is not taken; the status bar says which field fails
// and why, and the field is marked until it changes.
class TableEditing : public QObject
{
    Q_OBJECT

public:
    TableEditing(Ui::MainWindow &ui, StatusNotes &notes, QWidget *window);

    void add(TelegramTable table);
    void update(TelegramTable table);
    void remove(TelegramTable table);
    // Asks "Clear all?" first, No the default.
    void clear(TelegramTable table);
    void load(TelegramTable table);

private:
    // The panel's cells when its check takes them; else the refusal is shown.
    std::optional<QStringList> checkedPanel(const TelegramPage &page);
    void showRefusal(const TelegramPage &page, const QStringList &typed);

    Ui::MainWindow &ui;
    StatusNotes &notes;
    QWidget *window;
};

// Empties the three tables without asking.
void clearAllTables(const Ui::MainWindow &ui);

// The value box takes the range of the length; a value outside it is clamped.
void applyValueRange(QSpinBox *valueBox, int lengthIndex);
