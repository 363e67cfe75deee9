#include "mainwindow.h"
#include "testtelegram.h"
#include "ui_mainwindow.h"

void MainWindow::on_pushButton_485toknx_w_send_clicked()
{
    sendTestTelegram(ui->lineEdit_485toknx_w_telegram->text());
}

void MainWindow::on_pushButton_1byte_send_p_clicked()
{
    sendTestTelegram(ui->lineEdit_1byte_telegram1->text());
}

void MainWindow::on_pushButton_1byte_send_n_clicked()
{
    sendTestTelegram(ui->lineEdit_1byte_telegram2->text());
}

// Raw on the line, in one write: no frame, no work mode, no answer awaited.
void MainWindow::sendTestTelegram(const QString &text)
{
    if (const std::optional<QByteArray> bytes = testTelegramBytes(text))
        sendFrame(*bytes);
}
