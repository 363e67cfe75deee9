// Download frames from any cell texts (an imported file can hold anything):
// every frame has its kind's size and framing, and the gateway's decoder reads
// back exactly the bytes the counts and sums cover.

#include "byteforms.h"
#include "downloadframes.h"
#include "fuzzchecks.h"
#include "itemtexts.h"
#include "rowdecoding.h"

namespace {
void requireFramed(const QByteArray &frame, int size)
{
    FUZZ_REQUIRE(frame.size() == size);
    FUZZ_REQUIRE(quint8(frame[0]) == FrameStart0 && quint8(frame[1]) == FrameStart1);
    FUZZ_REQUIRE(quint8(frame[2]) == size - 4 && quint8(frame.back()) == FrameEnd);
    const quint16 sum = byteSum(frame.left(size - 3));
    FUZZ_REQUIRE(quint8(frame[size - 3]) == sum >> 8 && quint8(frame[size - 2]) == (sum & 0xFF));
}

// The bytes a block of the frame carries, as the decoder reads them back.
void requireSent(const QString &decoded, const QString &cell, int slotCount)
{
    FUZZ_REQUIRE(telegramBytes(decoded) == telegramBytes(cell).left(slotCount));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const quint16 row = input.ConsumeIntegral<quint16>();
    QString error;

    const Tele485ToKnxW w485{QString(), fuzzText(input, 400), fuzzText(input, 200),
                             fuzzItem(input, type485ToKnxTexts()), fuzzText(input, 12),
                             fuzzItem(input, lengthTexts()), fuzzText(input, 8)};
    const QByteArray frame485 = row485ToKnxWFrame(row, w485);
    requireFramed(frame485, Row485ToKnxWFrameSize);
    const auto decoded485 = decodeRow485ToKnxW(frame485, &error);
    FUZZ_REQUIRE(decoded485 && decoded485->row == row);
    requireSent(decoded485->record.telegram, w485.telegram, TelegramSlots);
    requireSent(decoded485->record.ack, w485.ack, AckSlots);
    FUZZ_REQUIRE(groupAddressBytes(decoded485->record.addr) == groupAddressBytes(w485.addr));

    const Tele1Byte oneByte{QString(), fuzzText(input, 400), fuzzText(input, 200),
                            fuzzText(input, 400), fuzzText(input, 200), fuzzText(input, 12),
                            fuzzItem(input, lengthTexts()), fuzzText(input, 5),
                            fuzzText(input, 5), fuzzText(input, 5)};
    const QByteArray frame1 = row1ByteFrame(row, oneByte);
    requireFramed(frame1, Row1ByteFrameSize);
    const auto decoded1 = decodeRow1Byte(frame1, &error);
    FUZZ_REQUIRE(decoded1 && decoded1->row == (row & 0xFF));
    requireSent(decoded1->record.telegram_p, oneByte.telegram_p, TelegramSlots);
    requireSent(decoded1->record.telegram_n, oneByte.telegram_n, TelegramSlots);
    requireSent(decoded1->record.ack_p, oneByte.ack_p, AckSlots);
    requireSent(decoded1->record.ack_n, oneByte.ack_n, AckSlots);

    const TeleKnxTo485W knx{QString(), fuzzItem(input, typeKnxTo485Texts()),
                            fuzzItem(input, baudRateTexts()), fuzzText(input, 12),
                            fuzzItem(input, lengthTexts()), fuzzText(input, 8), fuzzText(input, 400)};
    const QByteArray frameKnx = rowKnxTo485WFrame(row, knx);
    requireFramed(frameKnx, RowKnxTo485WFrameSize);
    const auto decodedKnx = decodeRowKnxTo485W(frameKnx, &error);
    FUZZ_REQUIRE(decodedKnx && decodedKnx->row == row);
    requireSent(decodedKnx->record.telegram, knx.telegram, TelegramSlots);
    if (baudRateTexts().contains(knx.baudrate))
        FUZZ_REQUIRE(decodedKnx->record.baudrate == knx.baudrate);
    return 0;
}
