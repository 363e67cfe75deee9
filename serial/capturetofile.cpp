#include "mainwindow.h"
#include "plaintext.h"
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
        endCapture();
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
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                     tr("Cannot capture to %1:\n%2").arg(fileName, file->errorString()));
        delete file;
        return;
    }
    captureFile = file;
    capture = new ProtocolCapture(captureFile, this);
    // Queued: the capture is ended outside its own write.
    connect(capture, &ProtocolCapture::failed, this, &MainWindow::endCapture, Qt::QueuedConnection);
    captureLabel->setText(tr("Capturing to %1").arg(fileName));
    captureLabel->show();
}

// Ends the capture, and says so when its file could not be written whole.
void MainWindow::endCapture()
{
    const QString fileName = captureFile ? captureFile->fileName() : QString();
    const QString failure = stopCapture();
    if (!failure.isEmpty())
        showPlainBox(
            this, QMessageBox::Critical, tr("ERROR"),
            tr("The capture has stopped: %1 cannot be written.\n%2").arg(fileName, failure));
}

// Writes what is pending and closes the file; the reason when some of it
// could not be written.
QString MainWindow::stopCapture()
{
    ui->actionCaptureToFile->setChecked(false);
    captureLabel->hide();
    if (!capture)
        return QString();
    capture->disconnect(this);
    capture->finish();
    const QString failure =
        captureFile->error() == QFileDevice::NoError ? QString() : captureFile->errorString();
    delete capture;
    capture = nullptr;
    delete captureFile;
    captureFile = nullptr;
    return failure;
}
