#include "tablescsv.h"

#include "csvtext.h"
#include "rowchecks.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr qint64 MostFileBytes = 16 * 1024 * 1024;

// The fields without the empty ones after the last filled one.
QStringList withoutTrailingEmpty(QStringList fields)
{
    while (!fields.isEmpty() && fields.constLast().isEmpty())
        fields.removeLast();
    return fields;
}

std::optional<TelegramTable> tableOfHeader(const QStringList &fields)
{
    QStringList titles;
    for (const QString &field : withoutTrailingEmpty(fields))
        titles << field.trimmed();
    for (const TelegramTable table : telegramTables) {
        const QStringList expected = columnTitles(table, TitleLanguage::English);
        if (titles.size() == expected.size() &&
            titles.join('\n').compare(expected.join('\n'), Qt::CaseInsensitive) == 0)
            return table;
    }
    return std::nullopt;
}

// The checked row of a record's fields, or its fault.
std::optional<CsvFault> takeRow(TableCsv &file, const CsvRecord &record)
{
    if (record.fault)
        return CsvFault{record.line, record.fault->column, record.fault->reason};
    const QStringList fields = withoutTrailingEmpty(record.fields);
    const int columns = int(columnTitles(*file.table).size());
    if (fields.size() > columns)
        return CsvFault{
            record.line, columns,
            QCoreApplication::translate("MainWindow", "The line has %1 cells, the table %2 columns")
                .arg(fields.size())
                .arg(columns)};
    const RowCheck check = checkRow(*file.table, fields, HexLetters::UpperCase);
    if (check.fault)
        return CsvFault{record.line, check.fault->column, check.fault->reason};
    file.rows << check.cells;
    return std::nullopt;
}

TableCsv fileFault(const QString &path, const QString &reason)
{
    TableCsv file;
    file.file = QFileInfo(path).fileName();
    file.faults << CsvFault{0, -1, reason};
    return file;
}

QString faultLine(const QString &file, std::optional<TelegramTable> table, const CsvFault &fault)
{
    if (fault.line == 0)
        return QCoreApplication::translate("MainWindow", "%1: %2").arg(file, fault.reason);
    if (fault.column < 0)
        return QCoreApplication::translate("MainWindow", "%1, line %2: %3")
            .arg(file, QString::number(fault.line), fault.reason);
    const QStringList titles = table ? columnTitles(*table) : QStringList();
    const QString column = fault.column < titles.size()
                               ? QStringLiteral("%1 (%2)").arg(QString::number(fault.column + 1),
                                                               titles.at(fault.column))
                               : QString::number(fault.column + 1);
    // One arg() for all: a file name or reason may hold "%1".
    return QCoreApplication::translate("MainWindow", "%1, line %2, column %3: %4")
        .arg(file, QString::number(fault.line), column, fault.reason);
}
} // namespace

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

TableCsv readTableCsv(const QByteArray &text)
{
    TableCsv file;
    const QList<CsvRecord> records = csvRecords(text);
    file.table = records.isEmpty() ? std::nullopt : tableOfHeader(records.first().fields);
    if (!file.table) {
        file.faults << CsvFault{1, -1,
                                QCoreApplication::translate(
                                    "MainWindow", "The first line is not the column titles of a "
                                                  "telegram table")};
        return file;
    }
    for (const CsvRecord &record : records.mid(1))
        if (!withoutTrailingEmpty(record.fields).isEmpty() || record.fault)
            if (const std::optional<CsvFault> fault = takeRow(file, record))
                file.faults << *fault;
    if (!file.faults.isEmpty())
        file.rows.clear();
    return file;
}

QList<TableCsv> readTableFiles(const QStringList &paths)
{
    QList<TableCsv> files;
    QList<TelegramTable> tables;
    for (const QString &path : paths) {
        QFile input(path);
        if (!input.open(QIODevice::ReadOnly)) {
            files << fileFault(path,
                               QCoreApplication::translate("MainWindow", "Cannot read the file"));
            continue;
        }
        const QByteArray text = input.read(MostFileBytes + 1);
        if (text.size() > MostFileBytes) {
            files << fileFault(
                path, QCoreApplication::translate("MainWindow", "The file is larger than 16 MiB"));
            continue;
        }
        TableCsv file = readTableCsv(text);
        file.file = QFileInfo(path).fileName();
        if (file.table && tables.contains(*file.table)) {
            file.rows.clear();
            file.faults.prepend({1, -1,
                                 QCoreApplication::translate(
                                     "MainWindow", "Another chosen file holds this table too")});
        }
        if (file.table)
            tables << *file.table;
        files << file;
    }
    return files;
}

QStringList faultLines(const QList<TableCsv> &files)
{
    QStringList lines;
    for (const TableCsv &file : files)
        for (const CsvFault &fault : file.faults)
            lines << faultLine(file.file, file.table, fault);
    return lines;
}

TelegramTables withImported(TelegramTables tables, const QList<TableCsv> &files, ImportMode mode)
{
    for (const TableCsv &file : files) {
        if (!file.table)
            continue;
        const QList<QStringList> kept =
            mode == ImportMode::Append ? tables.cells(*file.table) : QList<QStringList>();
        tables.setCells(*file.table, kept + file.rows);
    }
    return tables;
}
