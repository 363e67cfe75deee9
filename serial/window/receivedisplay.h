#pragma once

#include "pacedcall.h"
#include "receivedtext.h"

#include <QObject>

class QCheckBox;
class ReceiveView;
class QWidget;

// The receive area and the TX and RX counters: received bytes shown in the
// form the HEX box chooses, sent bytes counted; Clear and Save.
class ReceiveDisplay : public QObject
{
    Q_OBJECT

public:
    // However small the window, the area shows at least this many lines.
    static constexpr int LeastLinesShown = 8;

    ReceiveDisplay(ReceiveView *area, const QCheckBox *hex, QWidget *window);

    void showReceiveData(const QByteArray &data);
    void showSendData(const QByteArray &frame);
    // The counters as the status bar shows them: "TX:16B | RX:8B".
    QString countersText() const;
    // Counts what was shown at once, before an answer is acted upon.
    void flushCounters() { countersUpdate.flush(); }

    void clear();
    // Asks for a file and writes the area's text into it.
    void save();

signals:
    // Twice a second at most while bytes arrive; at once for what is sent.
    void countersChanged();

private:
    ReceiveView *area;
    const QCheckBox *hex;
    QWidget *window;
    ReceivedText receivedText;
    qint64 rxCount = 0;
    qint64 txCount = 0;
    PacedCall countersUpdate{500, [this] { emit countersChanged(); }};
};
