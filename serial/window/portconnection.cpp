#include "portconnection.h"

#include "plaintext.h"
#include "portnames.h"
#include "portsettings.h"
#include "receivedtext.h"
#include "statusnotes.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

PortConnection::PortConnection(Ui::MainWindow &ui, StatusNotes *notes, QWidget *window)
    : QObject(window)
    , ui(ui)
    , notes(notes)
    , window(window)
    , lineSession(windowLimits(), ReceivedText::DisplayChunk)
{
    connect(&lineSession, &LineSession::opened, this, &PortConnection::portOpened);
    connect(&lineSession, &LineSession::openFailed, this, &PortConnection::portOpenFailed);
    connect(&lineSession, &LineSession::lost, this, &PortConnection::closeLostPort);
    ui.groupBox_operation->setEnabled(false);
    setSendButtonsEnabled(false);
}

void PortConnection::openOrClose()
{
    if (portOpen)
        closePort();
    else
        openPort();
}

// A local device opens within the click; a network port connects on the
// event loop, shown meanwhile.
void PortConnection::openPort()
{
    const QString entry = ui.comboBoxComm->currentText();
    const std::optional<QString> name =
        lineKindOf(entry) == LineKind::Local ? systemPortName(entry) : entry;
    if (!name) {
        showOpenFailure(QString(), QString());
        return;
    }
    lineSession.open(*name);
    if (lineSession.isOpening()) {
        ui.pushButtonOpen->setEnabled(false);
        setPortSelectorsEnabled(false);
        notes->showProgress(WindowText::tr("Connecting to %1…").arg(entry), 0, 0, QString());
    }
}

void PortConnection::portOpened()
{
    notes->hideProgress();
    ui.pushButtonOpen->setEnabled(true);
    applyComSettings();
    ui.groupBox_operation->setEnabled(true);
    setPortSelectorsEnabled(false);
    setSendButtonsEnabled(true);
    ui.pushButtonOpen->setText(WindowText::tr("Close"));
    portOpen = true;
    emit stateChanged();
}

void PortConnection::portOpenFailed(const QString &reason, const QString &remedy)
{
    notes->hideProgress();
    ui.pushButtonOpen->setEnabled(true);
    setPortSelectorsEnabled(true);
    showOpenFailure(reason, remedy);
}

void PortConnection::closePort()
{
    lineSession.close();
    ui.groupBox_operation->setEnabled(false);
    setPortSelectorsEnabled(true);
    setSendButtonsEnabled(false);
    ui.pushButtonOpen->setText(WindowText::tr("Open"));
    portOpen = false;
    emit stateChanged();
}

// The system's or the network's reason and what the user can do about it
// below the two lines.
void PortConnection::showOpenFailure(const QString &reason, const QString &remedy)
{
    showPlainBox(
        window, QMessageBox::Critical, WindowText::tr("ERROR"),
        WindowText::tr("Cannot open the port\nCheck to see if the serial port is occupied"),
        remedy.isEmpty() ? reason : reason + "\n\n" + remedy);
}

void PortConnection::setPortSelectorsEnabled(bool enabled)
{
    ui.comboBoxBaudRate->setEnabled(enabled);
    ui.comboBoxComm->setEnabled(enabled);
    ui.comboBoxStopBit->setEnabled(enabled);
    ui.comboBoxParity->setEnabled(enabled);
    ui.actionNetworkPort->setEnabled(enabled);
}

void PortConnection::setSendButtonsEnabled(bool enabled)
{
    ui.pushButton_1byte_send_n->setEnabled(enabled);
    ui.pushButton_1byte_send_p->setEnabled(enabled);
    ui.pushButton_485toknx_w_send->setEnabled(enabled);
}

// Puts the selected line parameters into effect on the open port, and into the
// status bar. A setting the device cannot take (1.5 stop bits, parity on a
// pseudo-terminal) is left as it was. A network port may take them a little
// later (SerialLine::isApplyingSettings()).
void PortConnection::applyComSettings()
{
    SerialLine *line = lineSession.line();
    if (!line)
        return;
    PortSettings settings = portSettingsFromTexts(
        {ui.comboBoxBaudRate->currentText(), ui.comboBoxDataBit->currentText(),
         ui.comboBoxParity->currentText(), ui.comboBoxStopBit->currentText(),
         ui.comboBoxFlowCtrl->currentText()});
    settings.dataTerminalReady = ui.checkBoxDTR->isChecked();
    settings.requestToSend = ui.checkBoxRTS->isChecked();
    line->applySettings(settings);

    for (QComboBox *selector : {ui.comboBoxBaudRate, ui.comboBoxComm, ui.comboBoxDataBit,
                                ui.comboBoxStopBit, ui.comboBoxFlowCtrl, ui.comboBoxParity})
        selector->setEnabled(false);
    emit stateChanged();
}

void PortConnection::showLineSettings(const SerialSettings &settings)
{
    ui.comboBoxBaudRate->setCurrentIndex(settings.baudIndex);
    ui.comboBoxParity->setCurrentIndex(settings.parityIndex);
    ui.comboBoxStopBit->setCurrentIndex(settings.stopBitIndex);
    emit stateChanged();
}

bool PortConnection::refuseFixedLineSettings()
{
    const SerialLine *line = lineSession.line();
    if (!line || line->carriesSettings())
        return false;
    showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                 WindowText::tr("%1 is a raw TCP port: the device server fixes its line settings, "
                                "and they cannot be changed from here. Scan and Serial configure "
                                "need a local port or an RFC 2217 port (rfc2217://HOST:PORT).")
                     .arg(line->portName()));
    return true;
}

QString PortConnection::statusText() const
{
    if (!portOpen)
        return WindowText::tr("Serial port is not open | ");
    return WindowText::tr("%1 Open %2 %3 %4 | ")
        .arg(ui.comboBoxComm->currentText(), ui.comboBoxBaudRate->currentText(),
             ui.comboBoxDataBit->currentText(), ui.comboBoxStopBit->currentText());
}

// The line has closed itself, once; the task outstanding has ended before.
void PortConnection::closeLostPort(const QString &reason)
{
    if (!portOpen)
        return;
    closePort();
    emit lost();
    showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                 WindowText::tr("The serial port was lost.\nCheck the cable and the adapter, then "
                                "open the port again."),
                 reason);
}
