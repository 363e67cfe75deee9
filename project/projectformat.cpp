#include "projectformat.h"

#include "groupaddressbook.h"

namespace {
using S = StoredCell;

const TableFormat tele485ToKnxW = {
    "tele_485_to_knx_w",
    "CREATE TABLE tele_485_to_knx_w (id integer PRIMARY KEY AUTOINCREMENT,name text,telegram "
    "text,ack text,ntype text,addr text,length text,value text)",
    "insert into tele_485_to_knx_w values (?,?,?,?,?,?,?,?)",
    "exec 485 to knx Error",
    {S::Text, S::Text, S::Text, S::Text, S::Text, S::Text, S::Value},
    3};

const TableFormat tele1Byte = {
    "tele_1byte",
    "CREATE TABLE tele_1byte (id integer PRIMARY KEY AUTOINCREMENT,name text,telegram_p "
    "text,ack_p text,telegram_n text,ack_n text,addr text,min integer,max text,interval text)",
    "insert into tele_1byte values (?,?,?,?,?,?,?,?,?,?)",
    "exec 1byte Error",
    {S::Text, S::Text, S::Text, S::Text, S::Text, S::Text, S::Absent, S::Number, S::Number,
     S::Number}};

const TableFormat teleKnxTo485W = {
    "tele_knx_to_485_w",
    "CREATE TABLE tele_knx_to_485_w (id integer PRIMARY KEY AUTOINCREMENT,name text,ntype "
    "text,baudrate text,addr text,length text,value integer,telegram text)",
    "insert into tele_knx_to_485_w values (?,?,?,?,?,?,?,?)",
    "exec knx to 485 Error",
    {S::Text, S::Text, S::Text, S::Text, S::Text, S::Value, S::Text},
    1};
} // namespace

const TableFormat &telegramTableFormat(TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return tele485ToKnxW;
    case TelegramTable::Tele1Byte:
        return tele1Byte;
    case TelegramTable::TeleKnxTo485W:
        return teleKnxTo485W;
    }
    Q_UNREACHABLE();
}

const TableFormat &groupAddressTableFormat()
{
    static const TableFormat format = {
        "group_addresses",
        "CREATE TABLE group_addresses (id integer PRIMARY KEY AUTOINCREMENT,address text,name "
        "text,main_group text,middle_group text,datapoint_type text,description text)",
        "insert into group_addresses values (?,?,?,?,?,?,?)", "exec group addresses Error",
        QList<StoredCell>(GroupAddressEntry::columns.size(), StoredCell::Text)};
    return format;
}

const TableFormat &siteTableFormat()
{
    static const TableFormat format = {
        "site",
        "CREATE TABLE site (id integer PRIMARY KEY AUTOINCREMENT,site text,customer text,"
        "gateway_location text,installer text)",
        "insert into site values (?,?,?,?,?)", "exec site Error",
        QList<StoredCell>(4, StoredCell::Text)};
    return format;
}

QStringList siteCells(const SiteDetails &site)
{
    return {site.site, site.customer, site.gatewayLocation, site.installer};
}

SiteDetails siteOfCells(const QStringList &cells)
{
    return {cells.value(0), cells.value(1), cells.value(2), cells.value(3)};
}

const TableFormat &checkResultTableFormat()
{
    static const TableFormat format = {
        "check_results",
        "CREATE TABLE check_results (id integer PRIMARY KEY AUTOINCREMENT,table_name text,"
        "row_index text,checked_at text,outcome text,words text,row_text text,reaction_ms text)",
        "insert into check_results values (?,?,?,?,?,?,?,?)", "exec check results Error",
        QList<StoredCell>(7, StoredCell::Text)};
    return format;
}

QStringList checkResultCells(const RowCheckResult &result)
{
    return {telegramTableFormat(result.where.table).name,
            QString::number(result.where.row),
            result.time.toString(Qt::ISODateWithMs),
            outcomeName(result.outcome),
            result.words,
            result.rowText,
            QString::number(result.reactionMs)};
}

std::optional<RowCheckResult> checkResultOfCells(const QStringList &cells)
{
    RowCheckResult result;
    const auto table =
        std::find_if(std::begin(telegramTables), std::end(telegramTables), [&](TelegramTable kind) {
            return telegramTableFormat(kind).name == cells.value(0);
        });
    const std::optional<RowCheckResult::Outcome> outcome = outcomeNamed(cells.value(3));
    bool rowOk = false;
    result.where.row = cells.value(1).toInt(&rowOk);
    result.time = QDateTime::fromString(cells.value(2), Qt::ISODateWithMs);
    if (table == std::end(telegramTables) || !outcome || !rowOk || result.where.row < 0 ||
        !result.time.isValid())
        return std::nullopt;
    result.where.table = *table;
    result.outcome = *outcome;
    result.words = cells.value(4);
    result.rowText = cells.value(5);
    result.reactionMs = cells.value(6).toInt();
    return result;
}

QString oneByteLength()
{
    return QStringLiteral("1 byte");
}
