#pragma once

#include <QObject>

class QSocketNotifier;

// Delivers SIGINT and SIGTERM as a Qt signal on the event loop.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Blocks both signals for ordinary delivery; call before any thread starts,
    // so that every thread inherits the mask.
    static void block();

    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    int descriptor = -1;
    QSocketNotifier *notifier = nullptr;
};
