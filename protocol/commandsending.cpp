#include "mainwindow.h"

#include <QSerialPort>

// Sets what the answer will mean before a byte of it can arrive, then sends.
void MainWindow::sendCommand(WorkMode mode, int answerLength, quint8 command,
                             const QByteArray &payload)
{
    m_work_para.mode = mode;
    m_work_para.expect_len = answerLength;
    sendFrame(buildFrame(command, payload));
}

void MainWindow::sendFrame(const QByteArray &frame)
{
    if (!myCom || !myCom->isOpen())
        return;
    myCom->write(frame);
    showSendData(frame);
}
