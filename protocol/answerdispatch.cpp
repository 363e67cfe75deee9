#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QTimer>

// Acts on a block of exactly the awaited length according to the command
// that is outstanding. Later blocks are only shown until the next command.
void MainWindow::checkReceiveData(const QByteArray &data)
{
    m_work_para.expect_len = 0;
    if (!isAnswerFrame(data))
        return;
    noAnswerTimer->stop();

    switch (m_work_para.mode) {
    case E_FUNC_MODE_SCAN:
        adoptScanAnswer(scanAnswerSettings(data));
        break;
    case E_FUNC_MODE_DEBUGMODE:
        QMessageBox::information(this, tr("Success"), tr("Setting debug mode successfully."));
        break;
    case E_FUNC_MODE_WORKMODE:
        QMessageBox::information(this, tr("Success"), tr("Setting work mode successfully."));
        break;
    case E_FUNC_MODE_SERIAL_SETTING:
        followSerialSetting();
        break;
    case E_FUNC_MODE_BURN_NUM:
    case E_FUNC_MODE_BURN_485TOKNX_W:
    case E_FUNC_MODE_BURN_1BYTETOKNX:
    case E_FUNC_MODE_BURN_KNXTO485_W:
        receiveTimer->stop();
        downloadStep();
        break;
    default:
        break;
    }
}

// The gateway now talks with the parameters it was given.
void MainWindow::followSerialSetting()
{
    ui->comboBoxBaudRate->setCurrentIndex(ui->comboBoxBaudRate_set->currentIndex());
    ui->comboBoxStopBit->setCurrentIndex(ui->comboBoxStopBit_set->currentIndex());
    ui->comboBoxParity->setCurrentIndex(ui->comboBoxParity_set->currentIndex());
    applyComSettings();
    QMessageBox::information(this, tr("Success"), tr("Setting serial port successfully."));
}
