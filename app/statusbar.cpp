#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QProgressBar>

void MainWindow::setupStatusBar()
{
    statusLabel = new QLabel(this);
    statusLabel->setObjectName("statusLabel");
    statusLabel->setTextFormat(Qt::PlainText);
    statusLabel->setMinimumSize(150, 20);
    statusLabel->setFrameShape(QFrame::Panel);
    statusLabel->setFrameShadow(QFrame::Sunken);

    siteLabel = new QLabel(this);
    siteLabel->setObjectName("siteLabel");
    siteLabel->setFrameShape(QFrame::Panel);
    siteLabel->setFrameShadow(QFrame::Sunken);
    siteLabel->setOpenExternalLinks(true);
    const QString site = tr("Site:<a href=\"%1\">%1</a>").arg(RS485CONFIG_SITE_URL);
    siteLabel->setText(site);
    siteLabel->setToolTip(site);
    siteLabel->setStatusTip(tr("The rs485config developers"));

    ui->statusBar->addPermanentWidget(statusLabel, 0);
    ui->statusBar->addPermanentWidget(siteLabel, 0);

    // What a scan or a download has done so far, shown while one runs.
    progressLabel = new QLabel(this);
    progressLabel->setObjectName("progressLabel");
    progressLabel->setTextFormat(Qt::PlainText);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setMaximumWidth(160);
    ui->statusBar->addWidget(progressLabel);
    ui->statusBar->addWidget(progressBar);
    hideProgress();

    noAnswerLabel = addStatusNote("noAnswerLabel", tr("No answer from the gateway"));
    captureLabel = addStatusNote("captureLabel", QString());
}

// A note left of the permanent labels, hidden until it applies.
QLabel *MainWindow::addStatusNote(const char *name, const QString &text)
{
    auto *note = new QLabel(text, this);
    note->setObjectName(name);
    note->setTextFormat(Qt::PlainText);
    ui->statusBar->addWidget(note);
    note->hide();
    return note;
}

void MainWindow::updateStatusBar()
{
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

void MainWindow::showProgress(const QString &what, int value, int maximum, const QString &format)
{
    progressLabel->setText(what);
    progressBar->setRange(0, maximum);
    progressBar->setValue(value);
    progressBar->setFormat(format);
    progressLabel->show();
    progressBar->show();
}

void MainWindow::hideProgress()
{
    progressLabel->hide();
    progressBar->hide();
}
