#include "mainwindow.h"

#include <QSerialPort>

// Sets what the answer will mean before a byte of it can arrive, then sends.
void MainWindow::sendCommand(WorkMode mode, int answerLength, const QByteArray &frame)
{
    m_work_para.mode = mode;
    m_work_para.expect_len = answerLength;
    sendFrame(frame);
}

void MainWindow::sendFrame(const QByteArray &frame)
{
    if (!myCom || !myCom->isOpen())
        return;
    myCom->write(frame);
    showSendData(frame);
}
