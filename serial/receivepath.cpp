#include "mainwindow.h"
#include "protocolcapture.h"
#include "ui_mainwindow.h"

#include <QSerialPort>
#include <QTimer>

// An answer is dispatched only when exactly the awaited number of bytes is
// waiting at a readyRead(). Anything else is shown after a 50 ms quiet gap.
// Bytes that can no longer complete an answer are shown at the latest
// readBacklogTimer later, and at once when a display chunk of them is waiting,
// so that a line that never falls quiet is shown too, in bounded steps.
void MainWindow::readMyCom()
{
    const qint64 waiting = myCom->bytesAvailable();
    if (waiting == m_work_para.expect_len) {
        readComTimer->stop();
        readBacklogTimer->stop();
        const QByteArray block = myCom->readAll();
        showReceiveData(block);
        countersUpdate.flush(); // an answer is counted before it is handled
        checkReceiveData(block);
        return;
    }
    readComTimer->start();
    if (m_work_para.expect_len != 0 && waiting <= m_work_para.expect_len)
        return;
    if (waiting >= ReceivedText::DisplayChunk)
        readComTimeout();
    else if (!readBacklogTimer->isActive())
        readBacklogTimer->start();
}

void MainWindow::readComTimeout()
{
    readComTimer->stop();
    readBacklogTimer->stop();
    if (!myCom || !myCom->isOpen())
        return;
    showReceiveData(myCom->readAll());
}

void MainWindow::showReceiveData(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    if (capture)
        capture->received(data);
    rxCount += data.size();
    QByteArray text;
    receivedText.appendTo(text, data, ui->checkBoxHex4Disp->isChecked());
    ui->textEditRecv->appendText(text);
    countersUpdate.request();
}

void MainWindow::showSendData(const QByteArray &frame)
{
    if (frame.isEmpty())
        return;
    txCount += frame.size();
    updateStatusBar();
}
