// The RFC 2217 line's telnet reader on any stream in any pieces. Built from a
// script of data runs (0xFF among them), negotiations, subnegotiations and
// other commands, the stream gives back exactly the data, IAC IAC as one 0xFF,
// and exactly the commands, wherever it is split; no command byte reaches the
// data. On any bytes at all, the pieces change nothing.

#include "fuzzchecks.h"
#include "telnet.h"
#include "telnetreader.h"
#include "telnetwriter.h"

namespace {
QByteArray bytesOf(FuzzedDataProvider &input, size_t most)
{
    const std::string bytes = input.ConsumeRandomLengthString(most);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The stream fed in pieces of the input's choosing.
TelnetInput readInPieces(const QByteArray &stream, FuzzedDataProvider &input)
{
    TelnetReader reader;
    TelnetInput all;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype size = input.remaining_bytes()
                                   ? input.ConsumeIntegralInRange<qsizetype>(1, 16)
                                   : stream.size() - at;
        const TelnetInput piece = reader.feed(stream.mid(at, size));
        all.data += piece.data;
        all.commands += piece.commands;
        at += size;
    }
    return all;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QByteArray stream;
    TelnetInput expected;
    const int items = input.ConsumeIntegralInRange(0, 12);
    for (int item = 0; item < items && input.remaining_bytes(); ++item) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const QByteArray bytes = bytesOf(input, 24);
            expected.data += bytes;
            stream += telnetData(bytes);
            break;
        }
        case 1: {
            const TelnetCommand command{
                input.ConsumeIntegralInRange<quint8>(Telnet::Will, Telnet::Dont),
                input.ConsumeIntegral<quint8>(), QByteArray()};
            expected.commands << command;
            stream += telnetNegotiation(command.verb, command.option);
            break;
        }
        case 2: {
            const TelnetCommand command{Telnet::Sb, input.ConsumeIntegral<quint8>(),
                                        bytesOf(input, 40)};
            expected.commands << command;
            stream += telnetSubnegotiation(command.option, command.parameters);
            break;
        }
        default: // NOP, DM, BRK, IP, AO, AYT, EC, EL, GA: dropped
            stream += char(Telnet::Iac);
            stream += char(input.ConsumeIntegralInRange<quint8>(241, 249));
            break;
        }
    }
    const TelnetInput read = readInPieces(stream, input);
    FUZZ_REQUIRE(read.data == expected.data);
    FUZZ_REQUIRE(read.commands == expected.commands);

    const QByteArray any = bytesOf(input, 512);
    TelnetReader whole;
    const TelnetInput atOnce = whole.feed(any);
    const TelnetInput pieces = readInPieces(any, input);
    FUZZ_REQUIRE(pieces.data == atOnce.data && pieces.commands == atOnce.commands);
    FUZZ_REQUIRE(atOnce.data.size() <= any.size());
    for (const TelnetCommand &command : atOnce.commands)
        FUZZ_REQUIRE(command.parameters.size() <= TelnetReader::MaxParameters);
    return 0;
}
