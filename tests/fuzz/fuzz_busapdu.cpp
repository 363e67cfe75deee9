// Group telegrams from knxd as the virtual gateway reads them: any bytes after
// a group address. A value read back encodes to the same APDU, any value that
// fits a length survives encoding and decoding, and KNX-to-485 rows act only
// on telegrams of their address.
//
// Seeds (corpus/fuzz_busapdu): the group address, high byte first, then the APDU.

#include "busapdu.h"
#include "fuzzchecks.h"
#include "itemtexts.h"
#include "workingrules.h"

namespace {
// A row of each type and length to 0/0/1, value 1 where it has one.
TelegramTables knxRows()
{
    QList<QStringList> rows;
    for (const QString &type : typeKnxTo485Texts())
        for (const QString &length : lengthTexts())
            rows << QStringList{"",     type,
                                "9600", "0/0/1",
                                length, type == typeKnxTo485Texts().at(ReadTypeIndex) ? "" : "1",
                                "AA"};
    TelegramTables tables;
    tables.setCells(TelegramTable::TeleKnxTo485W, rows);
    return tables;
}

void checkRoundTrips(uint value)
{
    for (const QString &length : lengthTexts()) {
        for (BusService service : {BusService::Write, BusService::Response}) {
            const std::optional<QByteArray> apdu = busApdu(service, length, value);
            FUZZ_REQUIRE(apdu.has_value() == (value < (1u << busValueBits(length))));
            if (apdu)
                FUZZ_REQUIRE(busServiceOf(*apdu) == service && busValueOf(*apdu, length) == value);
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const BusTelegram telegram{
        0x1101, quint16(data[0] << 8 | data[1]),
        QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2))};
    checkRoundTrips(telegram.group);
    FUZZ_REQUIRE(!describeBusTelegram(telegram).isEmpty());

    const std::optional<BusService> service = busServiceOf(telegram.apdu);
    for (const QString &length : lengthTexts()) {
        const std::optional<uint> value = busValueOf(telegram.apdu, length);
        if (!service || service == BusService::Read || !value)
            continue;
        const int bits = busValueBits(length);
        QByteArray sent = telegram.apdu;
        if (bits > 6)
            sent[1] = char(quint8(sent.at(1)) & 0xC0); // bits unused beside data bytes
        if (*value < (1u << bits))
            FUZZ_REQUIRE(busApdu(*service, length, *value) == sent);
    }

    static const TelegramTables tables = knxRows();
    const QList<RowAction> actions = WorkingRules().busTelegram(tables, telegram);
    FUZZ_REQUIRE(actions.isEmpty() || (service && telegram.group == 1));
    for (const RowAction &action : actions)
        FUZZ_REQUIRE(action.line == QByteArray("\xAA"));
    return 0;
}
