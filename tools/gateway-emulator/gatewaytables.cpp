#include "gatewaytables.h"

#include "rowkinds.h"

#include <type_traits>

namespace {
constexpr int LowBitsSpan = 256; // indexes that share the low 8 bits lie this far apart

template <typename Record> using RowMap = QMap<int, Record>;
} // namespace

void GatewayTables::announce(const TableSizes &sizes)
{
    announcedSizes = sizes;
    wasAnnounced = true;
    rows = {};
}

template <typename Record> int GatewayTables::sizeOf() const
{
    if constexpr (std::is_same_v<Record, Tele485ToKnxW>)
        return announcedSizes.rows485ToKnxW;
    else if constexpr (std::is_same_v<Record, Tele1Byte>)
        return announcedSizes.rows1Byte;
    else
        return announcedSizes.rowsKnxTo485W;
}

template <typename Record>
std::optional<int> GatewayTables::placeOfRow(const DecodedRow<Record> &row) const
{
    const int size = sizeOf<Record>();
    if (row.row >= size)
        return std::nullopt;
    if constexpr (!std::is_same_v<Record, Tele1Byte>) {
        return row.row;
    } else {
        const RowMap<Record> &stored = std::get<RowMap<Record>>(rows);
        int index = row.row;
        while (stored.contains(index) && index + LowBitsSpan < size)
            index += LowBitsSpan;
        return index;
    }
}

std::optional<int> GatewayTables::placeOf(const AnyDecodedRow &row) const
{
    return std::visit([this](const auto &decoded) { return placeOfRow(decoded); }, row);
}

std::optional<int> GatewayTables::store(const AnyDecodedRow &row)
{
    const std::optional<int> index = placeOf(row);
    if (!index)
        return std::nullopt;
    std::visit(
        [this, index](const auto &decoded) {
            using Record = std::decay_t<decltype(decoded.record)>;
            std::get<RowMap<Record>>(rows).insert(*index, decoded.record);
        },
        row);
    return index;
}

template <typename Record> QList<Record> GatewayTables::tableOf() const
{
    QList<Record> table(sizeOf<Record>());
    const RowMap<Record> &stored = std::get<RowMap<Record>>(rows);
    for (auto row = stored.cbegin(); row != stored.cend(); ++row)
        table[row.key()] = row.value();
    return table;
}

TelegramTables GatewayTables::tables() const
{
    TelegramTables tables;
    tables.rows485ToKnxW = tableOf<Tele485ToKnxW>();
    tables.rows1Byte = tableOf<Tele1Byte>();
    tables.rowsKnxTo485W = tableOf<TeleKnxTo485W>();
    return tables;
}

int GatewayTables::rowsStored() const
{
    return int(std::get<0>(rows).size() + std::get<1>(rows).size() + std::get<2>(rows).size());
}

bool GatewayTables::complete() const
{
    return wasAnnounced && rowsStored() == announcedSizes.rows485ToKnxW + announcedSizes.rows1Byte +
                                               announcedSizes.rowsKnxTo485W;
}

QString describeTableSizes(const TableSizes &sizes)
{
    return QStringLiteral("%1 + %2 + %3")
        .arg(sizes.rows485ToKnxW)
        .arg(sizes.rows1Byte)
        .arg(sizes.rowsKnxTo485W);
}

QString describeRow(const AnyDecodedRow &row, int index)
{
    return std::visit(
        [index](const auto &decoded) {
            using Record = std::decay_t<decltype(decoded.record)>;
            return QStringLiteral("%1 row %2: %3")
                .arg(QLatin1String(RowKind<Record>::name))
                .arg(index)
                .arg(describeStoredCells(decoded.record));
        },
        row);
}
