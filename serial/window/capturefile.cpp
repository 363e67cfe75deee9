#include "capturefile.h"

#include "plaintext.h"
#include "protocolcapture.h"
#include "statusnotes.h"
#include "windowtext.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>

CaptureFile::CaptureFile(QAction *action, StatusNotes *notes, QWidget *window)
    : QObject(window)
    , action(action)
    , notes(notes)
    , window(window)
{}

// The widgets may be gone: only the file is finished.
CaptureFile::~CaptureFile()
{
    delete capture;
    delete file;
}

void CaptureFile::toggle(bool checked)
{
    if (checked)
        start();
    else
        end();
}

void CaptureFile::received(const QByteArray &bytes)
{
    if (capture)
        capture->received(bytes);
}

void CaptureFile::sent(const QByteArray &frame)
{
    if (capture)
        capture->sent(frame);
}

void CaptureFile::note(const QString &text)
{
    if (capture)
        capture->note(text);
}

void CaptureFile::groupTelegram(const GroupTelegram &telegram)
{
    if (capture)
        capture->groupTelegram(telegram);
}

// Appends to the chosen file what goes over the line from now on.
void CaptureFile::start()
{
    const QString fileName =
        QFileDialog::getSaveFileName(window, WindowText::tr("Capture to file"), "./",
                                     WindowText::tr("Capture (*.txt *.log);;All (*.*)"), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (fileName.isEmpty()) {
        action->setChecked(false);
        return;
    }
    auto *opened = new QFile(fileName, this);
    if (!opened->open(QIODevice::WriteOnly | QIODevice::Append)) {
        action->setChecked(false);
        showPlainBox(
            window, QMessageBox::Critical, WindowText::tr("ERROR"),
            WindowText::tr("Cannot capture to %1:\n%2").arg(fileName, opened->errorString()));
        delete opened;
        return;
    }
    file = opened;
    capture = new ProtocolCapture(file, this);
    // Queued: the capture is ended outside its own write.
    connect(capture, &ProtocolCapture::failed, this, &CaptureFile::end, Qt::QueuedConnection);
    notes->showCapture(fileName);
}

void CaptureFile::end()
{
    const QString fileName = file ? file->fileName() : QString();
    const QString failure = stop();
    if (!failure.isEmpty())
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     WindowText::tr("The capture has stopped: %1 cannot be written.\n%2")
                         .arg(fileName, failure));
}

QString CaptureFile::stop()
{
    action->setChecked(false);
    notes->showCapture(QString());
    if (!capture)
        return QString();
    capture->disconnect(this);
    capture->finish();
    const QString failure = file->error() == QFileDevice::NoError ? QString() : file->errorString();
    delete capture;
    capture = nullptr;
    delete file;
    file = nullptr;
    return failure;
}
