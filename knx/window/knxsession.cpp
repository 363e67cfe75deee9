#include "knxsession.h"

#include "capturefile.h"
#include "groupmonitor.h"
#include "groupsendline.h"
#include "knxaddresses.h"
#include "knxconnectdialog.h"
#include "plaintext.h"
#include "recentknxinterfaces.h"
#include "settingsnotice.h"
#include "statusnotes.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QDateTime>
#include <QMainWindow>

namespace {
// The interface ./run.sh starts beside the tool, offered first.
QString givenInterface()
{
    const QString named = qEnvironmentVariable("RS485CONFIG_KNX_INTERFACE").trimmed();
    return parseKnxInterface(named) ? named : QString();
}
} // namespace

KnxSession::KnxSession(Ui::MainWindow &ui, const GroupAddressBook &book, StatusNotes &notes,
                       CaptureFile &capture, QMainWindow *window)
    : QObject(window)
    , ui(ui)
    , notes(notes)
    , capture(capture)
    , window(window)
    , log(book)
    , groupMonitor(new GroupMonitor(log, book, window))
{
    // Floating at first, so that the window keeps its size; it can be docked.
    window->addDockWidget(Qt::BottomDockWidgetArea, groupMonitor);
    groupMonitor->setFloating(true);
    groupMonitor->hide();
    connect(groupMonitor, &QDockWidget::visibilityChanged, ui.actionGroupMonitor,
            [this](bool) { this->ui.actionGroupMonitor->setChecked(groupMonitor->isVisible()); });
    connect(groupMonitor->sendLine(), &GroupSendLine::sendRequested, this, &KnxSession::send);
}

KnxSession::~KnxSession()
{
    if (bus)
        bus->disconnect(this);
}

void KnxSession::askToConnect()
{
    KnxConnectDialog dialog(givenInterface(), readRecentKnxInterfaces(), window);
    if (dialog.exec() == QDialog::Accepted)
        connectTo(dialog.interface());
}

void KnxSession::connectTo(const KnxInterface &interface)
{
    if (bus) {
        bus->disconnect(this);
        bus->close();
    }
    bus = createKnxConnection(interface);
    userClosed = false;
    reached = false;
    KnxConnection *connection = bus.get();
    connect(connection, &KnxConnection::stateChanged, this, &KnxSession::showState);
    connect(connection, &KnxConnection::connected, this, [this, interface] {
        reached = true;
        capture.note(WindowText::tr("KNX connected to %1").arg(interface.text()));
        remember(interface);
    });
    connect(connection, &KnxConnection::failed, this, &KnxSession::fail);
    connect(connection, &KnxConnection::telegramReceived, this, &KnxSession::seen);
    connect(connection, &KnxConnection::telegramSent, this, [this](const GroupTelegram &telegram) {
        seen(telegram);
        groupMonitor->sendLine()->sendDone(telegram);
    });
    connect(connection, &KnxConnection::sendFailed, this,
            [this](const GroupTelegram &, const QString &reason) {
                groupMonitor->sendLine()->sendFailed(reason);
            });
    connection->open();
    showState();
}

void KnxSession::disconnectFromBus()
{
    if (!bus)
        return;
    userClosed = true;
    bus->close();
    capture.note(WindowText::tr("KNX disconnected"));
    showState();
}

void KnxSession::showMonitor(bool shown)
{
    if (shown && groupMonitor->isFloating() && !placed) {
        const QRect frame = window->frameGeometry();
        groupMonitor->resize(std::max(frame.width(), 760), 360);
        groupMonitor->move(frame.left(), frame.top() + frame.height() / 2);
        placed = true;
    }
    groupMonitor->setVisible(shown);
    if (shown)
        groupMonitor->raise();
}

void KnxSession::bookChanged()
{
    log.refreshNames();
}

bool KnxSession::isConnected() const
{
    return bus && bus->state() == KnxConnection::State::Connected;
}

void KnxSession::send(const GroupTelegram &telegram)
{
    if (!isConnected()) {
        groupMonitor->sendLine()->sendFailed(
            WindowText::tr("Not connected to KNX: use KNX, Connect to KNX… first."));
        return;
    }
    if (!bus->send(telegram))
        groupMonitor->sendLine()->sendFailed(
            WindowText::tr("The KNX connection cannot send now; try again."));
}

void KnxSession::seen(const GroupTelegram &telegram)
{
    log.append(telegram, QDateTime::currentDateTime());
    capture.groupTelegram(telegram);
    groupMonitor->sendLine()->telegramSeen(telegram);
}

void KnxSession::fail(const QString &reason)
{
    capture.note(WindowText::tr("KNX: %1").arg(reason));
    showState();
    showPlainBox(window, QMessageBox::Warning, WindowText::tr("KNX"),
                 reached ? WindowText::tr("The KNX connection was lost.")
                         : WindowText::tr("The KNX connection could not be made."),
                 reason);
}

void KnxSession::showState()
{
    const QString where = bus ? bus->interface().text() : QString();
    const KnxConnection::State state = bus ? bus->state() : KnxConnection::State::Disconnected;
    ui.actionDisconnectKnx->setEnabled(state != KnxConnection::State::Disconnected);
    QString text;
    switch (state) {
    case KnxConnection::State::Connecting:
        text = WindowText::tr("KNX: connecting to %1…").arg(where);
        break;
    case KnxConnection::State::Connected:
        text = WindowText::tr("KNX: %1 connected as %2")
                   .arg(where, individualAddressText(bus->ownAddress()));
        break;
    case KnxConnection::State::Disconnecting:
        text = WindowText::tr("KNX: disconnecting from %1…").arg(where);
        break;
    case KnxConnection::State::Disconnected:
        text = !bus || userClosed ? WindowText::tr("KNX: not connected")
                                  : WindowText::tr("KNX: %1 not connected").arg(where);
        break;
    }
    notes.showKnx(text);
    emit stateChanged();
}

void KnxSession::remember(const KnxInterface &interface)
{
    noteSettingsWritten(writeRecentKnxInterfaces(
                            withRecentKnxInterface(readRecentKnxInterfaces(), interface.text())),
                        window);
}
