#include "receivedtext.h"

namespace {
constexpr char hexDigits[] = "0123456789ABCDEF";

// The two digits of every byte value and a blank, looked up as one.
struct HexTriples
{
    constexpr HexTriples()
    {
        for (int i = 0; i < 256; ++i) {
            triples[i][0] = hexDigits[i >> 4];
            triples[i][1] = hexDigits[i & 0x0F];
            triples[i][2] = ' ';
        }
    }
    char triples[256][3] = {};
};
constexpr HexTriples hex;

char *putHex(char *out, char byte)
{
    const char *triple = hex.triples[quint8(byte)];
    out[0] = triple[0];
    out[1] = triple[1];
    out[2] = triple[2];
    return out + 3;
}
} // namespace

QString byteArrayToHexStr(const QByteArray &data)
{
    QByteArray text(data.size() * 3, Qt::Uninitialized);
    char *out = text.data();
    for (char byte : data)
        out = putHex(out, byte);
    return QString::fromLatin1(text);
}

void ReceivedText::appendTo(QByteArray &text, const QByteArray &chunk, bool hex)
{
    const qsizetype size = text.size();
    // Room for every character and the line breaks between them.
    const qsizetype most = hex ? chunk.size() * 3 + chunk.size() / HexBytesPerLine + 1
                               : chunk.size() + chunk.size() / LineLength + 1;
    text.resize(size + most);
    char *out = text.data() + size;
    const char *end = hex ? appendHex(out, chunk) : appendLatin1(out, chunk);
    text.truncate(end - text.constData());
}

QString ReceivedText::append(const QByteArray &chunk, bool hex)
{
    QByteArray text;
    appendTo(text, chunk, hex);
    return QString::fromLatin1(text);
}

void ReceivedText::clear()
{
    column = 0;
    afterCarriageReturn = false;
}

char *ReceivedText::appendHex(char *out, const QByteArray &chunk)
{
    afterCarriageReturn = false;
    for (char byte : chunk) {
        if (column + 3 > LineLength) {
            *out++ = '\n';
            column = 0;
        }
        out = putHex(out, byte);
        column += 3;
    }
    return out;
}

char *ReceivedText::appendLatin1(char *out, const QByteArray &chunk)
{
    for (char byte : chunk) {
        if (byte == '\0')
            continue;
        if (byte == '\n' && afterCarriageReturn) {
            afterCarriageReturn = false;
            continue;
        }
        afterCarriageReturn = byte == '\r';
        const bool lineEnd = byte == '\r' || byte == '\n';
        if (lineEnd || column >= LineLength) {
            *out++ = '\n';
            column = 0;
            if (lineEnd)
                continue;
        }
        *out++ = byte;
        ++column;
    }
    return out;
}
