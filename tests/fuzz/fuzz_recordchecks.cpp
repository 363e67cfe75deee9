// Record checks and normalisation on any editor texts: what they accept is
// well formed, in cell form, and accepted again unchanged.

#include "fuzzchecks.h"
#include "inputrules.h"
#include "itemtexts.h"
#include "recordchecks.h"

#include <QRegularExpression>

namespace {
bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(pattern).match(text).hasMatch();
}

bool isCellTelegram(const QString &text, int mostBytes)
{
    return matches(QStringLiteral("^[0-9a-fA-F]{2}( [0-9a-fA-F]{2}){0,%1}$").arg(mostBytes - 1),
                   text);
}

bool isCellAddress(const QString &text)
{
    return matches(groupAddressCellPattern(), text) && text != QLatin1String("0/0/0");
}

template <typename Record> void requireStable(const Record &checked)
{
    const std::optional<Record> again = checkRecord(checked);
    FUZZ_REQUIRE(again && cellsOf(*again) == cellsOf(checked));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const Tele485ToKnxW w485{fuzzText(input, 20), fuzzText(input), fuzzText(input, 100),
                             fuzzItem(input, type485ToKnxTexts()), fuzzText(input, 12),
                             fuzzItem(input, lengthTexts()), fuzzText(input, 6)};
    if (const auto checked = checkRecord(w485)) {
        FUZZ_REQUIRE(isCellTelegram(checked->telegram, MostTelegramBytes));
        FUZZ_REQUIRE(checked->ack.isEmpty() || isCellTelegram(checked->ack, MostAckBytes));
        FUZZ_REQUIRE(isCellAddress(checked->addr));
        FUZZ_REQUIRE(checked->value == (checked->ntype == "read" ? QString() : w485.value));
        requireStable(*checked);
    }

    const Tele1Byte oneByte{fuzzText(input, 20), fuzzText(input),    fuzzText(input, 100),
                            fuzzText(input),     fuzzText(input, 100), fuzzText(input, 12),
                            fuzzItem(input, lengthTexts()), fuzzText(input, 4),
                            fuzzText(input, 4),  fuzzText(input, 4)};
    if (const auto checked = checkRecord(oneByte)) {
        FUZZ_REQUIRE(isCellTelegram(checked->telegram_p, MostTelegramBytes));
        FUZZ_REQUIRE(isCellTelegram(checked->telegram_n, MostTelegramBytes));
        FUZZ_REQUIRE(isCellAddress(checked->addr));
        requireStable(*checked);
    }

    const TeleKnxTo485W knx{fuzzText(input, 20), fuzzItem(input, typeKnxTo485Texts()),
                            fuzzItem(input, baudRateTexts()), fuzzText(input, 12),
                            fuzzItem(input, lengthTexts()), fuzzText(input, 6), fuzzText(input)};
    if (const auto checked = checkRecord(knx)) {
        FUZZ_REQUIRE(isCellTelegram(checked->telegram, MostTelegramBytes));
        FUZZ_REQUIRE(baudRateTexts().contains(checked->baudrate));
        FUZZ_REQUIRE(checked->value == (checked->ntype == "read" ? QString() : knx.value));
        requireStable(*checked);
    }
    return 0;
}
