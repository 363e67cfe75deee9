// The virtual gateway's frame parser on any byte stream in any chunks: every
// frame it takes is exact and stands in the stream, in order; the row
// decoder reads any frame without reading past it.

#include "commandframeparser.h"
#include "frame.h"
#include "fuzzchecks.h"
#include "rowdecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CommandFrameParser parser;
    QByteArray stream;
    QList<QByteArray> frames;
    while (input.remaining_bytes()) {
        const std::string bytes = input.ConsumeRandomLengthString(300);
        const QByteArray chunk(bytes.data(), qsizetype(bytes.size()));
        stream += chunk;
        frames += parser.feed(chunk);
        if (input.ConsumeBool())
            frames += parser.flush();
    }
    frames += parser.flush();
    FUZZ_REQUIRE(parser.pendingSize() == 0);

    qsizetype from = 0;
    for (const QByteArray &frame : frames) {
        FUZZ_REQUIRE(frame.size() >= FrameOverhead);
        FUZZ_REQUIRE(frame == buildFrame(quint8(frame[3]), frame.mid(4, frame.size() - FrameOverhead)));
        from = stream.indexOf(frame, from);
        FUZZ_REQUIRE(from >= 0);
        from += frame.size();

        QString error;
        const auto row = decodeRowFrame(frame, &error);
        FUZZ_REQUIRE(row.has_value() == error.isEmpty());
    }
    return 0;
}
