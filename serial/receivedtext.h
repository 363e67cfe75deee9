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
    // Received bytes shown in one step at most, and buffered at most.
    static constexpr int DisplayChunk = 16 * 1024;

    QString append(const QByteArray &chunk, bool hex);
    // The area was emptied: the next text starts a new line.
    void clear();

private:
    void appendHex(QString &text, const QByteArray &chunk);
    void appendLatin1(QString &text, const QByteArray &chunk);

    int column = 0;
    bool afterCarriageReturn = false;
};
