#include "datapointcodec.h"
#include "datapointgateway.h"
#include "datapointid.h"
#include "datarows.h"

#include <QTest>

namespace {
DatapointType typeOf(const QString &text)
{
    const std::optional<DatapointType> type = parseDatapointType(text);
    if (!type)
        qFatal("no datapoint type: %s", qPrintable(text));
    return *type;
}

// Hexadecimal pairs, or after a quote a text padded to 14 bytes in Latin-1.
QByteArray bytesOf(const QString &cell)
{
    if (!cell.startsWith('\''))
        return QByteArray::fromHex(cell.toLatin1());
    const QByteArray text = cell.mid(1).toLatin1();
    return text + QByteArray(14 - text.size(), '\0');
}

// Comparable forms with readable failures.
QString shown(const std::optional<QString> &text)
{
    return text ? '"' + *text + '"' : QStringLiteral("no value");
}

QString shown(const std::optional<QByteArray> &bytes)
{
    return bytes ? QString::fromLatin1(bytes->toHex(' ').toUpper()) : QStringLiteral("no bytes");
}

const QString notANumber = QStringLiteral("\"%1\" is not a number from %2 to %3");
} // namespace

class TestDatapoints : public QObject
{
    Q_OBJECT

private slots:
    // Text, dotted form (empty: refused), name, unit.
    void readsTypeIds_data()
    {
        addColumns({"text", "dotted", "name", "unit"});
        addRows({"DPST-9-1 | 9.001 | temperature (°C) | °C", "DPT-9 | 9 | 2-byte float value | ",
                 "9.1 | 9.001 | temperature (°C) | °C", " dpst-1-1  | 1.001 | switch | ",
                 "DPT 5.001 | 5.001 | percentage (0..100 %) | %",
                 "DPST-1-1200 | 1.1200 | boolean | ", "16.000 | 16.000 | text (ASCII) | ",
                 "DPST-20-102 | 20.102 | HVAC mode | ", "DPT-10 | 10 |  | "});
        for (const char *text : {"", "9.", ".1", "DPST-9-", "9.001.1", "DPST-1-1,DPST-1-6", "0",
                                 "DPT-0", "x9", "12345", "9,001", "DPST-9-123456"})
            QTest::newRow(qPrintable(QStringLiteral("refused \"%1\"").arg(text)))
                << text << QString() << QString() << QString();
    }

    void readsTypeIds()
    {
        QFETCH(QString, text);
        QFETCH(QString, dotted);
        QFETCH(QString, name);
        QFETCH(QString, unit);
        const std::optional<DatapointType> type = parseDatapointType(text);
        QCOMPARE(type.has_value(), !dotted.isEmpty());
        if (!type)
            return;
        QCOMPARE(dottedDatapointType(*type), dotted);
        QVERIFY(parseDatapointType(dotted) == type);
        QCOMPARE(datapointTypeName(*type), name);
        QCOMPARE(datapointUnit(*type), unit);
    }

    // Both ways: the bytes give the text, the text gives the bytes.
    void decodesAndEncodes_data()
    {
        addColumns({"type", "bytes", "text"});
        addRows({"1.001 | 00 | Off", "1.001 | 01 | On", "1.009 | 00 | Open", "1 | 01 | 1",
                 "2.001 | 03 | Control, On", "2.001 | 00 | No control, Off",
                 "3.007 | 0B | Increase, 25 %", "3.007 | 00 | Decrease, break",
                 "3.008 | 0F | Down, 1.5625 %", "5.001 | 80 | 50 %", "5.001 | FF | 100 %",
                 "5.001 | 01 | 0.4 %", "5.001 | 7F | 49.8 %", "5.003 | 40 | 90 °",
                 "5.010 | FF | 255"});
        addRows({"6.010 | 80 | -128", "7.001 | FFFF | 65535", "7.003 | 0064 | 1000 ms",
                 "8.001 | 8000 | -32768", "8.010 | 8000 | -327.68 %", "9.001 | 0C1A | 21.0 °C",
                 "9.001 | 8A24 | -30.0 °C", "9.001 | 7FFF | Invalid data", "9 | 7FFE | 670433.28",
                 "9 | F800 | -671088.64", "9 | 87FF | -0.01", "9.004 | 0000 | 0.0 lx",
                 "12.001 | FFFFFFFF | 4294967295", "13.001 | 80000000 | -2147483648",
                 "13.013 | 000004D2 | 1234 kWh"});
        addRows({"14.068 | 41AC0000 | 21.5 °C", "14 | C0490FDB | -3.1415927",
                 "14 | 00000001 | 1e-45", "14 | 80000000 | -0", "16.000 | 'KNX is OK | KNX is OK",
                 "16.000 | 'ABCDEFGHIJKLMN | ABCDEFGHIJKLMN", "16.000 | ' | ",
                 "16.001 | 'Füße | Füße", "17.001 | 3F | Scene 64", "18.001 | 80 | Learn scene 1",
                 "18.001 | 0A | Activate scene 11", "20.102 | 01 | Comfort", "20.105 | 07 | 7",
                 "232.600 | FF8000 | #FF8000", "DPST-10-1 | 0C1A00 | 0C 1A 00"});
    }

    void decodesAndEncodes()
    {
        QFETCH(QString, type);
        QFETCH(QString, bytes);
        QFETCH(QString, text);
        QCOMPARE(shown(decodeDatapoint(typeOf(type), bytesOf(bytes))), shown(text));
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), text);
        QCOMPARE(encoding.error, QString());
        QCOMPARE(shown(encoding.bytes), shown(std::optional(bytesOf(bytes))));
    }

    // What users type beside the decoder's texts.
    void acceptsTypedForms_data()
    {
        addColumns({"type", "typed", "bytes"});
        addRows({"1.001 | ON | 01", "1.001 |  off  | 00", "1.001 | 1 | 01", "1.009 | close | 01",
                 "2.001 | control on | 03", "2.001 | No control; off | 00", "2.001 | 1 1 | 03",
                 "3.007 | INCREASE, 25% | 0B", "3.007 | Break | 00", "3.007 | Decrease 1.56 % | 07",
                 "3.007 | increase 3,125 | 0E", "5.001 | 50% | 80", "5.001 | 50,0 % | 80",
                 "7.003 | 1004 ms | 0064", "8.010 | -327,68 | 8000"});
        addRows({"9.001 | 21 | 0C1A", "9.001 | 21 ℃ | 0C1A", "9.001 |   -30,0°C  | 8A24",
                 "9.001 | invalid DATA | 7FFF", "9.004 | 0 lux | 0000", "17.001 | 64 | 3F",
                 "18.001 | 5 | 04", "18.001 | Activate  Scene 64 | 3F",
                 "20.102 | building PROTECTION | 04", "20.102 | 3 | 03",
                 "232.600 | 255, 128, 0 | FF8000", "232.600 | 255 128 0 | FF8000",
                 "232.600 | #ff8000 | FF8000", "10.001 | 0c-1a-00 | 0C1A00",
                 "10.001 | 0x0C1A00 | 0C1A00"});
    }

    void acceptsTypedForms()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, bytes);
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), typed);
        QCOMPARE(encoding.error, QString());
        QCOMPARE(shown(encoding.bytes), shown(std::optional(bytesOf(bytes))));
    }

    // A number outside the type's range, with the range in the reason.
    void refusesOutOfRange_data()
    {
        addColumns({"type", "typed", "lowest", "highest"});
        addRows({"5.001 | 101 | 0 | 100", "5.001 | abc | 0 | 100", "5.003 | 361 | 0 | 360",
                 "6.010 | 128 | -128 | 127", "7.003 | 655360 | 0 | 655350",
                 "8.010 | 327.68 | -327.68 | 327.67", "9.001 | -300 | -273 | 670433.28",
                 "9.001 | 21 °F | -273 | 670433.28", "9 | 670760.96 | -671088.64 | 670433.28",
                 "9.004 | -1 lx | 0 | 670433.28", "12.001 | 4294967296 | 0 | 4294967295",
                 "13.001 | -2147483649 | -2147483648 | 2147483647",
                 "14 | 1e39 | -3.4028235e+38 | 3.4028235e+38",
                 "14 | nan | -3.4028235e+38 | 3.4028235e+38", "17.001 | Scene 0 | 1 | 64"});
    }

    void refusesOutOfRange()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, lowest);
        QFETCH(QString, highest);
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), typed);
        QCOMPARE(shown(encoding.bytes), shown(std::optional<QByteArray>()));
        QCOMPARE(encoding.error, notANumber.arg(typed, lowest, highest));
    }

    void refusesWithReason_data()
    {
        addColumns({"type", "typed", "error"});
        addRows({"1.001 | maybe | \"maybe\" is not one of Off, On",
                 "1.009 | On | \"On\" is not one of Open, Close",
                 "2.001 | On | \"On\" is not one of No control, Control followed by one of Off, On",
                 "3.007 | Increase 30 % | \"Increase 30 %\" is not one of Decrease, Increase "
                 "followed by one of break, 100 %, 50 %, 25 %, 12.5 %, 6.25 %, 3.125 %, 1.5625 %",
                 "5.010 | 1.5 | \"1.5\" is not a whole number from 0 to 255",
                 "16.000 | Füße | \"Füße\" holds \"ü\", which this type cannot carry",
                 "16.001 | 中文 | \"中文\" holds \"中\", which this type cannot carry",
                 "16.001 | ABCDEFGHIJKLMNO | \"ABCDEFGHIJKLMNO\" is longer than 14 characters",
                 "18.001 | Learn scene 65 | \"Learn scene 65\" is not a scene from 1 to 64 to "
                 "activate or learn, such as \"Learn scene 5\"",
                 "20.102 | 5 | \"5\" is not one of Auto, Comfort, Standby, Economy, Building "
                 "protection",
                 "232.600 | 256, 0, 0 | \"256, 0, 0\" is not a colour written as #RRGGBB or as "
                 "three numbers from 0 to 255",
                 "10.001 | 0C1 | \"0C1\" is not 1 to 254 bytes written as hexadecimal pairs",
                 "10.001 |  | \"\" is not 1 to 254 bytes written as hexadecimal pairs"});
    }

    void refusesWithReason()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, error);
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), typed);
        QCOMPARE(shown(encoding.bytes), shown(std::optional<QByteArray>()));
        QCOMPARE(encoding.error, error);
    }

    // Decoding reads only the type's bits; other sizes and reserved codes are
    // no value (an empty text).
    void decodesOnlyValues_data()
    {
        addColumns({"type", "bytes", "text"});
        addRows({"1.001 | 81 | On", "17.001 | C0 | Scene 1", "18.001 | 40 | Activate scene 1",
                 "16.000 | 4F4B006A756E6B00000000000000 | OK", "1.001 |  | ", "5.001 | 8000 | ",
                 "9.001 | 0C | ", "16.000 | 41414141414141414141414141 | ", "16.000 | '\u0080 | ",
                 "20.102 | 05 | ", "10.001 |  | "});
    }

    void decodesOnlyValues()
    {
        QFETCH(QString, type);
        QFETCH(QString, bytes);
        QFETCH(QString, text);
        QCOMPARE(shown(decodeDatapoint(typeOf(type), bytesOf(bytes))),
                 shown(text.isEmpty() ? std::nullopt : std::optional(text)));
    }

    void convertsGatewayValues_data()
    {
        addColumns({"type", "typed", "number", "text"});
        addRows({"9.001 | 21 | 3098 | 21.0 °C", "9.001 | -30 | 35364 | -30.0 °C",
                 "1.001 | on | 1 | On", "3.007 | Increase 25 % | 11 | Increase, 25 %",
                 "6.010 | -1 | 255 | -1", "8.001 | -32768 | 32768 | -32768",
                 "17.001 | Scene 64 | 63 | Scene 64",
                 "18.001 | Learn scene 1 | 128 | Learn scene 1"});
    }

    void convertsGatewayValues()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, text);
        const GatewayValue value = gatewayValue(typeOf(type), typed);
        QCOMPARE(value.error, QString());
        QCOMPARE(value.number.value_or(0xDEAD0000), number.toUInt());
        QCOMPARE(shown(gatewayValueText(typeOf(type), number.toUInt())), shown(text));
    }

    void refusesGatewayValues()
    {
        const std::optional<QString> none;
        for (const auto &[type, number] :
             {std::pair("1.001", 2), std::pair("17.001", 64), std::pair("9.001", 0x10000),
              std::pair("20.102", 5), std::pair("14.056", 0)})
            QCOMPARE(shown(gatewayValueText(typeOf(type), uint(number))), shown(none));
        const GatewayValue longer = gatewayValue(typeOf("14.056"), "1");
        QVERIFY(!longer.number);
        QCOMPARE(longer.error, QString("A row of the gateway cannot carry a value of 14.056"));
        const GatewayValue cold = gatewayValue(typeOf("9.001"), "-300");
        QVERIFY(!cold.number);
        QCOMPARE(cold.error, notANumber.arg("-300", "-273", "670433.28"));
    }
};

QTEST_GUILESS_MAIN(TestDatapoints)
#include "tst_datapoints.moc"
