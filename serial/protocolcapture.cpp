#include "protocolcapture.h"

#include "grouptelegramtext.h"

#include <QFileDevice>
#include <QIODevice>

namespace {
const char hexDigits[] = "0123456789ABCDEF";
} // namespace

QByteArray captureLine(const QDateTime &time, CaptureDirection direction, const QByteArray &bytes)
{
    const QByteArray stamp = time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1();
    QByteArray line(stamp.size() + 3 + 3 * bytes.size() + 1, Qt::Uninitialized);
    char *out = line.data();
    out = std::copy(stamp.cbegin(), stamp.cend(), out);
    const char *label = direction == CaptureDirection::Sent ? " TX" : " RX";
    out = std::copy(label, label + 3, out);
    for (const char byte : bytes) {
        *out++ = ' ';
        *out++ = hexDigits[quint8(byte) >> 4];
        *out++ = hexDigits[quint8(byte) & 0x0F];
    }
    *out = '\n';
    return line;
}

QByteArray captureNote(const QDateTime &time, const QString &text)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1() + " -- " +
           text.toUtf8() + '\n';
}

ProtocolCapture::ProtocolCapture(QIODevice *device, QObject *parent)
    : QObject(parent)
    , device(device)
{
    quietTimer.setSingleShot(true);
    quietTimer.setTimerType(Qt::PreciseTimer);
    quietTimer.setInterval(QuietGapMs);
    connect(&quietTimer, &QTimer::timeout, this, &ProtocolCapture::endBurst);
    flushTimer.setInterval(FlushIntervalMs);
    connect(&flushTimer, &QTimer::timeout, this, &ProtocolCapture::flush);
    flushTimer.start();
}

ProtocolCapture::~ProtocolCapture()
{
    finish();
}

void ProtocolCapture::received(const QByteArray &bytes)
{
    if (!running || bytes.isEmpty())
        return;
    if (burst.isEmpty())
        burstStart = QDateTime::currentDateTime();
    burst += bytes;
    while (running && burst.size() >= MostBytesPerLine) {
        write(captureLine(burstStart, CaptureDirection::Received, burst.left(MostBytesPerLine)));
        burst.remove(0, MostBytesPerLine);
        burstStart = QDateTime::currentDateTime();
    }
    quietTimer.start();
}

void ProtocolCapture::sent(const QByteArray &frame)
{
    if (!running || frame.isEmpty())
        return;
    endBurst();
    write(captureLine(QDateTime::currentDateTime(), CaptureDirection::Sent, frame));
}

void ProtocolCapture::note(const QString &text)
{
    if (!running)
        return;
    endBurst();
    write(captureNote(QDateTime::currentDateTime(), text));
}

void ProtocolCapture::groupTelegram(const GroupTelegram &telegram)
{
    if (!running)
        return;
    endBurst();
    write(knxCaptureLine(QDateTime::currentDateTime(), telegram));
}

void ProtocolCapture::finish()
{
    if (!running)
        return;
    endBurst();
    flush();
    running = false;
    quietTimer.stop();
    flushTimer.stop();
}

void ProtocolCapture::endBurst()
{
    quietTimer.stop();
    if (burst.isEmpty())
        return;
    write(captureLine(burstStart, CaptureDirection::Received, burst));
    burst.clear();
}

void ProtocolCapture::write(const QByteArray &line)
{
    if (running && device->write(line) != line.size())
        fail();
}

void ProtocolCapture::flush()
{
    auto *file = qobject_cast<QFileDevice *>(device);
    if (running && file && !file->flush())
        fail();
}

void ProtocolCapture::fail()
{
    running = false;
    quietTimer.stop();
    flushTimer.stop();
    burst.clear();
    emit failed(device->errorString());
}
