#include "answerframer.h"

#include "frame.h"

namespace {
const char AnswerStart[] = {char(FrameStart1), char(FrameStart0)};
} // namespace

void AnswerFramer::expect(int answerLength)
{
    Q_ASSERT(answerLength == 0 || answerLength >= int(sizeof AnswerStart) + 1);
    length = answerLength;
    held.clear();
}

std::optional<QByteArray> AnswerFramer::feed(const QByteArray &bytes)
{
    if (length == 0)
        return std::nullopt;
    held += bytes;
    for (;;) {
        const qsizetype start = held.indexOf(QByteArrayView(AnswerStart, sizeof AnswerStart));
        if (start < 0) {
            // A last 0C may begin the start bytes.
            held = held.endsWith(AnswerStart[0]) ? held.right(1) : QByteArray();
            return std::nullopt;
        }
        held.remove(0, start);
        if (held.size() < length)
            return std::nullopt;
        if (quint8(held.at(length - 1)) == FrameEnd) {
            const QByteArray answer = held.left(length);
            reset();
            return answer;
        }
        held.remove(0, 1);
    }
}
