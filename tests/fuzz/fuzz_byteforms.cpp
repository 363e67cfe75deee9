// The byte forms of any cell text are defined and bounded.

#include "byteforms.h"
#include "fuzzchecks.h"
#include "testtelegram.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString telegram = fuzzText(input, 400);
    const QByteArray bytes = telegramBytes(telegram);
    FUZZ_REQUIRE(bytes.size() == (telegram.isEmpty() ? 0 : telegram.count(QLatin1Char(' ')) + 1));

    const std::optional<QByteArray> test = testTelegramBytes(telegram);
    FUZZ_REQUIRE(test.has_value() == (!telegram.isEmpty() && telegram.size() % 3 == 2));
    if (test)
        FUZZ_REQUIRE(test->size() == telegram.count(QLatin1Char(' ')) +
                                         telegram.count(QLatin1Char('-')) + 1);

    const QString address = fuzzText(input, 30);
    const QByteArray addressBytes = groupAddressBytes(address);
    FUZZ_REQUIRE(addressBytes.size() == 2);
    static const QRegularExpression numbers(QStringLiteral("^([0-9]{1,3})/([0-9]{1,3})/([0-9]{1,3})$"));
    const QRegularExpressionMatch match = numbers.match(address);
    if (match.hasMatch()) {
        const int main = match.captured(1).toInt() % 256 & 0x1F;
        const int middle = match.captured(2).toInt() % 256 & 0x07;
        const int sub = match.captured(3).toInt() % 256;
        FUZZ_REQUIRE(quint8(addressBytes[0]) == main * 8 + middle);
        FUZZ_REQUIRE(quint8(addressBytes[1]) == sub);
    }
    return 0;
}
