#include "byteforms.h"
#include "recordchecks.h"
#include "rowchecks.h"

#include <QTest>

namespace {
enum Kind { W, OneByte, Knx };

// A well-formed panel of each kind in cell form; the 1-byte minimum lies above its maximum.
const QList<QStringList> wellFormed = {
    {"Lamp", "01 02 03", "0a", "write", "1/2/3", "1 byte", "200"},
    {"Dimmer", "0A", "", "0B", "", "1/1/1", "1 byte", "200", "10", "7"},
    {"Blind", "write", "9600", "2/3/4", "2 byte", "40000", "7E"}};

std::optional<QStringList> (*const checked[])(const QStringList &) = {
    checkedCells<Tele485ToKnxW>, checkedCells<Tele1Byte>, checkedCells<TeleKnxTo485W>};
} // namespace

class TestTelegramRecords : public QObject
{
    Q_OBJECT

private slots:
    // One cell of a well-formed panel replaced; refused, or stored in its cell form.
    void recordCheck_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("stored"); // empty: refused
        // The cell of the column replaced in typed and stored form, and for a read
        // type the value cell emptied in stored form.
        const auto row = [](const char *name, Kind kind, int column, const QString &typed,
                            std::optional<QString> stored, int emptied = -1) {
            QStringList typedCells = wellFormed.at(kind), storedCells = typedCells;
            typedCells[column] = typed;
            storedCells[column] = stored.value_or(QString());
            if (emptied >= 0)
                storedCells[emptied] = QString();
            QTest::newRow(name) << int(kind) << typedCells
                                << (stored ? storedCells : QStringList());
        };
        const std::optional<QString> refused;
        row("hyphens", W, 1, "01-02-03", "01 02 03");
        row("lower case kept", OneByte, 3, "ab cd", "ab cd");
        row("64 bytes", W, 1, QString("ab-").repeated(63) + "ab",
            QString("ab ").repeated(63) + "ab");
        row("single last digit", OneByte, 1, "01 0", refused);
        row("trailing separator", Knx, 6, "01 ", refused);
        row("no ack", W, 2, "", "");
        row("ack of one digit", OneByte, 2, "0", refused);
        row("points", W, 4, "1.2.3", "1/2/3");
        row("0/0/0", W, 4, "0/0/0", refused);
        row("main 16", OneByte, 5, "16/0/0", refused);
        row("sub 256", W, 4, "1/2/256", refused);
        row("sub leading zero", Knx, 3, "1/2/05", refused);
        row("485 read", W, 3, "read", "read", 6);
        row("KNX read", Knx, 1, "read", "read", 5);
        // The whole text must match the rule, not merely its length.
        row("not hex", W, 1, "zz 01", refused);
        // A selection must be an item of its list.
        row("no length item", W, 5, "16 bit", refused);
        // \d stands for ASCII digits only.
        row("Arabic-Indic digit", W, 4, QString::fromUtf8("1/2/\u0663"), refused);
    }

    void recordCheck()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        QCOMPARE(checked[kind](typed).value_or(QStringList()), stored);
    }

    // Rows from elsewhere: the first cell the editor refuses is named; values
    // keep to the ranges of their boxes; a row is taken in its stored form.
    void rowChecks()
    {
        const auto faultColumn = [](Kind kind, QList<std::pair<int, QString>> changes) {
            QStringList cells = wellFormed.at(kind);
            for (const auto &[column, text] : changes)
                cells[column] = text;
            const RowCheck check = checkRow(TelegramTable(kind), cells);
            if (check.cells.isEmpty() != check.fault.has_value())
                return -2;
            return check.fault ? check.fault->column : -1;
        };
        QCOMPARE(faultColumn(W, {}), -1);
        QCOMPARE(faultColumn(W, {{5, "1 bit"}}), 6); // 200 beyond 0 to 1
        QCOMPARE(faultColumn(W, {{3, "read"}, {5, "1 bit"}}), -1);
        QCOMPARE(faultColumn(W, {{6, "+5"}, {4, "0/0/0"}}), 4);
        QCOMPARE(faultColumn(OneByte, {{7, "256"}}), 7);
        QCOMPARE(faultColumn(OneByte, {{9, "0"}}), 9);
        QCOMPARE(faultColumn(Knx, {{2, "9601"}}), 2);
        QCOMPARE(faultColumn(Knx, {{6, ""}}), 6);
        QCOMPARE(checkRow(TelegramTable::Tele1Byte,
                          {"", "01-02", "", "03", "", "1.2.3", "1 byte", "007", "10", "1"})
                     .cells,
                 QStringList({"", "01 02", "", "03", "", "1/2/3", "1 byte", "7", "10", "1"}));
        QVERIFY(checkRow(TelegramTable::Tele485ToKnxW, {"", "01"}).fault->reason.contains("\"\""));
    }

    // Length index -1 to 6: no item, "1 bit" to "2 byte", beyond the list.
    void valueRanges()
    {
        QList<int> ranges;
        for (int index = -1; index <= 6; ++index)
            ranges << valueRangeOfLength(index).minimum << valueRangeOfLength(index).maximum;
        QCOMPARE(ranges, QList<int>({0, 1, 0, 1, 0, 3, 0, 15, 0, 63, 0, 255, 0, 65535, 0, 1}));
    }

    void byteForms_data()
    {
        QTest::addColumn<bool>("address");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("1/2/3") << true << "1/2/3" << QByteArray("0a03");
        QTest::newRow("15/7/255") << true << "15/7/255" << QByteArray("7fff");
        QTest::newRow("empty address") << true << "" << QByteArray("0000");
        QTest::newRow("masked into fields") << true << "99/99/999" << QByteArray("1be7");
        QTest::newRow("letters") << true << "a/b/c" << QByteArray("0000");
        QTest::newRow("either case") << false << "ab CD 01" << QByteArray("abcd01");
        QTest::newRow("double blank") << false << "01  02" << QByteArray("010002");
        QTest::newRow("not hex") << false << "zz 01 g0" << QByteArray("000100");
        QTest::newRow("low eight bits") << false << "1ff 123" << QByteArray("ff23");
        QTest::newRow("100 pairs")
            << false << QString("ab ").repeated(99) + "ab" << QByteArray("ab").repeated(100);
    }

    void byteForms()
    {
        QFETCH(bool, address);
        QFETCH(QString, text);
        QFETCH(QByteArray, hex);
        QCOMPARE((address ? groupAddressBytes(text) : telegramBytes(text)).toHex(), hex);
    }
};

QTEST_GUILESS_MAIN(TestTelegramRecords)
#include "tst_telegramrecords.moc"
