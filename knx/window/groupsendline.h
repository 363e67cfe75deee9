#pragma once

#include "grouptelegram.h"

#include <QTimer>
#include <QWidget>

class GroupAddressBook;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The group monitor's send line: a group address (completed from the address
// book), Write or Read, how to read the value (the address's datapoint type
// from the book, another type or a length) and the value. It says what became
// of what it sent, and shows the response to a read when one comes.
class GroupSendLine : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ResponseWaitMs = 3000;

    GroupSendLine(const GroupAddressBook &book, QWidget *parent = nullptr);

    // What the bus carried: the response awaited, if it is one.
    void telegramSeen(const GroupTelegram &telegram);
    void sendDone(const GroupTelegram &telegram);
    void sendFailed(const QString &reason);

signals:
    void sendRequested(const GroupTelegram &telegram);

private:
    void send();
    void followAddress();
    void showResult(const QString &text, bool fault);

    const GroupAddressBook &book;
    QLineEdit *addressEdit;
    QComboBox *serviceBox;
    QComboBox *typeBox;
    QLineEdit *valueEdit;
    QPushButton *sendButton;
    QLabel *resultLabel;
    QTimer responseTimer;
    quint16 awaited = 0; // the address of a read out, while responseTimer runs
};
