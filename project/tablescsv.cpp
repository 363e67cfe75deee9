#include "tablescsv.h"

#include "rowchecks.h"
#include "tablesxlsx.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {
constexpr qint64 MostFileBytes = 16 * 1024 * 1024;

// The fields without the empty ones after the last filled one.
QStringList withoutTrailingEmpty(QStringList fields)
{
    while (!fields.isEmpty() && fields.constLast().isEmpty())
        fields.removeLast();
    return fields;
}

bool isTitle(const QString &cell, const QString &title)
{
    return cell.compare(title, Qt::CaseInsensitive) == 0 ||
           (title == QLatin1String("Tyte") &&
            cell.compare(QLatin1String("Type"), Qt::CaseInsensitive) == 0);
}

// A date as spreadsheet programs write one into a file: 01/03/01, 1/3/2001,
// 2001-03-01, 01.03.2001, 1-Mar-01, Mar 1, 2001, 2001年3月1日, perhaps with a time.
bool looksLikeDate(const QString &text)
{
    const auto pattern = [](const QString &date) {
        const QString time = QStringLiteral("( +\\d{1,2}:\\d{2}(:\\d{2})?( ?[ap]m)?)?");
        return QRegularExpression(QRegularExpression::anchoredPattern('(' + date + ')' + time),
                                  QRegularExpression::CaseInsensitiveOption);
    };
    const QString month =
        QStringLiteral("(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\.?");
    static const QRegularExpression numeric =
        pattern(QStringLiteral("(\\d{1,4})([./-])(\\d{1,2})\\3(\\d{1,4})"));
    const QStringList namedDates = {"\\d{1,2}[- ]?" + month + "[- ,]*\\d{2,4}",
                                    month + "[- ]\\d{1,2}(,? *\\d{2,4})?",
                                    QStringLiteral("\\d{2,4}年\\d{1,2}月(\\d{1,2}日)?")};
    static const QRegularExpression named = pattern(namedDates.join('|'));
    const QRegularExpressionMatch match = numeric.match(text.trimmed());
    if (!match.hasMatch())
        return named.match(text.trimmed()).hasMatch();
    // A year of four digits or a part with a leading zero: no address looks so.
    for (const int part : {2, 4, 5}) {
        const QString number = match.captured(part);
        if (number.size() == 4 || (number.size() == 2 && number.startsWith('0')))
            return true;
    }
    return false;
}

// Decimal numbers where hexadecimal pairs belong, some of odd length: 1, 6, 1 2 3.
bool looksLikeLostZeros(const QString &text)
{
    static const QRegularExpression numbers(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d+([ -]\\d+)*")));
    if (!numbers.match(text).hasMatch())
        return false;
    for (const QString &number : text.split(QRegularExpression(QStringLiteral("[ -]"))))
        if (number.size() % 2 == 1)
            return true;
    return false;
}

// Why a cell that the row checks refuse is what a spreadsheet program made of it.
std::optional<QString> spreadsheetChange(TelegramTable table, int column, const QString &text)
{
    if (column == addressColumn(table) && looksLikeDate(text))
        return QCoreApplication::translate(
                   "MainWindow",
                   "\"%1\" is a date, not a group address: a spreadsheet program took the address "
                   "for a date. Format the address column as text before saving the file, or use "
                   "the .xlsx export.")
            .arg(text);
    const QString title = columnTitles(table, TitleLanguage::English).value(column);
    const bool hex =
        title.startsWith(QLatin1String("Telegram")) || title.startsWith(QLatin1String("Ack"));
    if (hex && looksLikeLostZeros(text))
        return QCoreApplication::translate(
                   "MainWindow",
                   "\"%1\" is a number, not hexadecimal pairs: a spreadsheet program dropped the "
                   "leading zeros (01 became 1). Format the column as text before saving the "
                   "file, or use the .xlsx export.")
            .arg(text);
    return std::nullopt;
}

TableFile fileFault(const QString &path, const QString &reason)
{
    TableFile file;
    file.file = QFileInfo(path).fileName();
    file.faults << TableFault{0, -1, reason};
    return file;
}

// "B", "AA" for the columns 1 and 26.
QString columnLetters(int column)
{
    QString letters;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar('A' + (rest - 1) % 26));
    return letters;
}

QString faultLine(const TableFile &file, const TableFault &fault)
{
    const QString place =
        file.sheet.isEmpty()
            ? file.file
            : QCoreApplication::translate("MainWindow", "%1, sheet %2").arg(file.file, file.sheet);
    const QString line = QString::number(fault.line);
    if (fault.line == 0)
        return QCoreApplication::translate("MainWindow", "%1: %2").arg(place, fault.reason);
    if (fault.column < 0)
        return file.sheet.isEmpty() ? QCoreApplication::translate("MainWindow", "%1, line %2: %3")
                                          .arg(place, line, fault.reason)
                                    : QCoreApplication::translate("MainWindow", "%1, row %2: %3")
                                          .arg(place, line, fault.reason);
    const QStringList titles = file.table ? columnTitles(*file.table) : QStringList();
    const QString number =
        file.sheet.isEmpty() ? QString::number(fault.column + 1) : columnLetters(fault.column);
    const QString column = fault.column < titles.size()
                               ? QStringLiteral("%1 (%2)").arg(number, titles.at(fault.column))
                               : number;
    // One arg() for all: a file name or reason may hold "%1".
    return file.sheet.isEmpty()
               ? QCoreApplication::translate("MainWindow", "%1, line %2, column %3: %4")
                     .arg(place, line, column, fault.reason)
               : QCoreApplication::translate("MainWindow", "%1, row %2, column %3: %4")
                     .arg(place, line, column, fault.reason);
}

bool isWorkbook(const QString &path, const QByteArray &bytes)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ||
           bytes.startsWith("PK\x03\x04");
}
} // namespace

std::optional<TelegramTable> tableOfHeader(const QStringList &cells)
{
    const QStringList titles = withoutTrailingEmpty(cells);
    for (const TelegramTable table : telegramTables) {
        const QStringList expected = columnTitles(table, TitleLanguage::English);
        if (titles.size() != expected.size())
            continue;
        bool same = true;
        for (int i = 0; i < titles.size() && same; ++i)
            same = isTitle(titles.at(i).trimmed(), expected.at(i));
        if (same)
            return table;
    }
    return std::nullopt;
}

QString expectedHeaders()
{
    QStringList headers;
    for (const TelegramTable table : telegramTables)
        headers << QStringLiteral("\"%1\" (%2)")
                       .arg(columnTitles(table, TitleLanguage::English).join(','),
                            tableTitle(table));
    return headers.join(QLatin1String("; "));
}

void takeRecord(TableFile &file, const CsvRecord &record)
{
    if (record.fault) {
        file.faults << TableFault{record.line, record.fault->column, record.fault->reason};
        return;
    }
    const QStringList fields = withoutTrailingEmpty(record.fields);
    if (fields.isEmpty())
        return;
    const int columns = int(columnTitles(*file.table).size());
    if (fields.size() > columns) {
        file.faults << TableFault{
            record.line, columns,
            QCoreApplication::translate("MainWindow", "The line has %1 cells, the table %2 columns")
                .arg(fields.size())
                .arg(columns)};
        return;
    }
    const RowCheck check = checkRow(*file.table, fields, HexLetters::UpperCase);
    if (check.fault) {
        const int column = check.fault->column;
        file.faults << TableFault{record.line, column,
                                  spreadsheetChange(*file.table, column, fields.value(column))
                                      .value_or(check.fault->reason)};
        return;
    }
    file.rows << check.cells;
}

QString tableCsvFileName(TelegramTable table)
{
    switch (table) {
    case TelegramTable::Tele485ToKnxW:
        return QStringLiteral("485-to-knx.csv");
    case TelegramTable::Tele1Byte:
        return QStringLiteral("485-to-knx-1byte.csv");
    case TelegramTable::TeleKnxTo485W:
        return QStringLiteral("knx-to-485.csv");
    }
    Q_UNREACHABLE();
}

QByteArray tableCsv(const TelegramTables &tables, TelegramTable table)
{
    return csvText(QList<QStringList>{columnTitles(table, TitleLanguage::English)} +
                   tables.cells(table));
}

std::optional<QString> writeTableFiles(const TelegramTables &tables, const QString &folder)
{
    for (const TelegramTable table : telegramTables) {
        QSaveFile file(QDir(folder).filePath(tableCsvFileName(table)));
        const QByteArray text = tableCsv(tables, table);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
            return file.fileName();
    }
    return std::nullopt;
}

TableFile readTableCsv(const QByteArray &text)
{
    TableFile file;
    const QList<CsvRecord> records = csvRecords(text);
    file.table = records.isEmpty() ? std::nullopt : tableOfHeader(records.first().fields);
    if (!file.table) {
        file.faults << TableFault{
            1, -1,
            QCoreApplication::translate("MainWindow",
                                        "The first line is not the column titles of a telegram "
                                        "table; expected one of: %1")
                .arg(expectedHeaders())};
        return file;
    }
    for (const CsvRecord &record : records.mid(1))
        takeRecord(file, record);
    if (!file.faults.isEmpty())
        file.rows.clear();
    return file;
}

QList<TableFile> readTableFiles(const QStringList &paths)
{
    QList<TableFile> files;
    QList<std::pair<TelegramTable, QString>> taken; // each table and the path it came from
    for (const QString &path : paths) {
        QFile input(path);
        if (!input.open(QIODevice::ReadOnly)) {
            files << fileFault(path,
                               QCoreApplication::translate("MainWindow", "Cannot read the file"));
            continue;
        }
        const QByteArray bytes = input.read(MostFileBytes + 1);
        if (bytes.size() > MostFileBytes) {
            files << fileFault(
                path, QCoreApplication::translate("MainWindow", "The file is larger than 16 MiB"));
            continue;
        }
        const QList<TableFile> read =
            isWorkbook(path, bytes) ? readTablesXlsx(bytes) : QList<TableFile>{readTableCsv(bytes)};
        for (TableFile file : read) {
            file.file = QFileInfo(path).fileName();
            if (!file.table) {
                files << file;
                continue;
            }
            const auto earlier = std::find_if(taken.cbegin(), taken.cend(), [&](const auto &held) {
                return held.first == *file.table;
            });
            if (earlier != taken.cend()) {
                file.rows.clear();
                file.faults.prepend(
                    {file.headerLine, -1,
                     earlier->second == path
                         ? QCoreApplication::translate("MainWindow",
                                                       "Another sheet holds this table too")
                         : QCoreApplication::translate(
                               "MainWindow", "Another chosen file holds this table too")});
            }
            taken.append({*file.table, path});
            files << file;
        }
    }
    return files;
}

QStringList faultLines(const QList<TableFile> &files)
{
    QStringList lines;
    for (const TableFile &file : files)
        for (const TableFault &fault : file.faults)
            lines << faultLine(file, fault);
    return lines;
}

TelegramTables withImported(TelegramTables tables, const QList<TableFile> &files, ImportMode mode)
{
    for (const TableFile &file : files) {
        if (!file.table)
            continue;
        const QList<QStringList> kept =
            mode == ImportMode::Append ? tables.cells(*file.table) : QList<QStringList>();
        tables.setCells(*file.table, kept + file.rows);
    }
    return tables;
}
