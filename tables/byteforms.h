#pragma once

#include <QByteArray>
#include <QString>

// The bytes that the structured cell texts stand for on the wire. Both give a
// defined, bounded result for any text, since cells read from a project file
// have passed no check.

// One byte per piece of the text split at each space: the low eight bits of
// the piece read as a hexadecimal number. An empty piece (a double, leading
// or trailing space) and a piece with any character other than 0-9, a-f, A-F
// give 0. An empty text gives no bytes. All pieces are returned; whoever puts
// them in a fixed block cuts them to its size.
QByteArray telegramBytes(const QString &cellText);

// Two bytes, high first: main (5 bits) and middle (3 bits), then sub (8 bits),
// of the text split at slashes. Each number is read as a decimal number and
// masked into its field (99/99/999 gives main 3, middle 3, sub 231). A missing
// part, an empty one and one with any character other than 0-9 count as 0;
// parts after the third are ignored.
QByteArray groupAddressBytes(const QString &addressText);
