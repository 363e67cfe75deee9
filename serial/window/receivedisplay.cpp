#include "receivedisplay.h"

#include "receiveview.h"
#include "wholefile.h"
#include "windowtext.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>

ReceiveDisplay::ReceiveDisplay(ReceiveView *area, const QCheckBox *hex, QWidget *window)
    : QObject(window)
    , area(area)
    , hex(hex)
    , window(window)
{
    QFont font("Courier New [Cronyx]", 10);
    font.setStyleHint(QFont::TypeWriter);
    area->setFont(font);
    area->setMaximumLineCount(ReceivedText::MaxLines);
    area->setMinimumHeight(area->heightForLines(LeastLinesShown));
}

void ReceiveDisplay::showReceiveData(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    rxCount += data.size();
    QByteArray text;
    receivedText.appendTo(text, data, hex->isChecked());
    area->appendText(text);
    countersUpdate.request();
}

void ReceiveDisplay::showSendData(const QByteArray &frame)
{
    if (frame.isEmpty())
        return;
    txCount += frame.size();
    emit countersChanged();
}

QString ReceiveDisplay::countersText() const
{
    return WindowText::tr("TX:%1B | RX:%2B").arg(txCount).arg(rxCount);
}

void ReceiveDisplay::clear()
{
    rxCount = 0;
    txCount = 0;
    emit countersChanged();
    area->clear();
    receivedText.clear();
}

// The area's text with its line breaks as '\n', received characters as they
// arrived.
void ReceiveDisplay::save()
{
    const QString text = area->toPlainText();
    if (text.isEmpty()) {
        QMessageBox::information(window, WindowText::tr("Tip"),
                                 WindowText::tr("Nothing to save..."));
        return;
    }
    const QString fileName =
        QFileDialog::getSaveFileName(window, WindowText::tr("Save data"), "./",
                                     WindowText::tr("Document (*.txt *.dat);;All (*.*)"));
    if (fileName.isEmpty())
        return;
    if (!writeWholeFile(fileName, area->toPlainText().toLatin1()))
        QMessageBox::critical(window, WindowText::tr("ERROR"), WindowText::tr("Cannot write!"));
}
