#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

void MainWindow::on_pushButtonDebug_clicked()
{
    sendModeCommand(E_FUNC_MODE_DEBUGMODE,
                    buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode)));
}

void MainWindow::on_pushButtonWorkMode_clicked()
{
    sendModeCommand(E_FUNC_MODE_WORKMODE,
                    buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(WorkingMode)));
}

// A box with no item selected (from an imported file) sends nothing, nor does
// a raw TCP port, whose settings the device server fixes.
void MainWindow::on_pushButtonConfigSerial_clicked()
{
    if (refuseFixedLineSettings())
        return;
    const int baudIndex = ui->comboBoxBaudRate_set->currentIndex();
    const int stopBitIndex = ui->comboBoxStopBit_set->currentIndex();
    const int parityIndex = ui->comboBoxParity_set->currentIndex();
    if (baudIndex < 0 || stopBitIndex < 0 || parityIndex < 0) {
        QMessageBox::critical(this, tr("ERROR"),
                              tr("Choose the baud rate, the stop bits and the parity under "
                                 "\"Serial Options\" first."));
        return;
    }
    sendModeCommand(E_FUNC_MODE_SERIAL_SETTING,
                    buildFrame(CMD_SET_SERIAL_PARAMETERS,
                               serialParametersPayload(baudIndex, stopBitIndex, parityIndex)));
}

// The command has no time-out of its own; a silence is only noted.
void MainWindow::sendModeCommand(WorkMode mode, const QByteArray &frame)
{
    sendCommand(mode, CommandAnswerLength, frame);
    noAnswerTimer->start();
}

void MainWindow::reportNoAnswer()
{
    noAnswerLabel->show();
}
