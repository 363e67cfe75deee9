#pragma once

#include <QByteArray>

#include <optional>

// Finds the gateway's answer in what arrives: noise before the start bytes
// 0C 55 is skipped, and the answer is the first run of the awaited length
// that begins 0C 55 and ends 0D. The bytes of a partial answer are held until
// more arrive; a run that ends otherwise is no answer, and the search goes on
// after its first byte.
class AnswerFramer
{
public:
    // Awaits an answer of this length from now on; what was held is dropped.
    void expect(int answerLength);
    // Awaits nothing; what was held is dropped.
    void reset() { expect(0); }
    int awaitedLength() const { return length; }
    qsizetype heldBytes() const { return held.size(); }

    // Takes received bytes and gives the answer once it is complete; then
    // nothing more is awaited.
    std::optional<QByteArray> feed(const QByteArray &bytes);

private:
    QByteArray held;
    int length = 0;
};
