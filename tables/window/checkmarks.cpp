#include "checkmarks.h"

#include "plaintext.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QStyle>
#include <QTableWidget>

CheckMarks::CheckMarks(Ui::MainWindow &ui, QObject *parent)
    : QObject(parent)
    , ui(ui)
{
    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(0);
    connect(&refreshTimer, &QTimer::timeout, this, &CheckMarks::refresh);
    for (const TelegramTable table : telegramTables) {
        const QAbstractItemModel *model = telegramPage(ui, table).table->model();
        const auto later = [this] { refreshTimer.start(); };
        connect(model, &QAbstractItemModel::rowsInserted, this, later);
        connect(model, &QAbstractItemModel::rowsRemoved, this, later);
        connect(model, &QAbstractItemModel::modelReset, this, later);
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                    if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                        refreshTimer.start();
                });
    }
}

void CheckMarks::setResults(const QList<RowCheckResult> &results)
{
    held = results;
    refresh();
    emit changed();
}

void CheckMarks::add(const RowCheckResult &result)
{
    held << result;
    refresh();
    emit changed();
}

// Keeps the results that still hold and marks the rows anew.
void CheckMarks::refresh()
{
    const QList<RowCheckResult> holding = resultsThatHold(held, tablesOf(ui));
    const bool dropped = holding.size() != held.size();
    held = holding;
    for (const TelegramTable table : telegramTables) {
        for (int row = 0; row < telegramPage(ui, table).table->rowCount(); ++row) {
            const TableRow where{table, row};
            const auto found =
                std::find_if(held.cbegin(), held.cend(),
                             [&](const RowCheckResult &r) { return r.where == where; });
            mark(found == held.cend() ? nullptr : &*found, where);
        }
    }
    if (dropped)
        emit changed();
}

void CheckMarks::mark(const RowCheckResult *result, TableRow where)
{
    QTableWidgetItem *name = telegramPage(ui, where.table).table->item(where.row, 0);
    if (!name)
        return;
    QIcon icon;
    QString toolTip = name->text();
    if (result) {
        toolTip = checkResultText(*result) + (toolTip.isEmpty() ? QString() : "\n" + toolTip);
        if (result->outcome != RowCheckResult::Outcome::Skipped)
            icon = ui.tabWidget_General->style()->standardIcon(
                result->passed() ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton);
    }
    toolTip = plainToolTip(toolTip);
    if (name->toolTip() != toolTip)
        name->setToolTip(toolTip);
    if (icon.isNull() != name->icon().isNull() || result)
        name->setIcon(icon);
}
