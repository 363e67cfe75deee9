#include "gatewaycommands.h"

#include "gatewayscan.h"
#include "modechange.h"
#include "portconnection.h"
#include "receivedisplay.h"
#include "serialchange.h"
#include "statusnotes.h"
#include "tabledownload.h"
#include "testtelegram.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QMessageBox>

GatewayCommands::GatewayCommands(Ui::MainWindow &ui, PortConnection &connection,
                                 ReceiveDisplay &display, StatusNotes &notes, CaptureFile &capture,
                                 QWidget *window)
    : QObject(window)
    , ui(ui)
    , connection(connection)
    , display(display)
    , notes(notes)
    , capture(capture)
    , window(window)
{
    connect(&session(), &LineSession::taskFinished, this, &GatewayCommands::taskFinished);
    connect(&session(), &LineSession::taskEnded, this, &GatewayCommands::taskEnded);
    // A silent gateway is noted until the next frame goes out.
    connect(&session(), &LineSession::overdue, this, [this] { this->notes.showNoAnswer(true); });
    connect(&session(), &LineSession::sent, this, [this] { this->notes.showNoAnswer(false); });
}

LineSession &GatewayCommands::session()
{
    return connection.session();
}

void GatewayCommands::debugMode()
{
    auto *task = session().prepare<ModeChange>(DebugMode);
    task->setLimits(commandLimits());
    session().run(task);
}

void GatewayCommands::workingMode()
{
    auto *task = session().prepare<ModeChange>(WorkingMode);
    task->setLimits(commandLimits());
    session().run(task);
}

// A box with no item selected (from an imported file) sends nothing, nor does
// a raw TCP port, whose settings the device server fixes.
void GatewayCommands::configureSerial()
{
    if (connection.refuseFixedLineSettings())
        return;
    const SerialSettings settings{ui.comboBoxBaudRate_set->currentIndex(),
                                  ui.comboBoxStopBit_set->currentIndex(),
                                  ui.comboBoxParity_set->currentIndex()};
    if (settings.baudIndex < 0 || settings.stopBitIndex < 0 || settings.parityIndex < 0) {
        QMessageBox::critical(window, WindowText::tr("ERROR"),
                              WindowText::tr("Choose the baud rate, the stop bits and the parity "
                                             "under \"Serial Options\" first."));
        return;
    }
    auto *task = session().prepare<SerialChange>(settings, SerialChange::Confirmation::None);
    task->setLimits(commandLimits());
    session().run(task);
}

void GatewayCommands::sendTestTelegram(const QString &text)
{
    if (const std::optional<QByteArray> bytes = testTelegramBytes(text))
        session().sendRaw(*bytes);
}

// What was received is counted before the outcome is shown. The mode and
// serial commands have no time-out: they end answered.
void GatewayCommands::taskFinished(GatewayTask *task)
{
    display.flushCounters();
    if (const auto *scan = qobject_cast<GatewayScan *>(task))
        scanFinished(*scan);
    else if (const auto *download = qobject_cast<TableDownload *>(task))
        downloadFinished(*download);
    else if (task->succeeded() &&
             (qobject_cast<ModeChange *>(task) || qobject_cast<SerialChange *>(task)))
        commandAnswered(task);
}

void GatewayCommands::commandAnswered(const GatewayTask *task)
{
    QString text;
    if (const auto *change = qobject_cast<const SerialChange *>(task)) {
        connection.showLineSettings(change->settingsGiven());
        emit gatewaySettingsKnown(change->settingsGiven());
        text = WindowText::tr("Setting serial port successfully.");
    } else if (qobject_cast<const ModeChange *>(task)->mode() == DebugMode) {
        text = WindowText::tr("Setting debug mode successfully.");
    } else {
        text = WindowText::tr("Setting work mode successfully.");
    }
    QMessageBox::information(window, WindowText::tr("Success"), text);
}

void GatewayCommands::taskEnded(GatewayTask *task, LineSession::EndReason reason)
{
    if (qobject_cast<GatewayScan *>(task))
        endScan();
    else if (const auto *download = qobject_cast<TableDownload *>(task))
        downloadEnded(*download, reason);
}
