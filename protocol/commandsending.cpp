#include "mainwindow.h"
#include "protocolcapture.h"

#include <QLabel>
#include <QTimer>

// Sets what the answer will mean before a byte of it can arrive, then sends.
void MainWindow::sendCommand(WorkMode mode, int answerLength, const QByteArray &frame)
{
    m_work_para.mode = mode;
    m_work_para.expect_len = answerLength;
    sendFrame(frame);
}

// A new command ends the wait for the answer to the one before.
void MainWindow::sendFrame(const QByteArray &frame)
{
    if (!myCom || !myCom->isOpen())
        return;
    noAnswerTimer->stop();
    noAnswerLabel->hide();
    myCom->write(frame);
    if (capture)
        capture->sent(frame);
    showSendData(frame);
}
