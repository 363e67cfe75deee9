#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "wholefile.h"

#include <QFileDialog>
#include <QMessageBox>

void MainWindow::on_pushButtonClear_clicked()
{
    rxCount = 0;
    txCount = 0;
    updateStatusBar();
    ui->textEditRecv->clear();
    receivedText.clear();
}

void MainWindow::on_pushButtonSave_clicked()
{
    if (receiveAreaText().isEmpty()) {
        QMessageBox::information(this, tr("Tip"), tr("Nothing to save..."));
        return;
    }
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Save data"), "./",
                                                          tr("Document (*.txt *.dat);;All (*.*)"));
    if (fileName.isEmpty())
        return;
    if (!writeWholeFile(fileName, receiveAreaText().toLatin1()))
        QMessageBox::critical(this, tr("ERROR"), tr("Cannot write!"));
}

// The area's text with its line breaks as '\n', received characters as they
// arrived.
QString MainWindow::receiveAreaText() const
{
    return ui->textEditRecv->toPlainText();
}
