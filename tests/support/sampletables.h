#pragma once

#include "downloadframes.h"
#include "inputrules.h"
#include "itemtexts.h"
#include "recordchecks.h"

#include <QRandomGenerator>

// Telegram tables as the window holds them, filled with varied rows from a
// seed: telegrams of 1 to 64 bytes and acknowledgements of none to 32, in
// upper or lower case, every type, length and baud rate, read rows without a
// value, values up to the limit of their length. Each row's cells are drawn in
// column order.
class SampleTables
{
public:
    explicit SampleTables(quint32 seed)
        : random(seed)
    {}

    TelegramTables make(int rows485ToKnxW, int rows1Byte, int rowsKnxTo485W)
    {
        TelegramTables tables;
        for (int row = 0; row < rows485ToKnxW; ++row)
            tables.rows485ToKnxW << row485ToKnxW(row);
        for (int row = 0; row < rows1Byte; ++row)
            tables.rows1Byte << row1Byte(row);
        for (int row = 0; row < rowsKnxTo485W; ++row)
            tables.rowsKnxTo485W << rowKnxTo485W(row);
        return tables;
    }

    Tele485ToKnxW row485ToKnxW(int row)
    {
        auto record = recordFromCells<Tele485ToKnxW>(
            QStringList() << QStringLiteral("485 row %1").arg(row) << telegram(1, MostTelegramBytes)
                          << telegram(0, MostAckBytes) << pick(type485ToKnxTexts()) << address()
                          << pick(lengthTexts()));
        record.value = valueFor(record.ntype, record.length);
        return record;
    }

    Tele1Byte row1Byte(int row)
    {
        return recordFromCells<Tele1Byte>(
            QStringList() << QStringLiteral("1-byte row %1").arg(row)
                          << telegram(1, MostTelegramBytes) << telegram(0, MostAckBytes)
                          << telegram(1, MostTelegramBytes) << telegram(0, MostAckBytes)
                          << address() << QStringLiteral("1 byte") << number(0, 255)
                          << number(0, 255) << number(1, 255));
    }

    TeleKnxTo485W rowKnxTo485W(int row)
    {
        auto record = recordFromCells<TeleKnxTo485W>(
            QStringList() << QStringLiteral("KNX row %1").arg(row) << pick(typeKnxTo485Texts())
                          << pick(baudRateTexts()) << address() << pick(lengthTexts()));
        record.value = valueFor(record.ntype, record.length);
        record.telegram = telegram(1, MostTelegramBytes);
        return record;
    }

private:
    QString pick(const QStringList &items) { return items.at(random.bounded(int(items.size()))); }
    QString number(int low, int high) { return QString::number(random.bounded(low, high + 1)); }

    QString telegram(int fewest, int most)
    {
        QByteArray bytes(random.bounded(fewest, most + 1), '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        const QString text = QString::fromLatin1(bytes.toHex(' '));
        return random.bounded(2) ? text.toUpper() : text;
    }

    QString address()
    {
        return (QStringList() << number(0, 15) << number(0, 7) << number(1, 255)).join('/');
    }

    QString valueFor(const QString &type, const QString &length)
    {
        const ValueRange range = valueRangeOfLength(int(lengthTexts().indexOf(length)));
        return type == QLatin1String("read") ? QString() : number(range.minimum, range.maximum);
    }

    QRandomGenerator random;
};

// Rows of each kind for the commissioning check: three 485-to-KNX rows, a
// 1-byte row, and three KNX-to-485 rows, the second at another baud rate,
// the third a read without a value (skipped).
inline TelegramTables checkSampleTables()
{
    TelegramTables tables;
    tables.setCells(TelegramTable::Tele485ToKnxW,
                    {{"Light", "01 02 03", "0A 0B", "write", "1/2/3", "1 bit", "1"},
                     {"Temperature", "07", "", "write", "1/2/30", "2 byte", "3098"},
                     {"Status", "01 02", "", "read", "1/2/10", "1 byte", ""}});
    tables.setCells(TelegramTable::Tele1Byte,
                    {{"Dimmer", "11", "21", "12", "22", "2/3/4", "1 byte", "100", "200", "60"}});
    tables.setCells(TelegramTable::TeleKnxTo485W,
                    {{"Blind", "write", "9600", "3/4/5", "1 bit", "1", "AA 01"},
                     {"Fan", "write", "115200", "3/4/25", "1 byte", "200", "AA 03"},
                     {"Lamp", "read", "9600", "3/4/35", "1 byte", "", "AA 04"}});
    return tables;
}
