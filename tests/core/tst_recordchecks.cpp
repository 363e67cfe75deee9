#include "recordchecks.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
// n bytes 00 01 02 ..., separated by the separator.
QString hexBytes(int n, QChar separator = ' ')
{
    QStringList bytes;
    for (int i = 0; i < n; ++i)
        bytes << QString::asprintf("%02X", i);
    return bytes.join(separator);
}

const Tele485ToKnxW typed485ToKnx{"Lamp", "01 02 03", "", "write", "1/2/3", "1 byte", "200"};
const Tele1Byte typed1Byte{"Dimmer", "0A", "", "0B", "", "1/1/1", "1 byte", "0", "255", "1"};
const TeleKnxTo485W typedKnxTo485{"Blind", "write", "9600", "2/3/4", "2 byte", "40000", "7E"};

const std::optional<QString> refused;

template <typename Record>
bool refusedWith(Record record, QString Record::*field, const QString &text)
{
    record.*field = text;
    return !checkRecord(record).has_value();
}
} // namespace

class TestRecordChecks : public QObject
{
    Q_OBJECT

    // One field of typed485ToKnx replaced by the text; the record must be
    // refused, or accepted with the field stored as `stored` and every other
    // field unchanged.
    void addFieldRows()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<QString>>("stored");
    }

private slots:
    void tele485ToKnxWField_data()
    {
        addFieldRows();
        const int telegram = 1, ack = 2, addr = 4;
        const std::optional<QString> normalised64 = hexBytes(64);
        QTest::newRow("hyphens") << telegram << "01-02-03" << std::optional<QString>("01 02 03");
        QTest::newRow("hyphen and space")
            << telegram << "01 02-03" << std::optional<QString>("01 02 03");
        QTest::newRow("lower case kept") << telegram << "ab cd" << std::optional<QString>("ab cd");
        QTest::newRow("one byte") << telegram << "7E" << std::optional<QString>("7E");
        QTest::newRow("64 bytes") << telegram << hexBytes(64, '-') << normalised64;
        QTest::newRow("65 bytes") << telegram << hexBytes(65) << refused;
        QTest::newRow("empty telegram") << telegram << "" << refused;
        QTest::newRow("single last digit") << telegram << "01 0" << refused;
        QTest::newRow("trailing separator") << telegram << "01 " << refused;
        QTest::newRow("one digit") << telegram << "0" << refused;
        QTest::newRow("not hex") << telegram << "zz 01" << refused;
        QTest::newRow("no separator") << telegram << "01x02" << refused;
        QTest::newRow("point separator") << telegram << "01.02" << refused;

        QTest::newRow("no ack") << ack << "" << std::optional<QString>("");
        QTest::newRow("ack hyphens") << ack << "0a-0B" << std::optional<QString>("0a 0B");
        QTest::newRow("ack one digit") << ack << "0" << refused;
        QTest::newRow("ack trailing separator") << ack << "0a-" << refused;
        QTest::newRow("ack 32 bytes")
            << ack << hexBytes(32) << std::optional<QString>(hexBytes(32));
        QTest::newRow("ack 33 bytes") << ack << hexBytes(33) << refused;

        QTest::newRow("points") << addr << "1.2.3" << std::optional<QString>("1/2/3");
        QTest::newRow("point and slash") << addr << "1.2/3" << std::optional<QString>("1/2/3");
        QTest::newRow("highest") << addr << "15/7/255" << std::optional<QString>("15/7/255");
        QTest::newRow("lowest") << addr << "0/0/1" << std::optional<QString>("0/0/1");
        QTest::newRow("0/0/0") << addr << "0/0/0" << refused;
        QTest::newRow("0.0.0") << addr << "0.0.0" << refused;
        QTest::newRow("main 16") << addr << "16/0/0" << refused;
        QTest::newRow("middle 8") << addr << "1/8/0" << refused;
        QTest::newRow("sub 256") << addr << "1/2/256" << refused;
        QTest::newRow("main leading zero") << addr << "01/2/3" << refused;
        QTest::newRow("sub leading zero") << addr << "1/2/05" << refused;
        QTest::newRow("main 111") << addr << "111/2/3" << refused;
        QTest::newRow("two parts") << addr << "1/2" << refused;
        QTest::newRow("four parts") << addr << "1/2/3/4" << refused;
        QTest::newRow("empty address") << addr << "" << refused;
        QTest::newRow("trailing blank") << addr << "1/2/3 " << refused;
        QTest::newRow("non-ASCII digit") << addr << QString::fromUtf8("1/2/\u0663") << refused;
    }

    void tele485ToKnxWField()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(std::optional<QString>, stored);
        Tele485ToKnxW input = typed485ToKnx;
        input.*Tele485ToKnxW::columns[column] = typed;

        const std::optional<Tele485ToKnxW> record = checkRecord(input);
        QCOMPARE(record.has_value(), stored.has_value());
        if (!record)
            return;
        QStringList expected = cellsOf(typed485ToKnx);
        expected[column] = *stored;
        QCOMPARE(cellsOf(*record), expected);
    }

    // The same telegram and address tests stand in the other two checks.
    void telegramAndAddressInEveryKind_data()
    {
        QTest::addColumn<QString>("telegram");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("well formed") << "01-a2 FF"
                                     << "3.4/5" << true;
        QTest::newRow("incomplete telegram") << "01 a"
                                             << "3/4/5" << false;
        QTest::newRow("empty telegram") << ""
                                        << "3/4/5" << false;
        QTest::newRow("empty address") << "01"
                                       << "" << false;
        QTest::newRow("0/0/0") << "01"
                               << "0/0/0" << false;
        QTest::newRow("address of two parts") << "01"
                                              << "3/4" << false;
    }

    void telegramAndAddressInEveryKind()
    {
        QFETCH(QString, telegram);
        QFETCH(QString, addr);
        QFETCH(bool, accepted);

        TeleKnxTo485W knxTo485 = typedKnxTo485;
        knxTo485.telegram = telegram;
        knxTo485.addr = addr;
        QCOMPARE(checkRecord(knxTo485).has_value(), accepted);

        Tele1Byte plus = typed1Byte;
        plus.telegram_p = telegram;
        plus.addr = addr;
        QCOMPARE(checkRecord(plus).has_value(), accepted);

        Tele1Byte minus = typed1Byte;
        minus.telegram_n = telegram;
        minus.addr = addr;
        QCOMPARE(checkRecord(minus).has_value(), accepted);
    }

    void oneByteAcks_data()
    {
        QTest::addColumn<QString>("ackPlus");
        QTest::addColumn<QString>("ackMinus");
        QTest::addColumn<QStringList>("stored"); // empty: refused
        QTest::newRow("none") << ""
                              << "" << QStringList{"", ""};
        QTest::newRow("hyphens") << "0a-0b"
                                 << "C1-C2-C3" << QStringList{"0a 0b", "C1 C2 C3"};
        QTest::newRow("plus incomplete") << "0a-0"
                                         << "" << QStringList();
        QTest::newRow("minus one digit") << ""
                                         << "C" << QStringList();
    }

    void oneByteAcks()
    {
        QFETCH(QString, ackPlus);
        QFETCH(QString, ackMinus);
        QFETCH(QStringList, stored);
        Tele1Byte input = typed1Byte;
        input.ack_p = ackPlus;
        input.ack_n = ackMinus;
        const std::optional<Tele1Byte> record = checkRecord(input);
        QCOMPARE(record.has_value(), !stored.isEmpty());
        if (record)
            QCOMPARE(QStringList({record->ack_p, record->ack_n}), stored);
    }

    // Cells in column order, each normalised in its own way, so that a
    // column mix-up shows.
    void checkedCellsKeepTheColumnOrder()
    {
        QCOMPARE(checkedCells<Tele485ToKnxW>(
                     {"Lamp", "01-02", "0a-0b", "write", "1.2.3", "2 byte", "40000"}),
                 QStringList({"Lamp", "01 02", "0a 0b", "write", "1/2/3", "2 byte", "40000"}));
        QCOMPARE(checkedCells<Tele1Byte>({"Dim", "01-02", "03-04", "05-06", "07-08", "4.5.6",
                                          "1 byte", "200", "10", "7"}),
                 QStringList({"Dim", "01 02", "03 04", "05 06", "07 08", "4/5/6", "1 byte", "200",
                              "10", "7"}));
        QCOMPARE(checkedCells<TeleKnxTo485W>(
                     {"Blind", "response", "56000", "7.6.5", "6 bit", "63", "aa-bb"}),
                 QStringList({"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"}));
        QCOMPARE(checkedCells<Tele485ToKnxW>({"Lamp", "01 0", "", "write", "1/2/3", "1 bit", "1"}),
                 std::nullopt);
    }

    // The fields by name against the column order of the tables.
    void columnsOfEachKind()
    {
        const QStringList cells = {"c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9"};
        const auto w = recordFromCells<Tele485ToKnxW>(cells);
        QCOMPARE(QStringList({w.name, w.telegram, w.ack, w.ntype, w.addr, w.length, w.value}),
                 cells.mid(0, 7));
        const auto b = recordFromCells<Tele1Byte>(cells);
        QCOMPARE(QStringList({b.name, b.telegram_p, b.ack_p, b.telegram_n, b.ack_n, b.addr,
                              b.length, b.min, b.max, b.interval}),
                 cells);
        const auto k = recordFromCells<TeleKnxTo485W>(cells);
        QCOMPARE(QStringList({k.name, k.ntype, k.baudrate, k.addr, k.length, k.value, k.telegram}),
                 cells.mid(0, 7));
        QCOMPARE(cellsOf(b), cells);
    }

    void recordFromFewerCellsLeavesTheRestEmpty()
    {
        const TeleKnxTo485W record = recordFromCells<TeleKnxTo485W>({"Blind", "read"});
        QCOMPARE(record.name, QString("Blind"));
        QCOMPARE(record.ntype, QString("read"));
        QVERIFY(record.baudrate.isEmpty() && record.telegram.isEmpty());
        QCOMPARE(cellsOf(record).size(), 7);
    }

    void valueOfType_data()
    {
        QTest::addColumn<bool>("knxTo485");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("storedValue");
        QTest::newRow("485 write") << false << "write"
                                   << "200";
        QTest::newRow("485 read") << false << "read"
                                  << "";
        QTest::newRow("KNX write") << true << "write"
                                   << "40000";
        QTest::newRow("KNX read") << true << "read"
                                  << "";
        QTest::newRow("KNX response") << true << "response"
                                      << "40000";
    }

    void valueOfType()
    {
        QFETCH(bool, knxTo485);
        QFETCH(QString, type);
        QFETCH(QString, storedValue);
        if (knxTo485) {
            TeleKnxTo485W input = typedKnxTo485;
            input.ntype = type;
            QCOMPARE(checkRecord(input)->value, storedValue);
        } else {
            Tele485ToKnxW input = typed485ToKnx;
            input.ntype = type;
            QCOMPARE(checkRecord(input)->value, storedValue);
        }
    }

    // A selection that is no item of its list (a box left without selection
    // by a row read from a file) does not make a record.
    void itemTextsMustBeItems()
    {
        QVERIFY(refusedWith(typed485ToKnx, &Tele485ToKnxW::ntype, "response"));
        QVERIFY(refusedWith(typed485ToKnx, &Tele485ToKnxW::ntype, "Read"));
        QVERIFY(refusedWith(typed485ToKnx, &Tele485ToKnxW::length, ""));
        QVERIFY(refusedWith(typed485ToKnx, &Tele485ToKnxW::length, "16 bit"));
        QVERIFY(refusedWith(typed1Byte, &Tele1Byte::length, ""));
        QVERIFY(refusedWith(typedKnxTo485, &TeleKnxTo485W::ntype, ""));
        QVERIFY(refusedWith(typedKnxTo485, &TeleKnxTo485W::baudrate, "1200"));
        QVERIFY(refusedWith(typedKnxTo485, &TeleKnxTo485W::length, "2 bytes"));
        QVERIFY(!refusedWith(typedKnxTo485, &TeleKnxTo485W::baudrate, "115200"));
    }

    void oneByteMinimumAboveMaximumIsAccepted()
    {
        Tele1Byte input = typed1Byte;
        input.min = "200";
        input.max = "10";
        input.interval = "7";
        const std::optional<Tele1Byte> record = checkRecord(input);
        QVERIFY(record);
        QCOMPARE(QStringList({record->min, record->max, record->interval}),
                 QStringList({"200", "10", "7"}));
    }

    void valueRanges_data()
    {
        QTest::addColumn<int>("lengthIndex");
        QTest::addColumn<int>("maximum");
        QTest::newRow("none selected") << -1 << 1;
        QTest::newRow("1 bit") << 0 << 1;
        QTest::newRow("2 bit") << 1 << 3;
        QTest::newRow("4 bit") << 2 << 15;
        QTest::newRow("6 bit") << 3 << 63;
        QTest::newRow("1 byte") << 4 << 255;
        QTest::newRow("2 byte") << 5 << 65535;
        QTest::newRow("past the list") << 6 << 1;
    }

    void valueRanges()
    {
        QFETCH(int, lengthIndex);
        QFETCH(int, maximum);
        const ValueRange range = valueRangeOfLength(lengthIndex);
        QCOMPARE(range.minimum, 0);
        QCOMPARE(range.maximum, maximum);
    }
};

QTEST_GUILESS_MAIN(TestRecordChecks)
#include "tst_recordchecks.moc"
