#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QProgressBar;
class QStatusBar;

// The status bar: the line and its counters, the site link, the progress of a
// scan or download, and notes that show until they no longer apply. Every
// text but the link's is plain text. No text makes the window wider: where
// the bar is short of room the site link gives way first, and a note that
// does not fit shows whole in its tooltip.
class StatusNotes : public QObject
{
    Q_OBJECT

public:
    explicit StatusNotes(QStatusBar *bar);

    // "COM3 Open 9600 8 1 | TX:16B | RX:8B"
    void showLine(const QString &text);
    // The KNX connection, beside the line, once one is tried:
    // "KNX: 192.168.1.20:3671 connected as 1.1.250".
    void showKnx(const QString &text);
    void showProgress(const QString &what, int value, int maximum, const QString &format);
    void hideProgress();
    // A mode command that has gone unanswered for a while.
    void showNoAnswer(bool shown);
    // A capture running to the file, or none for an empty name.
    void showCapture(const QString &fileName);
    // Why a download ended before its end, until the next command.
    void showDownloadEnded(const QString &text);
    // Why an editor refused a record, until the next record is taken; none
    // for an empty text.
    void showInputFault(const QString &text);

private:
    QLabel *addNote(QStatusBar *bar, const char *name, const QString &text);

    QLabel *statusLabel;
    QLabel *knxLabel;
    QLabel *siteLabel;
    QLabel *progressLabel;
    QProgressBar *progressBar;
    QLabel *noAnswerLabel;
    QLabel *captureLabel;
    QLabel *downloadEndedLabel;
    QLabel *inputFaultLabel;
};
