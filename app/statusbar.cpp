#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QLabel>

void MainWindow::setupStatusBar() {
    statusLabel = new QLabel(this);
    statusLabel->setMinimumSize(150, 20);
    statusLabel->setFrameShape(QFrame::Panel);
    statusLabel->setFrameShadow(QFrame::Sunken);

    siteLabel = new QLabel(this);
    siteLabel->setFrameShape(QFrame::Panel);
    siteLabel->setFrameShadow(QFrame::Sunken);
    siteLabel->setOpenExternalLinks(true);
    const QString site = tr("Site:<a href=\"%1\">%1</a>").arg(RS485CONFIG_SITE_URL);
    siteLabel->setText(site);
    siteLabel->setToolTip(site);
    siteLabel->setStatusTip(tr("The rs485config developers"));

    ui->statusBar->addPermanentWidget(statusLabel, 0);
    ui->statusBar->addPermanentWidget(siteLabel, 0);
}

void MainWindow::updateStatusBar() {
    QString text;
    if (portOpen)
        text = tr("%1 Open %2 %3 %4 | ")
                   .arg(ui->comboBoxComm->currentText(), ui->comboBoxBaudRate->currentText(),
                        ui->comboBoxDataBit->currentText(), ui->comboBoxStopBit->currentText());
    else
        text = tr("Serial port is not open | ");
    text += tr("TX:%1B | RX:%2B").arg(txCount).arg(rxCount);
    statusLabel->setText(text);
}
