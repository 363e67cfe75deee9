// The project reader on databases whose tables hold any values of any type,
// in any number of columns: it reads a project whole, every row of every
// telegram table and every number an int, or refuses the file and says why;
// the address book holds only rows of valid, distinct addresses; the site
// table decides nothing but the site details.

#include "fuzzchecks.h"
#include "projectreader.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {
const char *const tableNames[] = {"info",       "general",           "tele_485_to_knx_w",
                                  "tele_1byte", "tele_knx_to_485_w", "group_addresses",
                                  "site"};

QVariant fuzzValue(FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return QVariant();
    case 1:
        return QVariant(input.ConsumeIntegral<qint64>());
    case 2:
        return QVariant(input.PickValueInArray(
            {0.5, -1e300, 3e9, std::nan(""), std::numeric_limits<double>::infinity()}));
    case 3: {
        const std::string bytes = input.ConsumeRandomLengthString(40);
        return QVariant(QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
    case 4:
        return QVariant(QString::number(input.ConsumeIntegral<qint64>()));
    default:
        return QVariant(fuzzText(input, 40));
    }
}

// Creates the table with any columns and fills it; gives its number of rows,
// or -1 when it was not created.
int fuzzTable(QSqlDatabase &db, const char *name, FuzzedDataProvider &input)
{
    if (input.ConsumeIntegralInRange(0, 4) == 0)
        return -1;
    const int columns = input.ConsumeIntegralInRange(1, 12);
    QStringList declared;
    for (int c = 0; c < columns; ++c)
        declared << QStringLiteral("c%1 %2").arg(c).arg(
            input.PickValueInArray({"integer", "text", "real", "blob", ""}));
    QSqlQuery query(db);
    FUZZ_REQUIRE(query.exec(QStringLiteral("create table %1 (%2)").arg(name, declared.join(','))));
    const int rows = input.ConsumeIntegralInRange(0, 4);
    FUZZ_REQUIRE(query.prepare(QStringLiteral("insert into %1 values (%2)")
                                   .arg(name, QString("?,").repeated(columns).chopped(1))));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            query.addBindValue(fuzzValue(input));
        FUZZ_REQUIRE(query.exec());
    }
    return rows;
}

bool isInt(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok && text == QString::number(text.toInt());
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    QSqlDatabase::addDatabase("QSQLITE", "fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QSqlDatabase db = QSqlDatabase::database("fuzz", false);
    db.setDatabaseName(":memory:");
    FUZZ_REQUIRE(db.open());
    int rows[std::size(tableNames)];
    for (int t = 0; t < int(std::size(tableNames)); ++t)
        rows[t] = fuzzTable(db, tableNames[t], input);

    const ProjectRead read = readProjectFile(db);
    FUZZ_REQUIRE((read.refusal == ProjectRead::Refusal::NotAProject) == (rows[1] <= 0));
    FUZZ_REQUIRE(read.project.has_value() == (read.refusal == ProjectRead::Refusal::None));
    FUZZ_REQUIRE(read.project || read.refusal == ProjectRead::Refusal::NotAProject ||
                 !read.fault.isEmpty());
    // Without the site table: the same refusal, or the same project with
    // empty site details.
    FUZZ_REQUIRE(QSqlQuery(db).exec("drop table if exists site"));
    const ProjectRead withoutSite = readProjectFile(db);
    FUZZ_REQUIRE(withoutSite.refusal == read.refusal && withoutSite.fault == read.fault);
    if (!read.project) {
        db.close();
        return 0;
    }
    const Project &project = *read.project;
    FUZZ_REQUIRE(withoutSite.project && withoutSite.project->site == SiteDetails());
    if (rows[6] <= 0)
        FUZZ_REQUIRE(project.site == SiteDetails());
    Project siteAdded = *withoutSite.project;
    siteAdded.site = project.site;
    FUZZ_REQUIRE(siteAdded == project);
    const TelegramTables &tables = project.tables;
    for (int t = 0; t < 3; ++t)
        FUZZ_REQUIRE(tables.rowCount(telegramTables[t]) == rows[2 + t]);
    for (const Tele485ToKnxW &record : tables.rows485ToKnxW)
        FUZZ_REQUIRE(isInt(record.value));
    for (const Tele1Byte &record : tables.rows1Byte)
        FUZZ_REQUIRE(record.length == "1 byte" && isInt(record.min) && isInt(record.max) &&
                     isInt(record.interval));
    for (const TeleKnxTo485W &record : tables.rowsKnxTo485W)
        FUZZ_REQUIRE(isInt(record.value));
    // The address book keeps valid addresses once each.
    const QList<GroupAddressEntry> &entries = project.groupAddresses.entries();
    FUZZ_REQUIRE(entries.size() <= std::max(rows[5], 0));
    FUZZ_REQUIRE(GroupAddressBook(entries).entries().size() == entries.size());
    db.close();
    return 0;
}
