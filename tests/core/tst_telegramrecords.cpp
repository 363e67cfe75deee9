#include "byteforms.h"
#include "recordchecks.h"

#include <QTest>

namespace {
enum Kind { W, OneByte, Knx };

// A well-formed panel of each kind in cell form; the 1-byte minimum lies above its maximum.
const QList<QStringList> wellFormed = {
    {"Lamp", "01 02 03", "0a", "write", "1/2/3", "1 byte", "200"},
    {"Dimmer", "0A", "", "0B", "", "1/1/1", "1 byte", "200", "10", "7"},
    {"Blind", "write", "9600", "2/3/4", "2 byte", "40000", "7E"}};

QStringList withCell(Kind kind, int column, const QString &text)
{
    QStringList cells = wellFormed.at(kind);
    cells[column] = text;
    return cells;
}

std::optional<QStringList> checked(Kind kind, const QStringList &typed)
{
    if (kind == W)
        return checkedCells<Tele485ToKnxW>(typed);
    if (kind == OneByte)
        return checkedCells<Tele1Byte>(typed);
    return checkedCells<TeleKnxTo485W>(typed);
}
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
        const auto row = [](const char *name, Kind kind, int column, const QString &typed,
                            std::optional<QString> stored) {
            QTest::newRow(name) << int(kind) << withCell(kind, column, typed)
                                << (stored ? withCell(kind, column, *stored) : QStringList());
        };
        const std::optional<QString> refused;
        row("hyphens", W, 1, "01-02-03", "01 02 03");
        row("hyphen and space", Knx, 6, "01 02-03", "01 02 03");
        row("lower case kept", OneByte, 3, "ab cd", "ab cd");
        row("64 bytes", W, 1, QString("ab-").repeated(63) + "ab",
            QString("ab ").repeated(63) + "ab");
        row("single last digit", OneByte, 1, "01 0", refused);
        row("trailing separator", Knx, 6, "01 ", refused);
        row("no ack", W, 2, "", "");
        row("ack hyphens", OneByte, 4, "C1-C2", "C1 C2");
        row("ack of one digit", OneByte, 2, "0", refused);
        row("points", W, 4, "1.2.3", "1/2/3");
        row("point and slash", OneByte, 5, "1.2/3", "1/2/3");
        row("0/0/0", W, 4, "0/0/0", refused);
        row("main 16", OneByte, 5, "16/0/0", refused);
        row("middle 8", Knx, 3, "1/8/0", refused);
        row("sub 256", W, 4, "1/2/256", refused);
        row("main leading zero", OneByte, 5, "01/2/3", refused);
        row("sub leading zero", Knx, 3, "1/2/05", refused);
        row("KNX response", Knx, 1, "response", "response");
        QTest::newRow("485 read") << int(W) << withCell(W, 3, "read")
                                  << QStringList{"Lamp",  "01 02 03", "0a", "read",
                                                 "1/2/3", "1 byte",   ""};
        QTest::newRow("KNX read") << int(Knx) << withCell(Knx, 1, "read")
                                  << QStringList{"Blind",  "read", "9600", "2/3/4",
                                                 "2 byte", "",     "7E"};
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
        const std::optional<QStringList> record = checked(Kind(kind), typed);
        QCOMPARE(record.value_or(QStringList()), stored);
    }

    void valueRanges()
    {
        const QList<int> maxima = {1, 1, 3, 15, 63, 255, 65535, 1}; // length index -1 to 6
        for (int index = -1; index <= 6; ++index) {
            QCOMPARE(valueRangeOfLength(index).minimum, 0);
            QCOMPARE(valueRangeOfLength(index).maximum, maxima.at(index + 1));
        }
    }

    void byteForms_data()
    {
        QTest::addColumn<bool>("address");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("0/0/1") << true << "0/0/1" << QByteArray("0001");
        QTest::newRow("1/2/3") << true << "1/2/3" << QByteArray("0a03");
        QTest::newRow("15/7/255") << true << "15/7/255" << QByteArray("7fff");
        QTest::newRow("empty address") << true << "" << QByteArray("0000");
        QTest::newRow("two parts") << true << "1/2" << QByteArray("0a00");
        QTest::newRow("masked into fields") << true << "99/99/999" << QByteArray("1be7");
        QTest::newRow("letters") << true << "a/b/c" << QByteArray("0000");
        QTest::newRow("either case") << false << "ab CD 01" << QByteArray("abcd01");
        QTest::newRow("empty telegram") << false << "" << QByteArray();
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
