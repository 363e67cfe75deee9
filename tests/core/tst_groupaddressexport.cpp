#include "addressmarks.h"
#include "addresssearch.h"
#include "addressuses.h"
#include "datapointtypes.h"
#include "groupaddressexport.h"

#include <QStringEncoder>
#include <QTest>

namespace {
// One building in every layout: main group 1 "Lighting", middle group 1/2
// "Ground floor" and two addresses, then rows to skip.
const QStringList building = {
    "1/2/3|Living room – ceiling light|Lighting|Ground floor|DPST-1-1|over the table",
    "1/2/4|Kitchen dimmer|Lighting|Ground floor|DPT-5|"};

// Quoted fields, joined by the separator; the rows end in CR LF as ETS writes them.
QString csv(const QList<QStringList> &rows, const QString &separator)
{
    QStringList lines;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &field : row)
            fields << '"' + QString(field).replace('"', "\"\"") + '"';
        lines << fields.join(separator);
    }
    return lines.join("\r\n") + "\r\n";
}

QByteArray utf16WithBom(const QString &text)
{
    return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text);
}

QStringList rowsOf(const GroupAddressBook &book)
{
    QStringList rows;
    for (const GroupAddressEntry &entry : book.entries())
        rows << cellsOf(entry).join('|');
    return rows;
}

QStringList skippedOf(const GroupAddressImport &import)
{
    QStringList rows;
    for (const SkippedAddressRow &row : import.skipped)
        rows << QString::number(row.line) + ": " + row.reason;
    return rows;
}
} // namespace

class TestGroupAddressExport : public QObject
{
    Q_OBJECT

private slots:
    void readsEachLayoutSeparatorAndEncoding_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<QStringList>("skipped");
        const QString twoLevel = "\"1/5\" is not a three-level group address";
        const QString outside = "\"16/0/1\" lies outside 0/0/1 to 15/7/255";
        const QString twice = "\"1/2/3\" was listed before";

        // 1/1: range rows name the groups; a two-level range names nothing.
        // Without a header line, as ETS writes it when asked to, it is
        // recognised by where the addresses stand.
        const QList<QStringList> oneByOne = {
            {"Group name", "Address", "Central", "Unfiltered", "Description", "DatapointType",
             "Security"},
            {"Lighting", "1/-/-", "", "", "", "", "Auto"},
            {"Ground floor", "1/2/-", "", "", "", "", "Auto"},
            {"Living room – ceiling light", "1/2/3", "", "", "over the table", "DPST-1-1", "Auto"},
            {"Kitchen dimmer", "1/2/4", "", "", "", "DPT-5", "Auto"},
            {"Old", "1/-"},
            {"Two-level", "1/5"},
            {"Far", "16/0/1"},
            {"Again", "1/2/3"}};
        QTest::newRow("1/1, tab, UTF-16 LE")
            << utf16WithBom(csv(oneByOne, "\t")) << building
            << QStringList{"7: " + twoLevel, "8: " + outside, "9: " + twice};
        QTest::newRow("1/1 without header, comma")
            << csv(oneByOne.mid(1), ",").toUtf8() << building
            << QStringList{"6: " + twoLevel, "7: " + outside, "8: " + twice};
        // 3/1: columns by name, in any order, extra ones ignored; a quoted field
        // may hold the separator and a line break.
        const QString threeByOne = csv(
            {{"Description", "Main", "Middle", "Sub", "Extra", "Address", "DatapointType"},
             {"", "Lighting", "", "", "x", "1/-/-", ""},
             {"", "", "Ground floor", "", "x", "1/2/-", ""},
             {"over the table", "", "", "Living room – ceiling light", "x", "1/2/3", "DPST-1-1"},
             {"", "", "", "Kitchen dimmer", "x,\"y\"\nz", "1/2/4", "DPT-5"},
             {"", "", "", "Two-level", "", "1/5", ""}},
            ",");
        QTest::newRow("3/1, comma, UTF-8 with BOM")
            << "\xEF\xBB\xBF" + threeByOne.toUtf8() << building << QStringList{"7: " + twoLevel};
        // 3/3: the address in three columns; blank lines skipped unnoted.
        const QString threeByThree =
            csv({{"Main", "Middle", "Sub", "Main", "Middle", "Sub", "Description", "DatapointType"},
                 {"Lighting", "", "", "1", "", "", "", ""},
                 {"", "Ground floor", "", "1", "2", "", "", ""},
                 {"", "", "Living room – ceiling light", "1", "2", "3", "over the table",
                  "DPST-1-1"}},
                ";") +
            "\r\n" +
            csv({{"", "", "Kitchen dimmer", "1", "2", "4", "", "DPT-5"},
                 {"", "", "Far", "16", "0", "1", "", ""}},
                ";");
        QTest::newRow("3/3, semicolon, UTF-8")
            << threeByThree.toUtf8() << building << QStringList{"7: " + outside};
        const auto withoutHeader = [](QString text) { return text.section("\r\n", 1).toUtf8(); };
        QTest::newRow("3/1 without header, semicolon")
            << withoutHeader(csv({{"Main", "Middle", "Sub", "Address", "Central", "Unfiltered",
                                   "Description", "DatapointType", "Security"},
                                  {"Lighting", "", "", "1/-/-", "", "", "", "", "Auto"},
                                  {"", "Ground floor", "", "1/2/-", "", "", "", "", "Auto"},
                                  {"", "", "Living room – ceiling light", "1/2/3", "", "",
                                   "over the table", "DPST-1-1", "Auto"},
                                  {"", "", "Kitchen dimmer", "1/2/4", "", "", "", "DPT-5", "Auto"}},
                                 ";"))
            << building << QStringList();
        QTest::newRow("1/1, semicolon, Windows-1252")
            << QByteArray("\"Group name\";\"Address\"\r\n\"K\xFC"
                          "che\";\"3/1/-\"\r\n"
                          "\"Licht K\xFC"
                          "che\";\"3/1/7\"\r\n")
            << QStringList{QString::fromUtf8("3/1/7|Licht Küche||Küche||")} << QStringList();
        QTest::newRow("XML")
            << QByteArray(
                   "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n"
                   "<GroupAddress-Export xmlns=\"http://knx.org/xml/ga-export/01\">\n"
                   "  <GroupRange Name=\"Lighting\" RangeStart=\"2048\" RangeEnd=\"4095\">\n"
                   "    <GroupRange Name=\"Ground floor\" RangeStart=\"2560\" RangeEnd=\"2815\">\n"
                   "      <GroupAddress Name=\"Living room – ceiling light\" Address=\"1/2/3\" "
                   "Central=\"true\"\n"
                   "                    Description=\"over the table\" DPTs=\"DPST-1-6,DPST-1-1\" "
                   "/>\n"
                   "      <GroupAddress Name=\"Kitchen dimmer\" Address=\"1/2/4\" DPTs=\"DPT-5\" "
                   "/>\n"
                   "    </GroupRange>\n"
                   "  </GroupRange>\n"
                   "  <GroupRange Name=\"Free\">\n"
                   "    <GroupAddress Name=\"Free-level\" Address=\"1234\" />\n"
                   "  </GroupRange>\n"
                   "</GroupAddress-Export>\n")
            << building << QStringList{"11: \"1234\" is not a three-level group address"};
    }

    void readsEachLayoutSeparatorAndEncoding()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, book);
        QFETCH(QStringList, skipped);
        const GroupAddressImport import = readGroupAddressExport(file);
        QCOMPARE(import.error, QString());
        QCOMPARE(rowsOf(import.book), book);
        QCOMPARE(import.groups, 1);
        QCOMPARE(skippedOf(import), skipped);
    }

    // The report names the first five skipped rows.
    void reportsCountsAndSkippedRows()
    {
        QString text = "\"Group name\",\"Address\"\n\"A\",\"1/1/1\"\n\"B\",\"2/1/1\"\n";
        for (int sub = 1; sub <= 6; ++sub)
            text += QString("\"\",\"7/%1\"\n").arg(sub);
        QCOMPARE(groupAddressImportReport(readGroupAddressExport(text.toUtf8())),
                 QString("Group addresses read: 2\nMiddle groups: 2\nRows skipped: 6\n"
                         "line 4: \"7/1\" is not a three-level group address\n"
                         "line 5: \"7/2\" is not a three-level group address\n"
                         "line 6: \"7/3\" is not a three-level group address\n"
                         "line 7: \"7/4\" is not a three-level group address\n"
                         "line 8: \"7/5\" is not a three-level group address\n…"));
    }

    void refusesWhatIsNoExport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QString noHeader =
            "No ETS group address export was recognised: its header line names the columns "
            "\"Group name\" and \"Address\", or \"Main\", \"Middle\", \"Sub\" and \"Address\"; "
            "without a header line, every line has the address in the second column (1/1) or "
            "in the fourth (3/1).";
        QTest::newRow("empty") << QByteArray(" \r\n") << "The file is empty.";
        QTest::newRow("no header, a line without address")
            << QByteArray("\"Living room\";\"1/2/3\"\n\"Notes\";\"see plan\"\n") << noHeader;
        QTest::newRow("wrong columns") << QByteArray("Name;Addr\nLiving room;1/2/3\n") << noHeader;
        static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\x80";
        QTest::newRow("binary") << QByteArray(png, sizeof png - 1) << noHeader;
        QTest::newRow("only two-level addresses") << QByteArray("Group name,Address\nA,1/1\n")
                                                  << "The file holds no three-level group address.";
        QTest::newRow("truncated XML")
            << QByteArray("<GroupAddress-Export>\n<GroupRange Name=\"A\">\n<GroupAddress Na")
            << "The XML file is broken at line 3: Premature end of document.";
        QTest::newRow("other XML") << QByteArray("<?xml version=\"1.0\"?><project/>")
                                   << "The XML file is no ETS group address export: its root "
                                      "element is \"project\".";
        QTest::newRow("too large") << QByteArray(MostGroupAddressExportBytes + 1, ' ')
                                   << "The file is too large for a group address export.";
    }

    void refusesWhatIsNoExport()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const GroupAddressImport import = readGroupAddressExport(file);
        QCOMPARE(import.error, error);
        QVERIFY(import.book.isEmpty());
    }

    void datapointTypesFixLengths()
    {
        QStringList lengths;
        for (const char *type : {"DPST-1-1", "DPT-2", "DPST-3-7", "DPT-17", "DPT-4", "DPST-5-1",
                                 "DPT-6", "DPST-20-102", "DPT-7", "DPT-8", "DPST-9-1", "DPT-22",
                                 "DPST-10-1", "DPT-14", "", "DPT-x", "DPST-1-1,DPST-1-6"})
            lengths << lengthOfDatapointType(type);
        QCOMPARE(lengths, QStringList({"1 bit", "2 bit", "4 bit", "6 bit", "1 byte", "1 byte",
                                       "1 byte", "1 byte", "2 byte", "2 byte", "2 byte", "2 byte",
                                       "", "", "", "", ""}));
    }

    // Hints, search and uses over the building.
    void hintsSearchAndUses()
    {
        const GroupAddressBook book(
            {{"1/2/3", "Living room", "Lighting", "Ground floor", "DPST-1-1", ""},
             {"11/2/3", "Hall", "Heating", "Upstairs", "", "thermostat"}});
        const auto hint = [&](const QString &address, const QString &length) {
            const AddressHint h = addressHint(book, address, length);
            return h.toolTip + (h.marked ? " [marked]" : "");
        };
        QCOMPARE(QStringList({hint("1/2/3", "1 bit"), hint("1/2/3", "1 byte"),
                              hint("11/2/3", "2 byte"), hint("1/2/4", "1 bit")}),
                 QStringList({"Living room (DPST-1-1)",
                              "Living room (DPST-1-1)\nIts datapoint type needs the length 1 bit. "
                              "[marked]",
                              "Hall", "Not in the imported group addresses [marked]"}));
        QCOMPARE(addressHint(GroupAddressBook(), "1/2/4", "1 bit").toolTip, QString());

        QStringList found;
        for (const char *text : {"1/2", "1.2", "11", "ground", "THERMO", "DPST", "2/3", ""}) {
            QStringList addresses;
            for (const GroupAddressEntry &entry : book.entries())
                if (matchesSearch(entry, text))
                    addresses << entry.address;
            found << addresses.join(' ');
        }
        QCOMPARE(found, QStringList({"1/2/3", "1/2/3", "11/2/3", "1/2/3", "11/2/3", "1/2/3", "",
                                     "1/2/3 11/2/3"}));
        QCOMPARE(completionText(book.entries().at(0)),
                 QString("1/2/3  Living room (DPST-1-1)  [Lighting / Ground floor]"));
        QCOMPARE(completionText({"1/2/4", "Hall", "", "", "", ""}), QString("1/2/4  Hall"));
        QVERIFY(isAddressSearch(QString::fromUtf8("客厅")) && !isAddressSearch("1.2/3"));

        TelegramTables tables;
        tables.rows485ToKnxW = {{"", "", "", "", "1/2/3", "", ""},
                                {"", "", "", "", "4/5/6", "", ""},
                                {"", "", "", "", "1/2/3", "", ""}};
        tables.rowsKnxTo485W = {{"", "", "", "1/2/3", "", "", ""}};
        QCOMPARE(addressUses(tables).value("1/2/3"), QString("485 to KNX: 1, 3; KNX to 485: 1"));
    }
};

QTEST_MAIN(TestGroupAddressExport)
#include "tst_groupaddressexport.moc"
