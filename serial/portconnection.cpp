#include "createserialline.h"
#include "mainwindow.h"
#include "plaintext.h"
#include "portnames.h"
#include "portsettings.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QTimer>

void MainWindow::on_pushButtonOpen_clicked()
{
    if (portOpen)
        closePort();
    else
        openPort();
}

// A local device opens within the click; a network port connects on the
// event loop, shown meanwhile.
void MainWindow::openPort()
{
    const QString entry = ui->comboBoxComm->currentText();
    const std::optional<QString> name =
        lineKindOf(entry) == LineKind::Local ? systemPortName(entry) : entry;
    if (!name) {
        showOpenFailure(QString(), QString());
        return;
    }
    delete myCom;
    myCom = createSerialLine(*name).release();
    myCom->setParent(this);
    myCom->setReadBufferSize(ReceivedText::DisplayChunk);
    connect(myCom, &SerialLine::opened, this, &MainWindow::portOpened);
    connect(myCom, &SerialLine::openFailed, this, &MainWindow::portOpenFailed);
    connect(myCom, &SerialLine::lost, this, &MainWindow::closeLostPort);
    myCom->openLine();
    if (myCom && myCom->isOpening()) {
        ui->pushButtonOpen->setEnabled(false);
        setPortSelectorsEnabled(false);
        showProgress(tr("Connecting to %1…").arg(entry), 0, 0, QString());
    }
}

void MainWindow::portOpened()
{
    hideProgress();
    ui->pushButtonOpen->setEnabled(true);
    applyComSettings();
    connect(myCom, &SerialLine::readyRead, this, &MainWindow::readMyCom);

    ui->groupBox_operation->setEnabled(true);
    setPortSelectorsEnabled(false);
    setSendButtonsEnabled(true);
    ui->pushButtonOpen->setText(tr("Close"));
    portOpen = true;
    updateStatusBar();
}

void MainWindow::portOpenFailed(const QString &reason, const QString &remedy)
{
    myCom->deleteLater();
    myCom = nullptr;
    hideProgress();
    ui->pushButtonOpen->setEnabled(true);
    setPortSelectorsEnabled(true);
    showOpenFailure(reason, remedy);
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

// The system's or the network's reason and what the user can do about it
// below the two lines.
void MainWindow::showOpenFailure(const QString &reason, const QString &remedy)
{
    showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                 tr("Cannot open the port\nCheck to see if the serial port is occupied"),
                 remedy.isEmpty() ? reason : reason + "\n\n" + remedy);
}

void MainWindow::setPortSelectorsEnabled(bool enabled)
{
    ui->comboBoxBaudRate->setEnabled(enabled);
    ui->comboBoxComm->setEnabled(enabled);
    ui->comboBoxStopBit->setEnabled(enabled);
    ui->comboBoxParity->setEnabled(enabled);
    ui->actionNetworkPort->setEnabled(enabled);
}

void MainWindow::setSendButtonsEnabled(bool enabled)
{
    ui->pushButton_1byte_send_n->setEnabled(enabled);
    ui->pushButton_1byte_send_p->setEnabled(enabled);
    ui->pushButton_485toknx_w_send->setEnabled(enabled);
}

// Puts the selected line parameters into effect on the open port, and into the
// status bar. A setting the device cannot take (1.5 stop bits, parity on a
// pseudo-terminal) is left as it was. A network port may take them a little
// later (SerialLine::isApplyingSettings()).
void MainWindow::applyComSettings()
{
    if (!myCom)
        return;
    PortSettings settings = portSettingsFromTexts(
        {ui->comboBoxBaudRate->currentText(), ui->comboBoxDataBit->currentText(),
         ui->comboBoxParity->currentText(), ui->comboBoxStopBit->currentText(),
         ui->comboBoxFlowCtrl->currentText()});
    settings.dataTerminalReady = ui->checkBoxDTR->isChecked();
    settings.requestToSend = ui->checkBoxRTS->isChecked();
    myCom->applySettings(settings);

    for (QComboBox *selector : {ui->comboBoxBaudRate, ui->comboBoxComm, ui->comboBoxDataBit,
                                ui->comboBoxStopBit, ui->comboBoxFlowCtrl, ui->comboBoxParity})
        selector->setEnabled(false);
    updateStatusBar();
}

// Over raw TCP the device server fixes the line settings: the commands that
// change them say so and send nothing.
bool MainWindow::refuseFixedLineSettings()
{
    if (!myCom || myCom->carriesSettings())
        return false;
    showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                 tr("%1 is a raw TCP port: the device server fixes its line settings, "
                    "and they cannot be changed from here. Scan and Serial configure "
                    "need a local port or an RFC 2217 port (rfc2217://HOST:PORT).")
                     .arg(myCom->portName()));
    return true;
}

// The line has closed itself, once.
void MainWindow::closeLostPort(const QString &reason)
{
    if (!portOpen)
        return;
    closePort();
    stopCapture();
    if (scanning) {
        endScan();
        scanMatrix.clear();
    }
    showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                 tr("The serial port was lost.\nCheck the cable and the adapter, then "
                    "open the port again."),
                 reason);
}
