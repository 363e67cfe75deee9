#pragma once

#include <QObject>

class ProtocolCapture;
struct GroupTelegram;
class QAction;
class QFile;
class StatusNotes;
class QWidget;

// "Capture to file…": appends to a file what goes over the line while the
// action is checked (protocolcapture.h), and says so in the status bar. It
// ends when the action is unchecked, the window closes or the port is lost,
// and with an error when the file cannot be written.
class CaptureFile : public QObject
{
    Q_OBJECT

public:
    CaptureFile(QAction *action, StatusNotes *notes, QWidget *window);
    ~CaptureFile() override;

    void toggle(bool checked);
    void received(const QByteArray &bytes);
    void sent(const QByteArray &frame);
    void note(const QString &text);
    void groupTelegram(const GroupTelegram &telegram);
    // Ends the capture, saying so when its file could not be written whole.
    void end();
    // Writes what is pending and closes the file; the reason when some of it
    // could not be written.
    QString stop();

private:
    void start();

    QAction *action;
    StatusNotes *notes;
    QWidget *window;
    QFile *file = nullptr;
    ProtocolCapture *capture = nullptr;
};
