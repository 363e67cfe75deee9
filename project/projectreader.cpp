#include "projectreader.h"
#include "projectformat.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <iterator>
#include <limits>

namespace {
// A value as an int: a number in the int range (a real rounded), or the
// decimal text of one; anything else gives 0.
int numberOf(const QVariant &value)
{
    constexpr qlonglong least = std::numeric_limits<int>::min();
    constexpr qlonglong most = std::numeric_limits<int>::max();
    if (value.typeId() == QMetaType::Double) {
        const double real = value.toDouble();
        const bool inRange = std::isfinite(real) && real > least - 0.5 && real < most + 0.5;
        return inRange ? qRound(real) : 0;
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok && number >= least && number <= most ? int(number) : 0;
}

// The current row of a select, read by position; a column the row lacks
// reads as null.
class RowReader
{
public:
    explicit RowReader(const QSqlQuery &query)
        : query(query)
        , columns(query.record().count())
    {}

    QVariant value(int column) const { return column < columns ? query.value(column) : QVariant(); }
    QString text(int column) const { return value(column).toString(); }
    int number(int column) const { return numberOf(value(column)); }

private:
    const QSqlQuery &query;
    const int columns;
};

// The general table: the "Serial Options" indexes, then the row count the
// file claims for each telegram table.
struct General
{
    SerialSettings serialOptions;
    int claimedRows[std::size(telegramTables)] = {};
};

bool readGeneral(const QSqlDatabase &db, General &general)
{
    QSqlQuery query(db);
    if (!query.exec("select * from general") || !query.next())
        return false;
    const RowReader row(query);
    general.serialOptions = {row.number(0), row.number(1), row.number(2)};
    for (int table = 0; table < int(std::size(telegramTables)); ++table)
        general.claimedRows[table] = row.number(3 + table);
    return true;
}

// The cell texts of a record from a row of its telegram table.
QStringList cellsOfRow(const RowReader &row, const QList<StoredCell> &cells)
{
    QStringList texts;
    texts.reserve(cells.size());
    int column = 1; // after the id
    for (const StoredCell cell : cells) {
        switch (cell) {
        case StoredCell::Text:
            texts << row.text(column++);
            break;
        case StoredCell::Number:
            texts << QString::number(row.number(column++));
            break;
        case StoredCell::Absent:
            texts << oneByteLength();
            break;
        }
    }
    return texts;
}

// The cell texts of every row of the table.
QList<QStringList> readTable(const QSqlDatabase &db, const TableFormat &format)
{
    QList<QStringList> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec("select * from " + format.name))
        return rows;
    const RowReader row(query);
    while (query.next())
        rows << cellsOfRow(row, format.cells);
    return rows;
}
} // namespace

bool readProjectFile(const QSqlDatabase &db, Project &project)
{
    project = Project();
    General general;
    const bool isProject = readGeneral(db, general);
    project.serialOptions = general.serialOptions;
    for (int index = 0; index < int(std::size(telegramTables)); ++index) {
        const TelegramTable table = telegramTables[index];
        const QList<QStringList> rows = readTable(db, telegramTableFormat(table));
        if (rows.size() == general.claimedRows[index])
            project.tables.setCells(table, rows);
    }
    project.groupAddresses = GroupAddressBook(
        recordsFromCells<GroupAddressEntry>(readTable(db, groupAddressTableFormat())));
    return isProject;
}
