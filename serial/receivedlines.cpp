#include "receivedlines.h"

#include <cstring>

ReceivedLines::ReceivedLines(int maxLines)
    : maxLines(qMax(1, maxLines))
    , lengths(size_t(this->maxLines), 0)
{}

void ReceivedLines::append(QByteArrayView text)
{
    if (text.isEmpty())
        return;
    if (!chars)
        chars.reset(new char[size_t(maxLines) * Width]);
    const char *from = text.data();
    const char *const end = from + text.size();
    while (from < end) {
        const void *found = std::memchr(from, '\n', size_t(end - from));
        const char *lineEnd = found ? static_cast<const char *>(found) : end;
        while (from < lineEnd) {
            if (lengths[last] == Width)
                startLine();
            const int taken = int(qMin<qsizetype>(lineEnd - from, Width - lengths[last]));
            std::memcpy(chars.get() + qsizetype(last) * Width + lengths[last], from, size_t(taken));
            lengths[last] = quint8(lengths[last] + taken);
            from += taken;
        }
        if (lineEnd < end) {
            startLine();
            from = lineEnd + 1;
        }
    }
}

void ReceivedLines::startLine()
{
    last = last + 1 == maxLines ? 0 : last + 1;
    if (count == maxLines) {
        head = last + 1 == maxLines ? 0 : last + 1;
        ++firstNumber;
    } else {
        ++count;
    }
    lengths[last] = 0;
}

void ReceivedLines::clear()
{
    head = last = 0;
    count = 1;
    firstNumber = 0;
    lengths[0] = 0;
}

QLatin1String ReceivedLines::line(qint64 number) const
{
    if (number < first() || number >= end() || !chars)
        return {};
    const int slot = slotOf(number);
    return QLatin1String(chars.get() + qsizetype(slot) * Width, lengths[slot]);
}

TextPosition ReceivedLines::clamped(TextPosition position) const
{
    if (position.line < first())
        return {first(), 0};
    if (position.line >= end())
        return endPosition();
    return {position.line, qBound(0, position.column, int(line(position.line).size()))};
}

TextPosition ReceivedLines::endPosition() const
{
    return {end() - 1, int(line(end() - 1).size())};
}

qint64 ReceivedLines::offsetOf(TextPosition position) const
{
    position = clamped(position);
    qint64 offset = position.column;
    for (qint64 number = first(); number < position.line; ++number)
        offset += line(number).size() + 1;
    return offset;
}

TextPosition ReceivedLines::positionOf(qint64 offset) const
{
    for (qint64 number = first(); number < end(); ++number) {
        const qint64 length = line(number).size();
        if (offset <= length)
            return {number, int(qMax<qint64>(0, offset))};
        offset -= length + 1;
    }
    return endPosition();
}

QString ReceivedLines::text(TextPosition from, TextPosition to) const
{
    from = clamped(from);
    to = clamped(to);
    QString text;
    if (!(from < to))
        return text;
    text.reserve(qsizetype(to.line - from.line + 1) * (Width + 1));
    for (qint64 number = from.line; number <= to.line; ++number) {
        const QLatin1String whole = line(number);
        const int start = number == from.line ? from.column : 0;
        const int stop = number == to.line ? to.column : int(whole.size());
        text += whole.mid(start, stop - start);
        if (number != to.line)
            text += QLatin1Char('\n');
    }
    return text;
}
