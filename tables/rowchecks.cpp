#include "rowchecks.h"

#include "itemtexts.h"
#include "recordchecks.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
enum class CellKind {
    Name,
    Telegram,
    Ack,
    Address,
    Type485,
    TypeKnx,
    Length,
    BaudRate,
    Value,
    Byte,
    Interval
};

const QList<CellKind> &cellKinds(TelegramTable table)
{
    using K = CellKind;
    static const QList<CellKind> kinds[] = {
        {K::Name, K::Telegram, K::Ack, K::Type485, K::Address, K::Length, K::Value},
        {K::Name, K::Telegram, K::Ack, K::Telegram, K::Ack, K::Address, K::Length, K::Byte, K::Byte,
         K::Interval},
        {K::Name, K::TypeKnx, K::BaudRate, K::Address, K::Length, K::Value, K::Telegram}};
    return kinds[int(table)];
}

// A decimal number from low to high, as its spin box would hold it.
std::optional<QString> normalisedNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern("[0-9]{1,9}"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int number = text.toInt();
    if (number < low || number > high)
        return std::nullopt;
    return QString::number(number);
}

struct CellCheck
{
    std::optional<QString> cell;
    QString reason;
};

CellCheck itemCell(const QString &text, const QStringList &items)
{
    if (items.contains(text))
        return {text, {}};
    return {std::nullopt, QCoreApplication::translate("MainWindow", "\"%1\" is not one of %2")
                              .arg(text, items.join(QLatin1String(", ")))};
}

CellCheck numberCell(const QString &text, int low, int high)
{
    return {normalisedNumber(text, low, high),
            QCoreApplication::translate("MainWindow", "\"%1\" is not a number from %2 to %3")
                .arg(text, QString::number(low), QString::number(high))};
}

// The value cell of a write row: in the range of the row's length. A read row
// carries no value.
CellCheck valueCell(const QString &text, const QString &type, const QString &length)
{
    if (type == type485ToKnxTexts().at(ReadTypeIndex))
        return {QString(), {}};
    const ValueRange range = valueRangeOfLength(int(lengthTexts().indexOf(length)));
    return numberCell(text, range.minimum, range.maximum);
}

CellCheck checkCell(CellKind kind, const QString &text, const QStringList &row, TelegramTable table)
{
    switch (kind) {
    case CellKind::Name:
        return {text, {}};
    case CellKind::Telegram:
        return {normalisedTelegram(text),
                QCoreApplication::translate("MainWindow",
                                            "\"%1\" is not a telegram of 1 to 64 bytes "
                                            "written as hexadecimal pairs")
                    .arg(text)};
    case CellKind::Ack:
        return {text.isEmpty() ? std::optional<QString>(text) : normalisedAck(text),
                QCoreApplication::translate(
                    "MainWindow",
                    "\"%1\" is not an acknowledgement of up to 32 bytes written as hexadecimal "
                    "pairs")
                    .arg(text)};
    case CellKind::Address:
        return {normalisedGroupAddress(text),
                QCoreApplication::translate("MainWindow",
                                            "\"%1\" is not a group address from 0/0/1 to 15/7/255")
                    .arg(text)};
    case CellKind::Type485:
        return itemCell(text, type485ToKnxTexts());
    case CellKind::TypeKnx:
        return itemCell(text, typeKnxTo485Texts());
    case CellKind::Length:
        return itemCell(text, lengthTexts());
    case CellKind::BaudRate:
        return itemCell(text, baudRateTexts());
    case CellKind::Value: {
        const QList<CellKind> &kinds = cellKinds(table);
        const auto typeColumn = table == TelegramTable::Tele485ToKnxW
                                    ? kinds.indexOf(CellKind::Type485)
                                    : kinds.indexOf(CellKind::TypeKnx);
        return valueCell(text, row.value(typeColumn), row.value(kinds.indexOf(CellKind::Length)));
    }
    case CellKind::Byte:
        return numberCell(text, 0, 255);
    case CellKind::Interval:
        return numberCell(text, 1, 255);
    }
    Q_UNREACHABLE();
}
} // namespace

RowCheck checkRow(TelegramTable table, const QStringList &typed, HexLetters letters)
{
    const QList<CellKind> &kinds = cellKinds(table);
    RowCheck check;
    for (int column = 0; column < kinds.size(); ++column) {
        const CellKind kind = kinds.at(column);
        const CellCheck cell = checkCell(kind, typed.value(column), typed, table);
        if (!cell.cell) {
            check.cells.clear();
            check.fault = CellFault{column, cell.reason};
            return check;
        }
        const bool hex = kind == CellKind::Telegram || kind == CellKind::Ack;
        check.cells << (hex && letters == HexLetters::UpperCase ? cell.cell->toUpper()
                                                                : *cell.cell);
    }
    return check;
}

std::optional<CellFault> storedRowFault(TelegramTable table, const QStringList &cells)
{
    const RowCheck check = checkRow(table, cells);
    if (check.fault)
        return check.fault;
    const QList<CellKind> &kinds = cellKinds(table);
    for (int column = 0; column < kinds.size(); ++column) {
        const CellKind kind = kinds.at(column);
        const bool spelled =
            kind == CellKind::Telegram || kind == CellKind::Ack || kind == CellKind::Address;
        if (spelled && check.cells.at(column) != cells.value(column))
            return CellFault{column, QCoreApplication::translate("MainWindow",
                                                                 "\"%1\" must be written as \"%2\"")
                                         .arg(cells.value(column), check.cells.at(column))};
    }
    return std::nullopt;
}

std::optional<TableRowFault> firstRowFault(const TelegramTables &tables)
{
    for (const TelegramTable table : telegramTables) {
        const QList<QStringList> rows = tables.cells(table);
        for (int row = 0; row < rows.size(); ++row)
            if (const std::optional<CellFault> fault = storedRowFault(table, rows.at(row)))
                return TableRowFault{table, row, *fault};
    }
    return std::nullopt;
}
