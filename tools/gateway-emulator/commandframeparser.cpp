#include "commandframeparser.h"

#include "frame.h"

namespace {
constexpr int SmallestLen = 3; // command code and no payload

enum class Candidate { Frame, Incomplete, Noise };

// What starts at offset start of the buffer; *length is set for a frame.
Candidate examine(const QByteArray &buffer, qsizetype start, qsizetype *length)
{
    const qsizetype available = buffer.size() - start;
    const auto byteAt = [&](qsizetype offset) { return quint8(buffer.at(start + offset)); };
    if (byteAt(0) != FrameStart0)
        return Candidate::Noise;
    if (available < 2)
        return Candidate::Incomplete;
    if (byteAt(1) != FrameStart1)
        return Candidate::Noise;
    if (available < 3)
        return Candidate::Incomplete;
    const int len = byteAt(2);
    if (len < SmallestLen)
        return Candidate::Noise;
    const qsizetype frameLength = len + 4;
    if (available < frameLength)
        return Candidate::Incomplete;
    if (byteAt(frameLength - 1) != FrameEnd)
        return Candidate::Noise;
    const quint16 sum = byteSum(buffer.mid(start, frameLength - 3));
    if (byteAt(frameLength - 3) != sum >> 8 || byteAt(frameLength - 2) != (sum & 0xFF))
        return Candidate::Noise;
    *length = frameLength;
    return Candidate::Frame;
}
} // namespace

QList<QByteArray> CommandFrameParser::feed(const QByteArray &bytes)
{
    buffer.append(bytes);
    return parse(false);
}

QList<QByteArray> CommandFrameParser::flush()
{
    return parse(true);
}

void CommandFrameParser::clear()
{
    buffer.clear();
}

QByteArray CommandFrameParser::takeSkipped()
{
    QByteArray result;
    result.swap(skipped);
    return result;
}

QList<QByteArray> CommandFrameParser::parse(bool endOfBurst)
{
    QList<QByteArray> frames;
    qsizetype start = 0;
    while (start < buffer.size()) {
        qsizetype length = 0;
        const Candidate candidate = examine(buffer, start, &length);
        if (candidate == Candidate::Frame) {
            frames.append(buffer.mid(start, length));
            start += length;
        } else if (candidate == Candidate::Noise || endOfBurst) {
            skipped.append(buffer.at(start));
            ++start;
        } else {
            break;
        }
    }
    buffer.remove(0, start);
    return frames;
}
