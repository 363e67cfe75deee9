#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_pushButtonDebug_clicked()
{
    sendCommand(E_FUNC_MODE_DEBUGMODE, CommandAnswerLength,
                buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(DebugMode)));
}

void MainWindow::on_pushButtonWorkMode_clicked()
{
    sendCommand(E_FUNC_MODE_WORKMODE, CommandAnswerLength,
                buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(WorkingMode)));
}

void MainWindow::on_pushButtonConfigSerial_clicked()
{
    sendCommand(E_FUNC_MODE_SERIAL_SETTING, CommandAnswerLength,
                buildFrame(CMD_SET_SERIAL_PARAMETERS,
                           serialParametersPayload(ui->comboBoxBaudRate_set->currentIndex(),
                                                   ui->comboBoxStopBit_set->currentIndex(),
                                                   ui->comboBoxParity_set->currentIndex())));
}
