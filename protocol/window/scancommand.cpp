#include "gatewaycommands.h"
#include "gatewayscan.h"
#include "portconnection.h"
#include "statusnotes.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QMessageBox>

// The Open button waits while the scan runs; Scan becomes Stop.
void GatewayCommands::scan()
{
    if (scanning) {
        session().stop();
        return;
    }
    if (connection.refuseFixedLineSettings())
        return;
    auto *task = session().prepare<GatewayScan>();
    connect(task, &GatewayScan::probing, this,
            [this, task](const SerialSettings &settings) { showProbe(*task, settings); });
    session().run(task);
    scanning = true;
    ui.pushButtonOpen->setEnabled(false);
    ui.pushButtonScan->setText(WindowText::tr("Stop"));
}

// The selectors follow the combination probed.
void GatewayCommands::showProbe(const GatewayScan &scan, const SerialSettings &settings)
{
    connection.showLineSettings(settings);
    notes.showProgress(WindowText::tr("Scanning %1 %2 %3")
                           .arg(ui.comboBoxBaudRate->currentText(),
                                ui.comboBoxStopBit->currentText(),
                                ui.comboBoxParity->currentText()),
                       scan.done() + 1, scan.total(), WindowText::tr("%v of %m tried"));
}

// Found: the line runs at the gateway's settings. Not found one probe interval
// after the last probe.
void GatewayCommands::scanFinished(const GatewayScan &scan)
{
    endScan();
    if (scan.succeeded()) {
        connection.showLineSettings(scan.found());
        emit gatewaySettingsKnown(scan.found());
        QMessageBox::information(window, WindowText::tr("Found"),
                                 WindowText::tr("Found serial configuration."));
    } else {
        QMessageBox::information(window, WindowText::tr("Not found"),
                                 WindowText::tr("No device found."));
    }
}

void GatewayCommands::endScan()
{
    scanning = false;
    ui.pushButtonOpen->setEnabled(true);
    ui.pushButtonScan->setText(WindowText::tr("Scan"));
    notes.hideProgress();
}
