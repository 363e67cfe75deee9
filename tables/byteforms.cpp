#include "byteforms.h"

#include <QStringList>

namespace {
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The low eight bits of a hexadecimal number, or 0 for anything else.
quint8 hexLowByte(const QString &piece)
{
    quint8 value = 0;
    for (const QChar c : piece) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return 0;
        value = quint8(value << 4 | digit);
    }
    return value;
}

// The low eight bits of a decimal number, or 0 for anything else.
quint8 decimalLowByte(const QString &part)
{
    quint8 value = 0;
    for (const QChar c : part) {
        const char16_t u = c.unicode();
        if (u < '0' || u > '9')
            return 0;
        value = quint8(value * 10 + (u - '0'));
    }
    return value;
}
} // namespace

QByteArray telegramBytes(const QString &cellText)
{
    QByteArray bytes;
    if (cellText.isEmpty())
        return bytes;
    for (const QString &piece : cellText.split(QLatin1Char(' ')))
        bytes.append(char(hexLowByte(piece)));
    return bytes;
}

QByteArray groupAddressBytes(const QString &addressText)
{
    const QStringList parts = addressText.split(QLatin1Char('/'));
    const quint8 main = decimalLowByte(parts.value(0)) & 0x1F;
    const quint8 middle = decimalLowByte(parts.value(1)) & 0x07;
    const quint8 sub = decimalLowByte(parts.value(2));
    QByteArray bytes;
    bytes.append(char(main << 3 | middle));
    bytes.append(char(sub));
    return bytes;
}
