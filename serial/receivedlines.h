#pragma once

#include "receivedtext.h"

#include <QByteArrayView>
#include <QLatin1String>
#include <QString>

#include <memory>
#include <vector>

// A place in the received lines: a line number and a column in that line.
struct TextPosition
{
    qint64 line = 0;
    int column = 0;

    friend bool operator==(TextPosition a, TextPosition b)
    {
        return a.line == b.line && a.column == b.column;
    }
    friend bool operator!=(TextPosition a, TextPosition b) { return !(a == b); }
    friend bool operator<(TextPosition a, TextPosition b)
    {
        return a.line < b.line || (a.line == b.line && a.column < b.column);
    }
};

// The most recent lines of received Latin-1 text, in a ring of fixed slots:
// appending never allocates once the ring is full. The last line stays open
// to more text. Lines are numbered from the first one appended since the last
// clear, so that a number stays with its line while older lines are dropped.
class ReceivedLines
{
public:
    // Characters a line holds at most; a longer run goes on in the next line.
    static constexpr int Width = ReceivedText::LineLength;

    explicit ReceivedLines(int maxLines = ReceivedText::MaxLines);

    // Appends text in which '\n' ends a line.
    void append(QByteArrayView text);
    // Leaves one empty line, numbered 0.
    void clear();

    qint64 first() const { return firstNumber; }
    // One past the number of the last line.
    qint64 end() const { return firstNumber + count; }
    // The line's text; numbers outside first() to end() give an empty text.
    QLatin1String line(qint64 number) const;

    // The positions nearest to the given one that hold a character or a line end.
    TextPosition clamped(TextPosition position) const;
    TextPosition endPosition() const;
    // A position as the number of characters before it in text(), line ends
    // counted as one, and back; offsets beyond the text give its end.
    qint64 offsetOf(TextPosition position) const;
    TextPosition positionOf(qint64 offset) const;
    // The text from one position to another, lines joined by '\n'.
    QString text(TextPosition from, TextPosition to) const;
    QString text() const { return text({first(), 0}, endPosition()); }

private:
    int slotOf(qint64 number) const { return int((head + (number - firstNumber)) % maxLines); }
    void startLine();

    int maxLines;
    std::unique_ptr<char[]> chars; // maxLines slots of Width characters, made at first use
    std::vector<quint8> lengths;
    int head = 0; // slot of the first line
    int last = 0; // slot of the last line
    int count = 1;
    qint64 firstNumber = 0;
};
