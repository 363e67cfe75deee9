#include "capturefile.h"
#include "gatewaycommands.h"
#include "plaintext.h"
#include "rowchecks.h"
#include "statusnotes.h"
#include "tabledownload.h"
#include "tabletitles.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QTableWidget>

// Downloads a copy of the tables taken now: editing them meanwhile changes
// nothing that is sent. Pressing again starts over. Tables holding a row the
// gateway would take for something else send nothing.
void GatewayCommands::download()
{
    const TelegramTables tables = tablesOf(ui);
    if (const std::optional<TableRowFault> fault = firstRowFault(tables)) {
        showRowFault(*fault);
        return;
    }
    notes.showDownloadEnded(QString());
    auto *task = session().prepare<TableDownload>(tables);
    connect(task, &GatewayTask::progressed, this, [this, task] {
        notes.showProgress(WindowText::tr("Downloading"), task->done(), task->total(),
                           WindowText::tr("%v of %m frames answered"));
    });
    session().run(task);
}

// Shows the row on its page and says which of its fields fails.
void GatewayCommands::showRowFault(const TableRowFault &fault)
{
    QTableWidget *table = telegramPage(ui, fault.table).table;
    ui.tabWidget_General->setCurrentWidget(table->parentWidget());
    table->selectRow(fault.row);
    showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                 WindowText::tr("Nothing was downloaded: row %1 of \"%2\" cannot be sent.\n%3: %4")
                     .arg(fault.row + 1)
                     .arg(tableTitle(fault.table),
                          columnTitles(fault.table).value(fault.fault.column), fault.fault.reason));
}

// Every frame answered, or 3 s without an answer to the one named. A gateway
// in working mode, or at other settings, leaves the table sizes unanswered.
void GatewayCommands::downloadFinished(const TableDownload &download)
{
    notes.hideProgress();
    if (download.succeeded()) {
        QMessageBox::information(
            window, WindowText::tr("Success"),
            WindowText::tr("Download over!Success!Please change to working mode."));
        return;
    }
    QMessageBox box(QMessageBox::Information, WindowText::tr("Download error!"),
                    WindowText::tr("Download %1 error!").arg(unansweredFrame(download)),
                    QMessageBox::Ok, window);
    if (download.workMode() == E_FUNC_MODE_BURN_NUM)
        box.setInformativeText(
            WindowText::tr("A gateway takes a download only in debug mode: press Debug Mode "
                           "first. Check also that it is connected and listens at %1 baud, %2 "
                           "stop bits, parity %3 (Scan finds its settings).")
                .arg(ui.comboBoxBaudRate->currentText(), ui.comboBoxStopBit->currentText(),
                     ui.comboBoxParity->currentText()));
    box.exec();
}

// Said once, where the user looks next: no box after the fact.
void GatewayCommands::downloadEnded(const TableDownload &download, LineSession::EndReason reason)
{
    notes.hideProgress();
    QString why;
    switch (reason) {
    case LineSession::EndReason::Closed:
        why = WindowText::tr("the port was closed");
        break;
    case LineSession::EndReason::Lost:
        why = WindowText::tr("the port was lost");
        break;
    case LineSession::EndReason::NewTask:
    case LineSession::EndReason::Stopped:
        why = WindowText::tr("another command was sent");
        break;
    }
    const QString text =
        WindowText::tr("Download stopped at %1: %2.").arg(unansweredFrame(download), why);
    notes.showDownloadEnded(text);
    capture.note(text);
}

// The frame awaiting its answer, by the row numbers counted from 1.
QString GatewayCommands::unansweredFrame(const TableDownload &download) const
{
    const BurnFlag &burnflag = download.progress();
    switch (download.workMode()) {
    case E_FUNC_MODE_BURN_NUM:
        return WindowText::tr("telegram number");
    case E_FUNC_MODE_BURN_485TOKNX_W:
        return WindowText::tr("telegram 485 to knx(Write) %1").arg(burnflag.current_485_w_num);
    case E_FUNC_MODE_BURN_1BYTETOKNX:
        return WindowText::tr("telegram 1 byte telegram %1").arg(burnflag.current_1byte_num);
    case E_FUNC_MODE_BURN_KNXTO485_W:
        return WindowText::tr("telegram knx to 485(Write) %1").arg(burnflag.current_knx_w_num);
    default:
        return QString();
    }
}
