#pragma once

#include <QByteArray>
#include <QString>

// Hexadecimal form of bytes: two upper-case digits and a blank per byte.
QString byteArrayToHexStr(const QByteArray &data);

// Turns received chunks into the text the receive area appends, as one
// continuous stream in lines of bounded length: no separator between chunks,
// the hexadecimal form in lines of HexBytesPerLine bytes, the text form (each
// byte a Latin-1 character, zero bytes left out) with its own line breaks (CR,
// LF or CR LF) and runs without one broken after LineLength characters.
class ReceivedText
{
public:
    static constexpr int HexBytesPerLine = 32;
    static constexpr int LineLength = 3 * HexBytesPerLine;
    // Lines the receive area keeps; older ones are dropped.
    static constexpr int MaxLines = 50000;
    // Received bytes read from the port in one step at most, and buffered at most.
    static constexpr int DisplayChunk = 16 * 1024;

    // Appends the chunk's text to text, in Latin-1, '\n' between lines.
    void appendTo(QByteArray &text, const QByteArray &chunk, bool hex);
    QString append(const QByteArray &chunk, bool hex);
    // The area was emptied: the next text starts a new line.
    void clear();

private:
    char *appendHex(char *out, const QByteArray &chunk);
    char *appendLatin1(char *out, const QByteArray &chunk);

    int column = 0;
    bool afterCarriageReturn = false;
};
