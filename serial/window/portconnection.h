#pragma once

#include "linesession.h"

#include <QObject>

class StatusNotes;
namespace Ui {
class MainWindow;
}

// The "Connection Options" group and the open line: Open and Close, the
// selected line parameters put into effect (applyComSettings()), the window's
// closed and open states, and a line that cannot be opened or is lost. The
// line and its engine are the session's.
class PortConnection : public QObject
{
    Q_OBJECT

public:
    // The window's limits: one try, 3 s for an answer, no late wait.
    static ExchangeLimits windowLimits() { return {3000, 0, 0}; }

    PortConnection(Ui::MainWindow &ui, StatusNotes *notes, QWidget *window);

    LineSession &session() { return lineSession; }
    bool isOpen() const { return portOpen; }
    // Open, or opening.
    bool isInUse() const { return portOpen || lineSession.isOpening(); }

    // Opens the selected port, or closes the open one.
    void openOrClose();
    void closePort();
    // Puts the selected line parameters into effect on the open port.
    void applyComSettings();
    // Selects the settings the engine has put on the line.
    void showLineSettings(const SerialSettings &settings);
    // Over raw TCP the device server fixes the line settings: the commands
    // that change them say so, and true, and send nothing.
    bool refuseFixedLineSettings();
    // "COM3 Open 9600 8 1 | " or "Serial port is not open | ".
    QString statusText() const;

signals:
    // The line opened, closed, or took new settings.
    void stateChanged();
    // The line was lost and the window is closed; the capture ends.
    void lost();

private:
    void openPort();
    void portOpened();
    void portOpenFailed(const QString &reason, const QString &remedy);
    void showOpenFailure(const QString &reason, const QString &remedy);
    void closeLostPort(const QString &reason);
    void setPortSelectorsEnabled(bool enabled);
    void setSendButtonsEnabled(bool enabled);

    Ui::MainWindow &ui;
    StatusNotes *notes;
    QWidget *window;
    LineSession lineSession;
    bool portOpen = false;
};
