#include "mainwindow.h"
#include "protocolcapture.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

void MainWindow::on_actionCaptureToFile_triggered(bool checked)
{
    if (checked)
        startCapture();
    else
        stopCapture();
}

// Appends to the chosen file what goes over the line from now on.
void MainWindow::startCapture()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Capture to file"), "./", tr("Capture (*.txt *.log);;All (*.*)"), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (fileName.isEmpty()) {
        ui->actionCaptureToFile->setChecked(false);
        return;
    }
    auto *file = new QFile(fileName, this);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        ui->actionCaptureToFile->setChecked(false);
        QMessageBox::critical(this, tr("ERROR"),
                              tr("Cannot capture to %1:\n%2").arg(fileName, file->errorString()));
        delete file;
        return;
    }
    captureFile = file;
    capture = new ProtocolCapture(captureFile, this);
    // Queued: the capture is ended outside its own write.
    connect(capture, &ProtocolCapture::failed, this, &MainWindow::captureFailed,
            Qt::QueuedConnection);
    captureLabel->setText(tr("Capturing to %1").arg(fileName));
    captureLabel->show();
}

// Writes what is pending and closes the file.
void MainWindow::stopCapture()
{
    ui->actionCaptureToFile->setChecked(false);
    captureLabel->hide();
    if (!capture)
        return;
    capture->disconnect(this);
    capture->finish();
    delete capture;
    capture = nullptr;
    delete captureFile;
    captureFile = nullptr;
}

void MainWindow::captureFailed(const QString &reason)
{
    if (!capture)
        return;
    const QString fileName = captureFile->fileName();
    stopCapture();
    QMessageBox::critical(
        this, tr("ERROR"),
        tr("The capture has stopped: %1 cannot be written.\n%2").arg(fileName, reason));
}
