#pragma once

#include "frameexchange.h"
#include "linesession.h"

#include <QObject>

class CaptureFile;
class GatewayScan;
class PortConnection;
class ReceiveDisplay;
class StatusNotes;
class TableDownload;
struct TableRowFault;
namespace Ui {
class MainWindow;
}

// The "Command" group and the Send buttons: each command runs as a task of
// the line's engine, and the window shows what it did. One command is
// outstanding at a time; a new one, Close or a lost port ends it, and a
// download ended so says where it was, in the status bar and the capture.
class GatewayCommands : public QObject
{
    Q_OBJECT

public:
    // Mode and serial-setting commands have no time-out: after 3 s without
    // an answer a note says so, and the answer is still taken.
    static ExchangeLimits commandLimits() { return {3000, 0, ExchangeLimits::Unbounded}; }

    GatewayCommands(Ui::MainWindow &ui, PortConnection &connection, ReceiveDisplay &display,
                    StatusNotes &notes, CaptureFile &capture, QWidget *window);

    // Starts a scan, or stops the one running.
    void scan();
    void debugMode();
    void workingMode();
    void configureSerial();
    void download();
    // Raw on the line: no frame, nothing awaited, the command outstanding goes on.
    void sendTestTelegram(const QString &text);

signals:
    // The gateway was found at, or given, these settings.
    void gatewaySettingsKnown(const SerialSettings &settings);

private:
    LineSession &session();
    void taskFinished(GatewayTask *task);
    void commandAnswered(const GatewayTask *task);
    void taskEnded(GatewayTask *task, LineSession::EndReason reason);

    // Scan
    void showProbe(const GatewayScan &scan, const SerialSettings &settings);
    void scanFinished(const GatewayScan &scan);
    void endScan();

    // Download
    void showRowFault(const TableRowFault &fault);
    void downloadFinished(const TableDownload &download);
    void downloadEnded(const TableDownload &download, LineSession::EndReason reason);
    QString unansweredFrame(const TableDownload &download) const;

    Ui::MainWindow &ui;
    PortConnection &connection;
    ReceiveDisplay &display;
    StatusNotes &notes;
    CaptureFile &capture;
    QWidget *window;
    bool scanning = false;
};
