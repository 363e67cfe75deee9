#include "datapointcodec.h"
#include "datapointgateway.h"
#include "datapointid.h"

#include <QTest>

namespace {
DatapointType typeOf(const QString &text)
{
    const std::optional<DatapointType> type = parseDatapointType(text);
    if (!type)
        qFatal("no datapoint type: %s", qPrintable(text));
    return *type;
}

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

QByteArray padded(const QByteArray &text)
{
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
    void readsTypeIds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dotted"); // empty: refused
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::newRow("ETS subtype") << "DPST-9-1"
                                     << "9.001"
                                     << "temperature (°C)"
                                     << "°C";
        QTest::newRow("ETS main type") << "DPT-9"
                                       << "9"
                                       << "2-byte float value"
                                       << "";
        QTest::newRow("dotted") << "9.001"
                                << "9.001"
                                << "temperature (°C)"
                                << "°C";
        QTest::newRow("dotted short") << "9.1"
                                      << "9.001"
                                      << "temperature (°C)"
                                      << "°C";
        QTest::newRow("main alone, blanks") << " 9 "
                                            << "9"
                                            << "2-byte float value"
                                            << "";
        QTest::newRow("lower case") << "dpst-1-1"
                                    << "1.001"
                                    << "switch"
                                    << "";
        QTest::newRow("DPT and dotted") << "DPT 5.001"
                                        << "5.001"
                                        << "percentage (0..100 %)"
                                        << "%";
        QTest::newRow("four-digit sub") << "DPST-1-1200"
                                        << "1.1200"
                                        << "boolean"
                                        << "";
        QTest::newRow("sub 0") << "16.000"
                               << "16.000"
                               << "text (ASCII)"
                               << "";
        QTest::newRow("controlled") << "DPST-2-1"
                                    << "2.001"
                                    << "switch control"
                                    << "";
        QTest::newRow("lux") << "9.004"
                             << "9.004"
                             << "illuminance (lx)"
                             << "lx";
        QTest::newRow("HVAC") << "DPST-20-102"
                              << "20.102"
                              << "HVAC mode"
                              << "";
        QTest::newRow("unknown main") << "DPT-10"
                                      << "10"
                                      << ""
                                      << "";
        for (const char *text : {"", "9.", ".1", "DPST-9-", "9.001.1", "DPST-1-1,DPST-1-6", "0",
                                 "DPT-0", "x9", "12345", "9,001", "DPST-9-123456"})
            QTest::newRow(qPrintable(QStringLiteral("refused \"%1\"").arg(text))) << text << ""
                                                                                  << ""
                                                                                  << "";
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
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.001 off") << "1.001" << hex("00") << "Off";
        QTest::newRow("1.001 on") << "1.001" << hex("01") << "On";
        QTest::newRow("1.002") << "1.002" << hex("01") << "True";
        QTest::newRow("1.003") << "1.003" << hex("00") << "Disable";
        QTest::newRow("1.008") << "1.008" << hex("01") << "Down";
        QTest::newRow("1.009") << "1.009" << hex("00") << "Open";
        QTest::newRow("1.010") << "1.010" << hex("01") << "Start";
        QTest::newRow("1.019") << "1.019" << hex("01") << "Open";
        QTest::newRow("1.100") << "1.100" << hex("01") << "Heating";
        QTest::newRow("1 alone") << "1" << hex("01") << "1";
        QTest::newRow("2.001 control on") << "2.001" << hex("03") << "Control, On";
        QTest::newRow("2.001 control off") << "2.001" << hex("02") << "Control, Off";
        QTest::newRow("2.001 no control") << "2.001" << hex("00") << "No control, Off";
        QTest::newRow("2.008") << "2.008" << hex("03") << "Control, Down";
        QTest::newRow("3.007 increase 1/4") << "3.007" << hex("0B") << "Increase, 25 %";
        QTest::newRow("3.007 increase all") << "3.007" << hex("09") << "Increase, 100 %";
        QTest::newRow("3.007 decrease all") << "3.007" << hex("01") << "Decrease, 100 %";
        QTest::newRow("3.007 break") << "3.007" << hex("00") << "Decrease, break";
        QTest::newRow("3.007 break up") << "3.007" << hex("08") << "Increase, break";
        QTest::newRow("3.008 up 1/2") << "3.008" << hex("02") << "Up, 50 %";
        QTest::newRow("3.008 down 1/64") << "3.008" << hex("0F") << "Down, 1.5625 %";
        QTest::newRow("3.008 break") << "3.008" << hex("08") << "Down, break";
        QTest::newRow("5.001 50 %") << "5.001" << hex("80") << "50 %";
        QTest::newRow("5.001 0 %") << "5.001" << hex("00") << "0 %";
        QTest::newRow("5.001 100 %") << "5.001" << hex("FF") << "100 %";
        QTest::newRow("5.001 one step") << "5.001" << hex("01") << "0.4 %";
        QTest::newRow("5.001 below half") << "5.001" << hex("7F") << "49.8 %";
        QTest::newRow("5.003 90°") << "5.003" << hex("40") << "90 °";
        QTest::newRow("5.003 360°") << "5.003" << hex("FF") << "360 °";
        QTest::newRow("5.004") << "5.004" << hex("FF") << "255 %";
        QTest::newRow("5.010") << "5.010" << hex("FF") << "255";
        QTest::newRow("6.010 lowest") << "6.010" << hex("80") << "-128";
        QTest::newRow("6.001 highest") << "6.001" << hex("7F") << "127 %";
        QTest::newRow("7.001") << "7.001" << hex("FFFF") << "65535";
        QTest::newRow("7.003 in ms") << "7.003" << hex("0064") << "1000 ms";
        QTest::newRow("7.600") << "7.600" << hex("0A8C") << "2700 K";
        QTest::newRow("8.001 lowest") << "8.001" << hex("8000") << "-32768";
        QTest::newRow("8.010 lowest") << "8.010" << hex("8000") << "-327.68 %";
        QTest::newRow("8.010 100 %") << "8.010" << hex("2710") << "100.00 %";
        QTest::newRow("9.001 21 °C") << "9.001" << hex("0C1A") << "21.0 °C";
        QTest::newRow("9.001 -30 °C") << "9.001" << hex("8A24") << "-30.0 °C";
        QTest::newRow("9.001 0 °C") << "9.001" << hex("0000") << "0.0 °C";
        QTest::newRow("9 largest") << "9" << hex("7FFE") << "670433.28";
        QTest::newRow("9 smallest") << "9" << hex("F800") << "-671088.64";
        QTest::newRow("9 largest mantissa") << "9" << hex("07FF") << "20.47";
        QTest::newRow("9 -0.01") << "9" << hex("87FF") << "-0.01";
        QTest::newRow("9 invalid") << "9.001" << hex("7FFF") << "Invalid data";
        QTest::newRow("9.007") << "9.007" << hex("1465") << "45.0 %";
        QTest::newRow("9.004") << "9.004" << hex("0000") << "0.0 lx";
        QTest::newRow("9.005") << "9.005" << hex("0C1A") << "21.0 m/s";
        QTest::newRow("12.001") << "12.001" << hex("FFFFFFFF") << "4294967295";
        QTest::newRow("13.001") << "13.001" << hex("80000000") << "-2147483648";
        QTest::newRow("13.013") << "13.013" << hex("000004D2") << "1234 kWh";
        QTest::newRow("14.056 one") << "14.056" << hex("3F800000") << "1 W";
        QTest::newRow("14.068") << "14.068" << hex("41AC0000") << "21.5 °C";
        QTest::newRow("14 -pi") << "14" << hex("C0490FDB") << "-3.1415927";
        QTest::newRow("14 largest") << "14" << hex("7F7FFFFF") << "3.4028235e+38";
        QTest::newRow("14 smallest positive") << "14" << hex("00000001") << "1e-45";
        QTest::newRow("14 -0") << "14" << hex("80000000") << "-0";
        QTest::newRow("16.000 padded") << "16.000" << padded("KNX is OK") << "KNX is OK";
        QTest::newRow("16.000 full")
            << "16.000" << QByteArray("ABCDEFGHIJKLMN") << "ABCDEFGHIJKLMN";
        QTest::newRow("16.000 empty") << "16.000" << padded("") << "";
        QTest::newRow("16.001 Latin-1") << "16.001"
                                        << padded("F\xFC\xDF"
                                                  "e")
                                        << QString::fromUtf8("Füße");
        QTest::newRow("17.001 first") << "17.001" << hex("00") << "Scene 1";
        QTest::newRow("17.001 last") << "17.001" << hex("3F") << "Scene 64";
        QTest::newRow("18.001 learn 1") << "18.001" << hex("80") << "Learn scene 1";
        QTest::newRow("18.001 activate 11") << "18.001" << hex("0A") << "Activate scene 11";
        QTest::newRow("18.001 learn 64") << "18.001" << hex("BF") << "Learn scene 64";
        QTest::newRow("20.102 auto") << "20.102" << hex("00") << "Auto";
        QTest::newRow("20.102 comfort") << "20.102" << hex("01") << "Comfort";
        QTest::newRow("20.102 standby") << "20.102" << hex("02") << "Standby";
        QTest::newRow("20.102 economy") << "20.102" << hex("03") << "Economy";
        QTest::newRow("20.102 protection") << "20.102" << hex("04") << "Building protection";
        QTest::newRow("20 other") << "20.105" << hex("07") << "7";
        QTest::newRow("232.600") << "232.600" << hex("FF8000") << "#FF8000";
        QTest::newRow("unknown 10.001") << "DPST-10-1" << hex("0C1A00") << "0C 1A 00";
        QTest::newRow("unknown 19")
            << "DPT-19" << hex("7B0C1A0B1E000000") << "7B 0C 1A 0B 1E 00 00 00";
    }

    void decodesAndEncodes()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(shown(decodeDatapoint(typeOf(type), bytes)), shown(text));
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), text);
        QCOMPARE(encoding.error, QString());
        QCOMPARE(shown(encoding.bytes), shown(std::optional<QByteArray>(bytes)));
    }

    // What users type beside the decoder's texts.
    void acceptsTypedForms_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1.001 upper case") << "1.001"
                                          << "ON" << hex("01");
        QTest::newRow("1.001 blanks") << "1.001"
                                      << " off " << hex("00");
        QTest::newRow("1.001 digit") << "1.001"
                                     << "1" << hex("01");
        QTest::newRow("1.009 close") << "1.009"
                                     << "close" << hex("01");
        QTest::newRow("2.001 no comma") << "2.001"
                                        << "control on" << hex("03");
        QTest::newRow("2.001 semicolon") << "2.001"
                                         << "No control; off" << hex("00");
        QTest::newRow("2.001 digits") << "2.001"
                                      << "1 1" << hex("03");
        QTest::newRow("3.007 without %") << "3.007"
                                         << "increase 25" << hex("0B");
        QTest::newRow("3.007 upper case") << "3.007"
                                          << "INCREASE, 25%" << hex("0B");
        QTest::newRow("3.007 break alone") << "3.007"
                                           << "Break" << hex("00");
        QTest::newRow("3.007 rounded step") << "3.007"
                                            << "Decrease 1.56 %" << hex("07");
        QTest::newRow("3.007 decimal comma") << "3.007"
                                             << "increase 3,125" << hex("0E");
        QTest::newRow("5.001 number") << "5.001"
                                      << "50" << hex("80");
        QTest::newRow("5.001 unit close") << "5.001"
                                          << "50%" << hex("80");
        QTest::newRow("5.001 comma") << "5.001"
                                     << "50,0 %" << hex("80");
        QTest::newRow("7.003 rounded") << "7.003"
                                       << "1004 ms" << hex("0064");
        QTest::newRow("8.010 comma") << "8.010"
                                     << "-327,68" << hex("8000");
        QTest::newRow("9.001 whole") << "9.001"
                                     << "21" << hex("0C1A");
        QTest::newRow("9.001 comma and unit") << "9.001"
                                              << "21,0 °C" << hex("0C1A");
        QTest::newRow("9.001 one-sign unit") << "9.001" << QString::fromUtf8("21 ℃") << hex("0C1A");
        QTest::newRow("9.001 negative") << "9.001"
                                        << "  -30,0°C " << hex("8A24");
        QTest::newRow("9.004 lux") << "9.004"
                                   << "0 lux" << hex("0000");
        QTest::newRow("9.007 percent") << "9.007"
                                       << "45%" << hex("1465");
        QTest::newRow("9.001 invalid") << "9.001"
                                       << "invalid DATA" << hex("7FFF");
        QTest::newRow("14.068 comma") << "14.068"
                                      << "21,5" << hex("41AC0000");
        QTest::newRow("17.001 number") << "17.001"
                                       << "64" << hex("3F");
        QTest::newRow("17.001 lower case") << "17.001"
                                           << "scene 1" << hex("00");
        QTest::newRow("18.001 learn") << "18.001"
                                      << "learn scene 1" << hex("80");
        QTest::newRow("18.001 number") << "18.001"
                                       << "5" << hex("04");
        QTest::newRow("18.001 blanks") << "18.001"
                                       << "Activate  Scene 64" << hex("3F");
        QTest::newRow("20.102 lower case") << "20.102"
                                           << "comfort" << hex("01");
        QTest::newRow("20.102 mixed case") << "20.102"
                                           << "building PROTECTION" << hex("04");
        QTest::newRow("20.102 number") << "20.102"
                                       << "3" << hex("03");
        QTest::newRow("232.600 commas") << "232.600"
                                        << "255, 128, 0" << hex("FF8000");
        QTest::newRow("232.600 blanks") << "232.600"
                                        << "255 128 0" << hex("FF8000");
        QTest::newRow("232.600 lower hex") << "232.600"
                                           << "#ff8000" << hex("FF8000");
        QTest::newRow("unknown hyphens") << "10.001"
                                         << "0c-1a-00" << hex("0C1A00");
        QTest::newRow("unknown 0x") << "10.001"
                                    << "0x0C1A00" << hex("0C1A00");
    }

    void acceptsTypedForms()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QByteArray, bytes);
        const DatapointEncoding encoding = encodeDatapoint(typeOf(type), typed);
        QCOMPARE(encoding.error, QString());
        QCOMPARE(shown(encoding.bytes), shown(std::optional<QByteArray>(bytes)));
    }

    void refusesWithReason_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        const QString onOff = "\"%1\" is not one of Off, On";
        QTest::newRow("1.001 text") << "1.001"
                                    << "maybe" << onOff.arg("maybe");
        QTest::newRow("1.001 number") << "1.001"
                                      << "2" << onOff.arg("2");
        QTest::newRow("1.009 other subtype's text") << "1.009"
                                                    << "On"
                                                    << "\"On\" is not one of Open, Close";
        QTest::newRow("2.001 without control")
            << "2.001"
            << "On"
            << "\"On\" is not one of No control, Control followed by one of Off, On";
        QTest::newRow("3.007 no such step")
            << "3.007"
            << "Increase 30 %"
            << "\"Increase 30 %\" is not one of Decrease, Increase followed by one of break, "
               "100 %, 50 %, 25 %, 12.5 %, 6.25 %, 3.125 %, 1.5625 %";
        QTest::newRow("5.001 above") << "5.001"
                                     << "101" << notANumber.arg("101", "0", "100");
        QTest::newRow("5.001 below") << "5.001"
                                     << "-1" << notANumber.arg("-1", "0", "100");
        QTest::newRow("5.001 text") << "5.001"
                                    << "abc" << notANumber.arg("abc", "0", "100");
        QTest::newRow("5.001 empty") << "5.001"
                                     << "" << notANumber.arg("", "0", "100");
        QTest::newRow("5.001 other unit") << "5.001"
                                          << "50 °" << notANumber.arg("50 °", "0", "100");
        QTest::newRow("5.003 above") << "5.003"
                                     << "361" << notANumber.arg("361", "0", "360");
        QTest::newRow("5.010 above") << "5.010"
                                     << "256" << notANumber.arg("256", "0", "255");
        QTest::newRow("5.010 fraction") << "5.010"
                                        << "1.5"
                                        << "\"1.5\" is not a whole number from 0 to 255";
        QTest::newRow("6.010 above") << "6.010"
                                     << "128" << notANumber.arg("128", "-128", "127");
        QTest::newRow("7.001 below") << "7.001"
                                     << "-1" << notANumber.arg("-1", "0", "65535");
        QTest::newRow("7.003 above") << "7.003"
                                     << "655360" << notANumber.arg("655360", "0", "655350");
        QTest::newRow("8.001 above") << "8.001"
                                     << "32768" << notANumber.arg("32768", "-32768", "32767");
        QTest::newRow("8.010 above") << "8.010"
                                     << "327.68" << notANumber.arg("327.68", "-327.68", "327.67");
        QTest::newRow("9.001 below absolute zero")
            << "9.001"
            << "-300" << notANumber.arg("-300", "-273", "670433.28");
        QTest::newRow("9.001 other unit")
            << "9.001"
            << "21 °F" << notANumber.arg("21 °F", "-273", "670433.28");
        QTest::newRow("9 marks invalid")
            << "9"
            << "670760.96" << notANumber.arg("670760.96", "-671088.64", "670433.28");
        QTest::newRow("9 below") << "9"
                                 << "-671100"
                                 << notANumber.arg("-671100", "-671088.64", "670433.28");
        QTest::newRow("9.004 negative") << "9.004"
                                        << "-1 lx" << notANumber.arg("-1 lx", "0", "670433.28");
        QTest::newRow("12.001 above")
            << "12.001"
            << "4294967296" << notANumber.arg("4294967296", "0", "4294967295");
        QTest::newRow("13.001 below")
            << "13.001"
            << "-2147483649" << notANumber.arg("-2147483649", "-2147483648", "2147483647");
        QTest::newRow("14 above") << "14"
                                  << "1e39"
                                  << notANumber.arg("1e39", "-3.4028235e+38", "3.4028235e+38");
        QTest::newRow("14 NaN") << "14"
                                << "nan"
                                << notANumber.arg("nan", "-3.4028235e+38", "3.4028235e+38");
        QTest::newRow("16.000 not ASCII")
            << "16.000" << QString::fromUtf8("Füße")
            << QString::fromUtf8("\"Füße\" holds \"ü\", which this type cannot carry");
        QTest::newRow("16.001 not Latin-1")
            << "16.001" << QString::fromUtf8("中文")
            << QString::fromUtf8("\"中文\" holds \"中\", which this type cannot carry");
        QTest::newRow("16.001 too long") << "16.001"
                                         << "ABCDEFGHIJKLMNO"
                                         << "\"ABCDEFGHIJKLMNO\" is longer than 14 characters";
        QTest::newRow("17.001 above") << "17.001"
                                      << "65" << notANumber.arg("65", "1", "64");
        QTest::newRow("17.001 zero") << "17.001"
                                     << "Scene 0" << notANumber.arg("Scene 0", "1", "64");
        QTest::newRow("18.001 above") << "18.001"
                                      << "Learn scene 65"
                                      << "\"Learn scene 65\" is not a scene from 1 to 64 to "
                                         "activate or learn, such as \"Learn scene 5\"";
        QTest::newRow("20.102 reserved")
            << "20.102"
            << "5"
            << "\"5\" is not one of Auto, Comfort, Standby, Economy, Building protection";
        const QString noColour =
            "\"%1\" is not a colour written as #RRGGBB or as three numbers from 0 to 255";
        QTest::newRow("232.600 above") << "232.600"
                                       << "256, 0, 0" << noColour.arg("256, 0, 0");
        QTest::newRow("232.600 short hex") << "232.600"
                                           << "#FF80" << noColour.arg("#FF80");
        QTest::newRow("232.600 two numbers") << "232.600"
                                             << "1, 2" << noColour.arg("1, 2");
        const QString noBytes = "\"%1\" is not 1 to 254 bytes written as hexadecimal pairs";
        QTest::newRow("unknown odd digits") << "10.001"
                                            << "0C1" << noBytes.arg("0C1");
        QTest::newRow("unknown empty") << "10.001"
                                       << "" << noBytes.arg("");
        QTest::newRow("unknown not hex") << "10.001"
                                         << "zz" << noBytes.arg("zz");
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

    // Decoding reads only the type's bits; other sizes and reserved codes are no value.
    void decodesOnlyValues_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // empty: no value
        QTest::newRow("1.001 APCI bits") << "1.001" << hex("81") << "On";
        QTest::newRow("3.007 APCI bits") << "3.007" << hex("8B") << "Increase, 25 %";
        QTest::newRow("17.001 reserved bits") << "17.001" << hex("C0") << "Scene 1";
        QTest::newRow("18.001 reserved bit") << "18.001" << hex("40") << "Activate scene 1";
        QTest::newRow("16.000 after the end")
            << "16.000" << QByteArray("OK\0junk\0\0\0\0\0\0\0", 14) << "OK";
        QTest::newRow("1.001 empty") << "1.001" << QByteArray() << "";
        QTest::newRow("5.001 two bytes") << "5.001" << hex("8000") << "";
        QTest::newRow("9.001 one byte") << "9.001" << hex("0C") << "";
        QTest::newRow("9.001 three bytes") << "9.001" << hex("0C1A00") << "";
        QTest::newRow("16.000 13 bytes") << "16.000" << QByteArray(13, 'A') << "";
        QTest::newRow("16.000 not ASCII") << "16.000" << padded("\x80") << "";
        QTest::newRow("20.102 reserved") << "20.102" << hex("05") << "";
        QTest::newRow("unknown empty") << "10.001" << QByteArray() << "";
    }

    void decodesOnlyValues()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(shown(decodeDatapoint(typeOf(type), bytes)),
                 shown(text.isEmpty() ? std::nullopt : std::optional<QString>(text)));
    }

    void knowsSizes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("isShort");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("gatewayBits");
        QTest::newRow("1.001") << "1.001" << true << 1 << 1;
        QTest::newRow("2.001") << "2.001" << true << 1 << 2;
        QTest::newRow("3.007") << "3.007" << true << 1 << 4;
        QTest::newRow("5.001") << "5.001" << false << 1 << 8;
        QTest::newRow("17.001") << "17.001" << false << 1 << 6;
        QTest::newRow("18.001") << "18.001" << false << 1 << 8;
        QTest::newRow("20.102") << "20.102" << false << 1 << 8;
        QTest::newRow("7.001") << "7.001" << false << 2 << 16;
        QTest::newRow("9.001") << "9.001" << false << 2 << 16;
        QTest::newRow("232.600") << "232.600" << false << 3 << 0;
        QTest::newRow("12.001") << "12.001" << false << 4 << 0;
        QTest::newRow("14.056") << "14.056" << false << 4 << 0;
        QTest::newRow("16.001") << "16.001" << false << 14 << 0;
        QTest::newRow("unknown") << "10.001" << false << 0 << 0;
    }

    void knowsSizes()
    {
        QFETCH(QString, type);
        QFETCH(bool, isShort);
        QFETCH(int, size);
        QFETCH(int, gatewayBits);
        QCOMPARE(isShortDatapoint(typeOf(type)), isShort);
        QCOMPARE(datapointSize(typeOf(type)), size);
        QCOMPARE(gatewayValueBits(typeOf(type)), gatewayBits);
    }

    void convertsGatewayValues_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("9.001 21") << "9.001"
                                  << "21" << 0x0C1Au << "21.0 °C";
        QTest::newRow("9.001 -30") << "9.001"
                                   << "-30" << 0x8A24u << "-30.0 °C";
        QTest::newRow("1.001") << "1.001"
                               << "on" << 1u << "On";
        QTest::newRow("2.001") << "2.001"
                               << "Control, On" << 3u << "Control, On";
        QTest::newRow("3.007") << "3.007"
                               << "Increase 25 %" << 0x0Bu << "Increase, 25 %";
        QTest::newRow("5.001") << "5.001"
                               << "50" << 0x80u << "50 %";
        QTest::newRow("6.010") << "6.010"
                               << "-1" << 0xFFu << "-1";
        QTest::newRow("7.600") << "7.600"
                               << "2700" << 2700u << "2700 K";
        QTest::newRow("8.001") << "8.001"
                               << "-32768" << 0x8000u << "-32768";
        QTest::newRow("17.001") << "17.001"
                                << "Scene 64" << 63u << "Scene 64";
        QTest::newRow("18.001") << "18.001"
                                << "Learn scene 1" << 0x80u << "Learn scene 1";
        QTest::newRow("20.102") << "20.102"
                                << "Economy" << 3u << "Economy";
    }

    void convertsGatewayValues()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(uint, number);
        QFETCH(QString, text);
        const GatewayValue value = gatewayValue(typeOf(type), typed);
        QCOMPARE(value.error, QString());
        QCOMPARE(value.number.value_or(0xDEAD0000), number);
        QCOMPARE(shown(gatewayValueText(typeOf(type), number)), shown(text));
    }

    void refusesGatewayValues()
    {
        const std::optional<QString> none;
        QCOMPARE(shown(gatewayValueText(typeOf("1.001"), 2)), shown(none));
        QCOMPARE(shown(gatewayValueText(typeOf("17.001"), 64)), shown(none));
        QCOMPARE(shown(gatewayValueText(typeOf("9.001"), 0x10000)), shown(none));
        QCOMPARE(shown(gatewayValueText(typeOf("20.102"), 5)), shown(none));
        QCOMPARE(shown(gatewayValueText(typeOf("14.056"), 0)), shown(none));
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
