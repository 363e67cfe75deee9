#include "projectwriter.h"
#include "programversion.h"
#include "projectformat.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const QStringList dropStatements = {"drop table if exists info",
                                    "drop table if exists general",
                                    "drop table if exists tele_485_to_knx_w",
                                    "drop table if exists tele_1byte",
                                    "drop table if exists tele_knx_to_485_w",
                                    "drop table if exists group_addresses",
                                    "drop table if exists site",
                                    "drop table if exists check_results"};

const char *const createInfo = "CREATE TABLE info (product text, version text, creat_time time)";
const char *const createGeneral =
    "CREATE TABLE general (baud_rate integer, stop_bit integer, parity integer, num_485_to_knx_w "
    "integer, num_1byte integer, num_knx_to_485_w integer)";

// A cell text as bound: a null text would be stored as NULL, so it is bound
// as an empty text like every other empty cell.
QVariant boundText(const QString &text)
{
    return text.isNull() ? QString("") : text;
}

bool execute(QSqlQuery &query, const QString &statement)
{
    if (query.exec(statement))
        return true;
    qDebug() << statement << query.lastError().text();
    return false;
}

bool insertRow(QSqlQuery &query, const QString &statement, const QStringList &texts,
               const char *failure)
{
    query.prepare(statement);
    for (const QString &text : texts)
        query.addBindValue(boundText(text));
    if (query.exec())
        return true;
    qDebug() << failure << query.lastError().text();
    return false;
}

// All rows as one batch: a list of values per file column, ids null so that
// SQLite numbers the rows 1, 2, 3 ... in table order.
bool insertRows(QSqlQuery &query, const TableFormat &format, const QList<QStringList> &rows)
{
    query.prepare(format.insertStatement);
    query.addBindValue(QVariantList(rows.size()));
    for (int column = 0; column < format.cells.size(); ++column) {
        if (format.cells.at(column) == StoredCell::Absent)
            continue;
        QVariantList values;
        values.reserve(rows.size());
        for (const QStringList &row : rows)
            values << boundText(row.value(column));
        query.addBindValue(values);
    }
    if (query.execBatch())
        return true;
    qDebug() << format.insertFailure << query.lastError().text();
    return false;
}

QList<QStringList> checkResultRows(const QList<RowCheckResult> &results)
{
    QList<QStringList> rows;
    for (const RowCheckResult &result : results)
        rows << checkResultCells(result);
    return rows;
}

// Every statement of the export in order; stops at the first that fails.
bool writeTables(const QSqlDatabase &db, const Project &project)
{
    QSqlQuery query(db);
    for (const QString &statement : dropStatements)
        if (!execute(query, statement))
            return false;
    QStringList creates = {createInfo, createGeneral};
    for (const TelegramTable table : telegramTables)
        creates << telegramTableFormat(table).createStatement;
    creates << groupAddressTableFormat().createStatement << siteTableFormat().createStatement
            << checkResultTableFormat().createStatement;
    for (const QString &statement : creates)
        if (!execute(query, statement))
            return false;

    const QString now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss");
    if (!insertRow(query, "insert into info values (?, ?, ?)", {"VELTRIS", programVersion, now},
                   "exec info Error"))
        return false;
    QStringList general = {QString::number(project.serialOptions.baudIndex),
                           QString::number(project.serialOptions.stopBitIndex),
                           QString::number(project.serialOptions.parityIndex)};
    for (const TelegramTable table : telegramTables)
        general << QString::number(project.tables.rowCount(table));
    if (!insertRow(query, "insert into general values (?, ?, ?, ?, ?, ?)", general,
                   "exec general Error"))
        return false;
    for (const TelegramTable table : telegramTables)
        if (!insertRows(query, telegramTableFormat(table), project.tables.cells(table)))
            return false;
    return insertRows(query, groupAddressTableFormat(),
                      cellsOfRecords(project.groupAddresses.entries())) &&
           insertRows(query, siteTableFormat(), {siteCells(project.site)}) &&
           insertRows(query, checkResultTableFormat(), checkResultRows(project.checkResults));
}
} // namespace

bool writeProjectFile(QSqlDatabase &db, const Project &project)
{
    if (!db.transaction()) {
        qDebug() << "begin transaction" << db.lastError().text();
        return false;
    }
    if (writeTables(db, project) && db.commit())
        return true;
    qDebug() << "project not written, rolled back";
    db.rollback();
    return false;
}
