#pragma once

#include "downloadframes.h"
#include "inputrules.h"
#include "itemtexts.h"
#include "recordchecks.h"

#include <QRandomGenerator>

// Telegram tables as the window holds them, filled with varied rows from a
// seed: telegrams of 1 to 64 bytes and acknowledgements of none to 32, in
// upper or lower case, every type, length and baud rate, read rows without a
// value, values up to the limit of their length.
class SampleTables
{
public:
    explicit SampleTables(quint32 seed)
        : random(seed)
    {}

    DownloadTables make(int rows485ToKnxW, int rows1Byte, int rowsKnxTo485W)
    {
        DownloadTables tables;
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
        Tele485ToKnxW record;
        record.name = QStringLiteral("485 row %1").arg(row);
        record.telegram = telegram(1, MostTelegramBytes);
        record.ack = telegram(0, MostAckBytes);
        record.ntype = pick(type485ToKnxTexts());
        record.addr = address();
        record.length = pick(lengthTexts());
        record.value = valueFor(record.ntype, record.length);
        return record;
    }

    Tele1Byte row1Byte(int row)
    {
        Tele1Byte record;
        record.name = QStringLiteral("1-byte row %1").arg(row);
        record.telegram_p = telegram(1, MostTelegramBytes);
        record.ack_p = telegram(0, MostAckBytes);
        record.telegram_n = telegram(1, MostTelegramBytes);
        record.ack_n = telegram(0, MostAckBytes);
        record.addr = address();
        record.length = QStringLiteral("1 byte");
        record.min = QString::number(random.bounded(256));
        record.max = QString::number(random.bounded(256));
        record.interval = QString::number(random.bounded(1, 256));
        return record;
    }

    TeleKnxTo485W rowKnxTo485W(int row)
    {
        TeleKnxTo485W record;
        record.name = QStringLiteral("KNX row %1").arg(row);
        record.ntype = pick(typeKnxTo485Texts());
        record.baudrate = pick(baudRateTexts());
        record.addr = address();
        record.length = pick(lengthTexts());
        record.value = valueFor(record.ntype, record.length);
        record.telegram = telegram(1, MostTelegramBytes);
        return record;
    }

private:
    QString pick(const QStringList &items) { return items.at(random.bounded(int(items.size()))); }

    QString telegram(int fewest, int most)
    {
        const int count = random.bounded(fewest, most + 1);
        QByteArray bytes(count, '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        const QString text = QString::fromLatin1(bytes.toHex(' '));
        return random.bounded(2) ? text.toUpper() : text;
    }

    QString address()
    {
        return QStringLiteral("%1/%2/%3")
            .arg(random.bounded(16))
            .arg(random.bounded(8))
            .arg(random.bounded(1, 256));
    }

    QString valueFor(const QString &type, const QString &length)
    {
        if (type == QLatin1String("read"))
            return QString();
        const ValueRange range = valueRangeOfLength(int(lengthTexts().indexOf(length)));
        return QString::number(random.bounded(range.minimum, range.maximum + 1));
    }

    QRandomGenerator random;
};
