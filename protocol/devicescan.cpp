#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QTimer>

void MainWindow::on_pushButtonScan_clicked()
{
    if (scanning) {
        endScan();
        scanMatrix.clear();
        return;
    }
    if (refuseFixedLineSettings())
        return;
    scanning = true;
    scanMatrix.fill();
    ui->pushButtonOpen->setEnabled(false);
    ui->pushButtonScan->setText(tr("Stop"));
    scanStep();
}

void MainWindow::sScanTimeout()
{
    scanTimer->stop();
    scanStep();
}

// Puts the next combination on the line and probes it, once it is in effect.
// One tick after the last probe, with no answer, the scan ends as not found.
void MainWindow::scanStep()
{
    m_work_para.mode = E_FUNC_MODE_SCAN;
    m_work_para.expect_len = ScanAnswerLength;

    const std::optional<ScanMatrix::Combination> next = scanMatrix.takeNext();
    if (!next) {
        if (scanning)
            reportNothingFound();
        return;
    }
    ui->comboBoxBaudRate->setCurrentIndex(next->baudIndex);
    ui->comboBoxParity->setCurrentIndex(next->parityIndex);
    ui->comboBoxStopBit->setCurrentIndex(next->stopBitIndex);
    applyComSettings();
    disconnect(myCom, &SerialLine::settingsApplied, this, &MainWindow::sendScanProbe);
    if (myCom->isApplyingSettings())
        connect(myCom, &SerialLine::settingsApplied, this, &MainWindow::sendScanProbe,
                Qt::SingleShotConnection);
    else
        sendScanProbe();
}

// The 400 ms for the answer start with the probe.
void MainWindow::sendScanProbe()
{
    if (!scanning)
        return;
    sendFrame(buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload()));
    showScanProgress();
    scanTimer->start();
}

void MainWindow::showScanProgress()
{
    showProgress(tr("Scanning %1 %2 %3")
                     .arg(ui->comboBoxBaudRate->currentText(), ui->comboBoxStopBit->currentText(),
                          ui->comboBoxParity->currentText()),
                 ScanMatrix::Combinations - scanMatrix.remaining(), ScanMatrix::Combinations,
                 tr("%v of %m tried"));
}

void MainWindow::endScan()
{
    scanning = false;
    ui->pushButtonOpen->setEnabled(true);
    ui->pushButtonScan->setText(tr("Scan"));
    hideProgress();
}

void MainWindow::reportNothingFound()
{
    endScan();
    m_work_para.expect_len = 0;
    QMessageBox::information(this, tr("Not found"), tr("No device found."));
}

void MainWindow::adoptScanAnswer(const SerialSettings &settings)
{
    if (scanTimer->isActive())
        scanTimer->stop();
    ui->comboBoxBaudRate->setCurrentIndex(settings.baudIndex);
    ui->comboBoxStopBit->setCurrentIndex(settings.stopBitIndex);
    ui->comboBoxParity->setCurrentIndex(settings.parityIndex);
    applyComSettings();
    endScan();
    QMessageBox::information(this, tr("Found"), tr("Found serial configuration."));
}
