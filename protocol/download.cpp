#include "mainwindow.h"
#include "plaintext.h"
#include "rowchecks.h"
#include "tabletitles.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

// Downloads a copy of the tables taken now: editing them meanwhile changes
// nothing that is sent. Pressing again starts over. Tables holding a row the
// gateway would take for something else send nothing.
void MainWindow::on_pushButtonBurnData_clicked()
{
    const TelegramTables tables = tablesOf(*ui);
    if (const std::optional<TableRowFault> fault = firstRowFault(tables)) {
        showRowFault(*fault);
        return;
    }
    burnTables = tables;
    burnflag = BurnFlag::start(burnTables);
    downloadStep();
}

// Shows the row on its page and says which of its fields fails.
void MainWindow::showRowFault(const TableRowFault &fault)
{
    QTableWidget *table = telegramPage(*ui, fault.table).table;
    ui->tabWidget_General->setCurrentWidget(table->parentWidget());
    table->selectRow(fault.row);
    showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                 tr("Nothing was downloaded: row %1 of \"%2\" cannot be sent.\n%3: %4")
                     .arg(fault.row + 1)
                     .arg(tableTitle(fault.table),
                          columnTitles(fault.table).value(fault.fault.column), fault.fault.reason));
}

// Sends the next frame, each only after the answer to the one before.
void MainWindow::downloadStep()
{
    const std::optional<DownloadFrame> next = takeNextDownloadFrame(burnflag, burnTables);
    if (!next) {
        hideProgress();
        QMessageBox::information(this, tr("Success"),
                                 tr("Download over!Success!Please change to working mode."));
        return;
    }
    sendCommand(next->mode, next->answerLength, next->frame);
    receiveTimer->start();
    showProgress(tr("Downloading"), burnflag.framesSent() - 1, downloadFrameCount(burnTables),
                 tr("%v of %m frames answered"));
}

// No answer in time: the download is over. An answer that comes later is
// only shown.
void MainWindow::sReceiveTimeout()
{
    QString unanswered;
    switch (m_work_para.mode) {
    case E_FUNC_MODE_BURN_NUM:
        unanswered = tr("telegram number");
        break;
    case E_FUNC_MODE_BURN_485TOKNX_W:
        unanswered = tr("telegram 485 to knx(Write) %1").arg(burnflag.current_485_w_num);
        break;
    case E_FUNC_MODE_BURN_1BYTETOKNX:
        unanswered = tr("telegram 1 byte telegram %1").arg(burnflag.current_1byte_num);
        break;
    case E_FUNC_MODE_BURN_KNXTO485_W:
        unanswered = tr("telegram knx to 485(Write) %1").arg(burnflag.current_knx_w_num);
        break;
    default:
        break;
    }
    m_work_para.expect_len = 0;
    burnflag = BurnFlag();
    hideProgress();
    QMessageBox::information(this, tr("Download error!"), tr("Download %1 error!").arg(unanswered));
}
