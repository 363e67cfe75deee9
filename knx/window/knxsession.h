#pragma once

#include "grouptelegramlog.h"
#include "knxconnection.h"

#include <QObject>

#include <memory>

class CaptureFile;
class GroupAddressBook;
class GroupMonitor;
class QMainWindow;
class StatusNotes;

namespace Ui {
class MainWindow;
}

// The window's KNX side: the connection to the bus ("Connect to KNX…",
// "Disconnect"), its state in the status bar, the group monitor fed with
// every group telegram, and the capture, which gets them too.
class KnxSession : public QObject
{
    Q_OBJECT

public:
    KnxSession(Ui::MainWindow &ui, const GroupAddressBook &book, StatusNotes &notes,
               CaptureFile &capture, QMainWindow *window);
    ~KnxSession() override;

    // Asks for an interface and connects to it.
    void askToConnect();
    void connectTo(const KnxInterface &interface);
    void disconnectFromBus();
    void showMonitor(bool shown);
    // The address book changed: the monitor names its addresses anew.
    void bookChanged();

    // The connection, or nullptr before the first.
    KnxConnection *connection() const { return bus.get(); }
    bool isConnected() const;
    GroupMonitor *monitor() const { return groupMonitor; }
    GroupTelegramLog &telegramLog() { return log; }

signals:
    void stateChanged();

private:
    void send(const GroupTelegram &telegram);
    void seen(const GroupTelegram &telegram);
    void showState();
    void fail(const QString &reason);
    void remember(const KnxInterface &interface);

    Ui::MainWindow &ui;
    StatusNotes &notes;
    CaptureFile &capture;
    QMainWindow *window;
    GroupTelegramLog log;
    GroupMonitor *groupMonitor;
    std::unique_ptr<KnxConnection> bus;
    bool userClosed = false;
    bool reached = false; // the connection was made once
    bool placed = false;  // the floating monitor has been placed once
};
