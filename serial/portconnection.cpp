#include "mainwindow.h"
#include "openfailure.h"
#include "portnames.h"
#include "portsettings.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QSerialPort>
#include <QTimer>

void MainWindow::on_pushButtonOpen_clicked()
{
    if (portOpen)
        closePort();
    else
        openPort();
}

void MainWindow::openPort()
{
    const std::optional<QString> name = systemPortName(ui->comboBoxComm->currentText());
    if (!name) {
        showOpenFailure(QString(), QString());
        return;
    }
    delete myCom;
    myCom = new QSerialPort(*name);
    myCom->setReadBufferSize(ReceivedText::DisplayChunk);
    if (!myCom->open(QIODevice::ReadWrite)) {
        const QString reason = myCom->errorString();
        const QString remedy = openFailureRemedy(myCom->error(), *name);
        delete myCom;
        myCom = nullptr;
        showOpenFailure(reason, remedy);
        return;
    }
    applyComSettings();
    connect(myCom, &QSerialPort::readyRead, this, &MainWindow::readMyCom);
    connect(myCom, &QSerialPort::errorOccurred, this, &MainWindow::portErrorOccurred);

    ui->groupBox_operation->setEnabled(true);
    setPortSelectorsEnabled(false);
    setSendButtonsEnabled(true);
    ui->pushButtonOpen->setText(tr("Close"));
    portOpen = true;
    updateStatusBar();
}

void MainWindow::closePort()
{
    myCom->close();
    noAnswerTimer->stop();
    ui->groupBox_operation->setEnabled(false);
    setPortSelectorsEnabled(true);
    setSendButtonsEnabled(false);
    ui->pushButtonOpen->setText(tr("Open"));
    portOpen = false;
    updateStatusBar();
}

// The system's reason and what the user can do about it below the two lines.
void MainWindow::showOpenFailure(const QString &reason, const QString &remedy)
{
    QMessageBox box(QMessageBox::Critical, tr("ERROR"),
                    tr("Cannot open the port\nCheck to see if the serial port is occupied"),
                    QMessageBox::Ok, this);
    box.setInformativeText(remedy.isEmpty() ? reason : reason + "\n\n" + remedy);
    box.exec();
}

void MainWindow::setPortSelectorsEnabled(bool enabled)
{
    ui->comboBoxBaudRate->setEnabled(enabled);
    ui->comboBoxComm->setEnabled(enabled);
    ui->comboBoxStopBit->setEnabled(enabled);
    ui->comboBoxParity->setEnabled(enabled);
}

void MainWindow::setSendButtonsEnabled(bool enabled)
{
    ui->pushButton_1byte_send_n->setEnabled(enabled);
    ui->pushButton_1byte_send_p->setEnabled(enabled);
    ui->pushButton_485toknx_w_send->setEnabled(enabled);
}

// Puts the selected line parameters into effect on the open port, and into the
// status bar. A setting the device cannot take (1.5 stop bits, parity on a
// pseudo-terminal) is left as it was.
void MainWindow::applyComSettings()
{
    if (!myCom)
        return;
    const PortSettings settings = portSettingsFromTexts(
        {ui->comboBoxBaudRate->currentText(), ui->comboBoxDataBit->currentText(),
         ui->comboBoxParity->currentText(), ui->comboBoxStopBit->currentText(),
         ui->comboBoxFlowCtrl->currentText()});
    myCom->setBaudRate(settings.baudRate);
    myCom->setDataBits(settings.dataBits);
    myCom->setParity(settings.parity);
    myCom->setStopBits(settings.stopBits);
    myCom->setFlowControl(settings.flowControl);
    myCom->setDataTerminalReady(ui->checkBoxDTR->isChecked());
    myCom->setRequestToSend(ui->checkBoxRTS->isChecked());

    for (QComboBox *selector : {ui->comboBoxBaudRate, ui->comboBoxComm, ui->comboBoxDataBit,
                                ui->comboBoxStopBit, ui->comboBoxFlowCtrl, ui->comboBoxParity})
        selector->setEnabled(false);
    updateStatusBar();
}

// A vanished device makes the port report errors in a tight loop while it
// stays open: close it once, outside the port's own signal.
void MainWindow::portErrorOccurred(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!portOpen || portLost)
        return;
    portLost = true;
    myCom->disconnect(this);
    QTimer::singleShot(0, this, &MainWindow::closeLostPort);
}

void MainWindow::closeLostPort()
{
    portLost = false;
    if (!portOpen)
        return;
    closePort();
    stopCapture();
    if (scanning) {
        endScan();
        scanMatrix.clear();
    }
    QMessageBox::critical(this, tr("ERROR"),
                          tr("The serial port was lost.\nCheck the cable and the adapter, then "
                             "open the port again."));
}
