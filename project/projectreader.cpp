#include "projectreader.h"
#include "projectformat.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
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

bool readGeneral(const QSqlDatabase &db, ProjectData &data)
{
    QSqlQuery query(db);
    if (!query.exec("select * from general") || !query.next())
        return false;
    const RowReader row(query);
    int *const fields[] = {&data.baud_rate,        &data.stop_bit,  &data.parity,
                           &data.num_485_to_knx_w, &data.num_1byte, &data.num_knx_to_485_w};
    for (int column = 0; column < int(std::size(fields)); ++column)
        *fields[column] = row.number(column);
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

template <typename Record>
QList<Record> readTelegramTable(const QSqlDatabase &db, TelegramTable table)
{
    const TelegramTableFormat &format = telegramTableFormat(table);
    QList<Record> records;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec("select * from " + format.name))
        return records;
    const RowReader row(query);
    while (query.next())
        records << recordFromCells<Record>(cellsOfRow(row, format.cells));
    return records;
}
} // namespace

bool readProjectFile(const QSqlDatabase &db, ProjectData &data)
{
    data = ProjectData();
    const bool isProject = readGeneral(db, data);
    data.list_485_to_knx_w = readTelegramTable<Tele485ToKnxW>(db, TelegramTable::Tele485ToKnxW);
    data.list_1byte = readTelegramTable<Tele1Byte>(db, TelegramTable::Tele1Byte);
    data.list_knx_to_485_w = readTelegramTable<TeleKnxTo485W>(db, TelegramTable::TeleKnxTo485W);
    return isProject;
}
