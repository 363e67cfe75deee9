// Received bytes in any chunks, shown in either form: lines stay bounded and
// every byte is shown, zero bytes and line ends aside in the text form.

#include "frame.h"
#include "fuzzchecks.h"
#include "receivedtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    ReceivedText text;
    QString shown;
    qsizetype hexBytes = 0;
    qsizetype textCharacters = 0;
    while (input.remaining_bytes()) {
        const bool hex = input.ConsumeBool();
        const std::string bytes = input.ConsumeRandomLengthString(300);
        const QByteArray chunk(bytes.data(), qsizetype(bytes.size()));
        FUZZ_REQUIRE(byteArrayToHexStr(chunk).size() == 3 * chunk.size());
        shown += text.append(chunk, hex);
        if (hex)
            hexBytes += chunk.size();
        else
            textCharacters +=
                chunk.size() - chunk.count('\0') - chunk.count('\r') - chunk.count('\n');
    }
    for (const QString &line : shown.split(QLatin1Char('\n')))
        FUZZ_REQUIRE(line.size() <= ReceivedText::LineLength);
    FUZZ_REQUIRE(!shown.contains(QChar(0)) && !shown.contains(QLatin1Char('\r')));
    FUZZ_REQUIRE(shown.size() - shown.count(QLatin1Char('\n')) == 3 * hexBytes + textCharacters);

    // A scan answer's settings are always items of their lists.
    const QByteArray block =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(qMin<size_t>(size, 16)));
    if (block.size() >= ScanAnswerLength) {
        const SerialSettings settings = scanAnswerSettings(block);
        FUZZ_REQUIRE(settings.baudIndex >= 0 && settings.baudIndex < BaudRateItems);
        FUZZ_REQUIRE(settings.stopBitIndex >= 0 && settings.stopBitIndex < StopBitItems);
        FUZZ_REQUIRE(settings.parityIndex >= 0 && settings.parityIndex < ParityItems);
    }
    return 0;
}
