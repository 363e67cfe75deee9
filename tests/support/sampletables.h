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
