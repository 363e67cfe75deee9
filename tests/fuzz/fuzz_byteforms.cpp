// The byte forms of any cell text are defined and bounded: one byte per
// pair, two for an address.

#include "byteforms.h"
#include "fuzzchecks.h"
#include "testtelegram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString telegram = fuzzText(input, 400);
    const QByteArray bytes = telegramBytes(telegram);
    FUZZ_REQUIRE(bytes.size() == (telegram.isEmpty() ? 0 : telegram.count(QLatin1Char(' ')) + 1));

    const std::optional<QByteArray> test = testTelegramBytes(telegram);
    FUZZ_REQUIRE(test.has_value() == (!telegram.isEmpty() && telegram.size() % 3 == 2));
    if (test)
        FUZZ_REQUIRE(test->size() ==
                     telegram.count(QLatin1Char(' ')) + telegram.count(QLatin1Char('-')) + 1);

    const QString address = fuzzText(input, 30);
    const QByteArray addressBytes = groupAddressBytes(address);
    FUZZ_REQUIRE(addressBytes.size() == 2);
    return 0;
}
