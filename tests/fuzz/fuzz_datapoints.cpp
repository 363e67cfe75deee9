// Group values from the bus decoded for any type, and typed ones encoded. A
// decoded text encodes again to the same bytes, but for the bits the type
// ignores, 9.x's other forms of one value (the text then stays the same) and
// values that no typed text may give (14.x's NaN and infinities, a negative
// 9.x value where the subtype has none). Whatever encodes decodes to a text
// that encodes to the same bytes; the gateway's numbers do the same.

#include "datapointcodec.h"
#include "datapointgateway.h"
#include "fuzzchecks.h"

namespace {
const QStringList types = {"1.001",  "1.008",   "1.019",  "1",        "2.001",  "2",      "3.007",
                           "3.008",  "3",       "5.001",  "5.003",    "5.004",  "5.010",  "5",
                           "6.001",  "6.010",   "7.001",  "7.003",    "7.600",  "8.001",  "8.010",
                           "9.001",  "9.004",   "9.027",  "9",        "12.001", "12.100", "13.013",
                           "14.056", "14",      "16.000", "16.001",   "17.001", "18.001", "20.102",
                           "20.105", "232.600", "10.001", "DPST-19-1"};

// The bytes without what the type ignores.
QByteArray significant(DatapointType type, QByteArray bytes)
{
    if (isShortDatapoint(type))
        bytes[0] = char(bytes[0] & ((1 << datapointBits(type)) - 1));
    else if (type.mainNumber == 17)
        bytes[0] = char(bytes[0] & 0x3F);
    else if (type.mainNumber == 18)
        bytes[0] = char(bytes[0] & 0xBF);
    else if (type.mainNumber == 16 && bytes.indexOf('\0') >= 0)
        bytes =
            bytes.left(bytes.indexOf('\0')) + QByteArray(bytes.size() - bytes.indexOf('\0'), '\0');
    return bytes;
}

bool isUntypable(DatapointType type, const QString &text)
{
    if (type.mainNumber == 14)
        return text == QLatin1String("NaN") || text == QLatin1String("inf") ||
               text == QLatin1String("-inf");
    return type.mainNumber == 9 && text.startsWith(QLatin1Char('-'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::optional<DatapointType> type = parseDatapointType(fuzzItem(input, types));
    if (!type)
        return 0;
    const int known = datapointSize(*type);
    const size_t count = input.ConsumeBool() && known > 0
                             ? size_t(known)
                             : input.ConsumeIntegralInRange<size_t>(0, 20);
    const std::string raw = input.ConsumeBytesAsString(count);
    const QByteArray bytes(raw.data(), qsizetype(raw.size()));

    const std::optional<QString> text = decodeDatapoint(*type, bytes);
    if (text) {
        FUZZ_REQUIRE(known == 0 || bytes.size() == known);
        const DatapointEncoding again = encodeDatapoint(*type, *text);
        FUZZ_REQUIRE(again.bytes.has_value() == again.error.isEmpty());
        if (!again.bytes)
            FUZZ_REQUIRE(isUntypable(*type, *text));
        else if (type->mainNumber == 9)
            FUZZ_REQUIRE(decodeDatapoint(*type, *again.bytes) == text);
        else
            FUZZ_REQUIRE(*again.bytes == significant(*type, bytes));
    }

    const QString typed = fuzzText(input, 40);
    const DatapointEncoding encoded = encodeDatapoint(*type, typed);
    FUZZ_REQUIRE(encoded.bytes.has_value() == encoded.error.isEmpty());
    if (encoded.bytes) {
        FUZZ_REQUIRE(known == 0 || encoded.bytes->size() == known);
        const std::optional<QString> shown = decodeDatapoint(*type, *encoded.bytes);
        FUZZ_REQUIRE(shown && encodeDatapoint(*type, *shown).bytes == encoded.bytes);
    }

    const int bits = gatewayValueBits(*type);
    if (bits > 0) {
        const uint number = input.ConsumeIntegralInRange<uint>(0, (2u << bits) - 1);
        const std::optional<QString> rowText = gatewayValueText(*type, number);
        FUZZ_REQUIRE(!rowText || number >> bits == 0);
        if (rowText) {
            const GatewayValue back = gatewayValue(*type, *rowText);
            if (back.number)
                FUZZ_REQUIRE(gatewayValueText(*type, *back.number) == rowText);
            else
                FUZZ_REQUIRE(isUntypable(*type, *rowText));
        }
    }
    return 0;
}
