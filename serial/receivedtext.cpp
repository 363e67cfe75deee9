#include "receivedtext.h"

namespace {
const char hexDigits[] = "0123456789ABCDEF";
} // namespace

QString byteArrayToHexStr(const QByteArray &data)
{
    QString text(data.size() * 3, Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : data) {
        *out++ = QLatin1Char(hexDigits[quint8(byte) >> 4]);
        *out++ = QLatin1Char(hexDigits[quint8(byte) & 0x0F]);
        *out++ = QLatin1Char(' ');
    }
    return text;
}

QString ReceivedText::append(const QByteArray &chunk, bool hex)
{
    QString text;
    text.reserve(chunk.size() * 3 + chunk.size() / HexBytesPerLine + 2);
    if (hex)
        appendHex(text, chunk);
    else
        appendLatin1(text, chunk);
    return text;
}

void ReceivedText::clear()
{
    column = 0;
    afterCarriageReturn = false;
}

void ReceivedText::appendHex(QString &text, const QByteArray &chunk)
{
    afterCarriageReturn = false;
    for (char byte : chunk) {
        if (column + 3 > LineLength) {
            text += QLatin1Char('\n');
            column = 0;
        }
        text += QLatin1Char(hexDigits[quint8(byte) >> 4]);
        text += QLatin1Char(hexDigits[quint8(byte) & 0x0F]);
        text += QLatin1Char(' ');
        column += 3;
    }
}

void ReceivedText::appendLatin1(QString &text, const QByteArray &chunk)
{
    for (char byte : chunk) {
        if (byte == '\0')
            continue;
        const bool carriageReturn = byte == '\r';
        if (byte == '\n' && afterCarriageReturn) {
            afterCarriageReturn = false;
            continue;
        }
        afterCarriageReturn = carriageReturn;
        if (carriageReturn || byte == '\n') {
            text += QLatin1Char('\n');
            column = 0;
            continue;
        }
        if (column >= LineLength) {
            text += QLatin1Char('\n');
            column = 0;
        }
        text += QLatin1Char(byte);
        ++column;
    }
}
