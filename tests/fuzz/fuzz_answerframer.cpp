// The engine's answer framing on any byte stream in any chunks: each answer
// is the first run of the awaited length that begins 0C 55 and ends 0D in
// what arrived since the answer was awaited, taken as soon as its last byte
// arrives, and what is held stays below the awaited length.

#include "answerframer.h"
#include "frame.h"
#include "fuzzchecks.h"

namespace {
// Where the first answer of the length starts in the bytes, or -1.
qsizetype firstAnswer(const QByteArray &bytes, int length)
{
    for (qsizetype start = 0; start + length <= bytes.size(); ++start)
        if (bytes[start] == '\x0C' && bytes[start + 1] == '\x55' &&
            bytes[start + length - 1] == '\x0D')
            return start;
    return -1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    AnswerFramer framer;
    QByteArray sinceExpected;
    int length = 0;
    while (input.remaining_bytes()) {
        if (length == 0) {
            length = input.ConsumeIntegralInRange(3, 24);
            framer.expect(length);
            sinceExpected.clear();
        }
        const std::string bytes = input.ConsumeRandomLengthString(64);
        const QByteArray chunk(bytes.data(), qsizetype(bytes.size()));
        const qsizetype before = firstAnswer(sinceExpected, length);
        FUZZ_REQUIRE(before < 0);
        sinceExpected += chunk;
        const qsizetype start = firstAnswer(sinceExpected, length);
        const std::optional<QByteArray> answer = framer.feed(chunk);
        FUZZ_REQUIRE(answer.has_value() == (start >= 0));
        if (answer) {
            FUZZ_REQUIRE(*answer == sinceExpected.mid(start, length));
            FUZZ_REQUIRE(framer.awaitedLength() == 0 && framer.heldBytes() == 0);
            length = 0;
        } else {
            FUZZ_REQUIRE(framer.heldBytes() < qMax(length, 2));
        }
    }
    return 0;
}
