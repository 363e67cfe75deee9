#include "projectreader.h"
#include "itemtexts.h"
#include "projectformat.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <iterator>
#include <limits>

namespace {
constexpr int MostQuotedCharacters = 40;

// The messages, translated as the window's.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

// A stored value as the user would recognise it in a message.
QString shown(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return value.toString();
    QString text = value.toString();
    if (text.size() > MostQuotedCharacters)
        text = text.left(MostQuotedCharacters) + QChar(0x2026);
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A stored number: a whole number in the int range, as an integer, a real
// without a fraction or a decimal text. Otherwise why not.
struct StoredNumber
{
    std::optional<int> number;
    QString fault;
};

StoredNumber outOfRange(const QVariant &value)
{
    return {std::nullopt, Message::tr("%1 is out of range").arg(shown(value))};
}

StoredNumber storedNumber(const QVariant &value)
{
    constexpr qlonglong least = std::numeric_limits<int>::min();
    constexpr qlonglong most = std::numeric_limits<int>::max();
    const StoredNumber notWhole{std::nullopt,
                                Message::tr("%1 is not a whole number").arg(shown(value))};
    if (value.isNull())
        return notWhole;
    if (value.typeId() == QMetaType::Double) {
        const double real = value.toDouble();
        if (!std::isfinite(real) || real != std::floor(real))
            return notWhole;
        if (real < double(least) || real > double(most))
            return outOfRange(value);
        return {int(real), {}};
    }
    static const QRegularExpression decimal(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    const QString text = value.toString();
    if (!decimal.match(text).hasMatch())
        return notWhole;
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok || number < least || number > most)
        return outOfRange(value);
    return {int(number), {}};
}

// The current row of a select, read by position.
class RowReader
{
public:
    explicit RowReader(const QSqlQuery &query)
        : query(query)
        , columns(query.record().count())
    {}

    int columnCount() const { return columns; }
    QVariant value(int column) const { return query.value(column); }
    QString text(int column) const { return value(column).toString(); }

private:
    const QSqlQuery &query;
    const int columns;
};

// Reading stops at the first fault.
struct Reading
{
    ProjectRead::Refusal refusal = ProjectRead::Refusal::None;
    QString fault;

    bool failed() const { return refusal != ProjectRead::Refusal::None; }
    void refuse(const QString &where, const QString &what)
    {
        refusal = ProjectRead::Refusal::Faulty;
        fault = where + QLatin1String(": ") + what;
    }
};

// SQLite's "database is locked" and "table is locked".
bool isLocked(const QSqlError &error)
{
    return error.nativeErrorCode() == QLatin1String("5") ||
           error.nativeErrorCode() == QLatin1String("6");
}

// Runs a select; false when it fails, the file being locked recorded.
bool select(QSqlQuery &query, const QString &table, Reading &reading)
{
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("select * from ") + table))
        return true;
    if (isLocked(query.lastError())) {
        reading.refusal = ProjectRead::Refusal::Locked;
        reading.fault =
            Message::tr("the file is locked by another program that is writing it; try again "
                        "when that has finished");
    }
    return false;
}

// The general table: the "Serial Options" indexes, then the row count the
// file claims for each telegram table.
struct General
{
    SerialSettings serialOptions;
    int claimedRows[std::size(telegramTables)] = {};
};

const char *const generalColumns[] = {"baud_rate",        "stop_bit",  "parity",
                                      "num_485_to_knx_w", "num_1byte", "num_knx_to_485_w"};

std::optional<General> readGeneral(const QSqlDatabase &db, Reading &reading)
{
    QSqlQuery query(db);
    if (!select(query, QStringLiteral("general"), reading) || !query.next()) {
        if (!reading.failed())
            reading.refusal = ProjectRead::Refusal::NotAProject;
        return std::nullopt;
    }
    const RowReader row(query);
    int numbers[std::size(generalColumns)] = {};
    for (int column = 0; column < int(std::size(generalColumns)); ++column) {
        const QString where = QStringLiteral("general, ") + generalColumns[column];
        if (column >= row.columnCount()) {
            reading.refuse(where, Message::tr("the column is missing"));
            return std::nullopt;
        }
        const StoredNumber number = storedNumber(row.value(column));
        if (!number.number) {
            reading.refuse(where, number.fault);
            return std::nullopt;
        }
        numbers[column] = *number.number;
    }
    General general;
    general.serialOptions = {numbers[0], numbers[1], numbers[2]};
    std::copy(std::begin(numbers) + 3, std::end(numbers), std::begin(general.claimedRows));
    return general;
}

// The cell texts of a record from a row of its telegram table, or nothing
// once a fault is recorded.
std::optional<QStringList> cellsOfRow(const RowReader &row, TelegramTable table,
                                      const QString &rowName, Reading &reading)
{
    const TableFormat &format = telegramTableFormat(table);
    QStringList texts;
    texts.reserve(format.cells.size());
    int column = 1; // after the id
    for (const StoredCell cell : format.cells) {
        if (cell == StoredCell::Absent) {
            texts << oneByteLength();
            continue;
        }
        const QVariant value = row.value(column++);
        if (cell == StoredCell::Text) {
            texts << value.toString();
            continue;
        }
        const bool readRow =
            texts.value(format.typeColumn) == type485ToKnxTexts().at(ReadTypeIndex);
        if (cell == StoredCell::Value && readRow && value.toString().isEmpty()) {
            texts << QStringLiteral("0");
            continue;
        }
        const StoredNumber number = storedNumber(value);
        if (!number.number) {
            reading.refuse(rowName + QLatin1String(", ") +
                               columnTitles(table).value(int(texts.size())),
                           number.fault);
            return std::nullopt;
        }
        texts << QString::number(*number.number);
    }
    return texts;
}

// Every row of the telegram table, as many as the file claims, or nothing
// once a fault is recorded.
std::optional<QList<QStringList>> readTelegramTable(const QSqlDatabase &db, TelegramTable table,
                                                    int claimedRows, Reading &reading)
{
    const TableFormat &format = telegramTableFormat(table);
    const QString title = tableTitle(table);
    QSqlQuery query(db);
    if (!select(query, format.name, reading)) {
        if (!reading.failed())
            reading.refuse(title, Message::tr("the table %1 is missing").arg(format.name));
        return std::nullopt;
    }
    const RowReader row(query);
    const int columns = 1 + int(format.cells.size() - format.cells.count(StoredCell::Absent));
    if (row.columnCount() < columns) {
        reading.refuse(title, Message::tr("the table %1 has %2 of its %3 columns")
                                  .arg(format.name)
                                  .arg(row.columnCount())
                                  .arg(columns));
        return std::nullopt;
    }
    QList<QStringList> rows;
    int held = 0;
    while (query.next()) {
        if (++held > claimedRows)
            continue; // counted only
        const QString rowName = Message::tr("%1 row %2").arg(title).arg(held);
        const std::optional<QStringList> cells = cellsOfRow(row, table, rowName, reading);
        if (!cells)
            return std::nullopt;
        rows << *cells;
    }
    if (held != claimedRows) {
        reading.refuse(
            title,
            Message::tr("the file claims %1 rows, the table holds %2").arg(claimedRows).arg(held));
        return std::nullopt;
    }
    return rows;
}

// The rows of a table of texts, at most `mostRows`; none when the table is missing.
QList<QStringList> readTextTable(const QSqlDatabase &db, const TableFormat &format,
                                 qsizetype mostRows = std::numeric_limits<qsizetype>::max())
{
    QList<QStringList> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec("select * from " + format.name))
        return rows;
    const RowReader row(query);
    while (rows.size() < mostRows && query.next()) {
        QStringList texts;
        for (int column = 1; column <= format.cells.size(); ++column)
            texts << (column < row.columnCount() ? row.text(column) : QString());
        rows << texts;
    }
    return rows;
}
} // namespace

ProjectRead readProjectFile(const QSqlDatabase &db)
{
    Reading reading;
    ProjectRead read;
    const std::optional<General> general = readGeneral(db, reading);
    Project project;
    for (int index = 0; general && index < int(std::size(telegramTables)); ++index) {
        const TelegramTable table = telegramTables[index];
        const std::optional<QList<QStringList>> rows =
            readTelegramTable(db, table, general->claimedRows[index], reading);
        if (!rows)
            break;
        project.tables.setCells(table, *rows);
    }
    if (reading.failed()) {
        read.refusal = reading.refusal;
        read.fault = reading.fault;
        return read;
    }
    project.serialOptions = general->serialOptions;
    project.groupAddresses = GroupAddressBook(
        recordsFromCells<GroupAddressEntry>(readTextTable(db, groupAddressTableFormat())));
    project.site = siteOfCells(readTextTable(db, siteTableFormat(), 1).value(0));
    QList<RowCheckResult> results;
    for (const QStringList &cells : readTextTable(db, checkResultTableFormat())) {
        if (const std::optional<RowCheckResult> result = checkResultOfCells(cells))
            results << *result;
    }
    project.checkResults = resultsThatHold(results, project.tables);
    read.project = project;
    return read;
}
