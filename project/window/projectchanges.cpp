#include "projectchanges.h"

#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QTableWidget>

ProjectChanges::ProjectChanges(Ui::MainWindow &ui, std::function<Project()> shown, QObject *parent)
    : QObject(parent)
    , shown(std::move(shown))
{
    compareTimer.setSingleShot(true);
    compareTimer.setInterval(0);
    connect(&compareTimer, &QTimer::timeout, this, &ProjectChanges::compare);
    for (const TelegramTable table : telegramTables) {
        const QAbstractItemModel *model = telegramPage(ui, table).table->model();
        for (const auto signal :
             {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, signal, this, &ProjectChanges::noteChange);
        connect(model, &QAbstractItemModel::dataChanged, this, &ProjectChanges::noteChange);
        connect(model, &QAbstractItemModel::modelReset, this, &ProjectChanges::noteChange);
    }
    for (const QComboBox *box :
         {ui.comboBoxBaudRate_set, ui.comboBoxStopBit_set, ui.comboBoxParity_set})
        connect(box, &QComboBox::currentIndexChanged, this, &ProjectChanges::noteChange);
}

void ProjectChanges::markSaved()
{
    compareTimer.stop();
    saved = shown();
    if (modified) {
        modified = false;
        emit modifiedChanged(false);
    }
}

void ProjectChanges::compare()
{
    const bool differs = shown() != saved;
    if (differs == modified)
        return;
    modified = differs;
    emit modifiedChanged(modified);
}
