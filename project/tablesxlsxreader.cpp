#include "tablesxlsx.h"

#include "tablesxlsxarchive.h"
#include "tablesxlsxparts.h"
#include "tabletitles.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr qint64 MostFileBytes = 16 * 1024 * 1024;
constexpr int MostHeaderCells = 64;

TableFile workbookFault(const QString &reason)
{
    TableFile file;
    file.faults << TableFault{0, -1, reason};
    return file;
}

// A sheet read row by row into a table file: its first row with text must be
// a table's header.
class SheetTable
{
public:
    explicit SheetTable(const QString &sheet)
        : namedAsTable(std::any_of(
              std::begin(telegramTables), std::end(telegramTables), [&](TelegramTable table) {
                  return sheet.trimmed().compare(tableSheetName(table), Qt::CaseInsensitive) == 0;
              }))
    {
        file.sheet = sheet;
    }

    // False once the rest of the sheet does not matter.
    bool take(const XlsxRow &row)
    {
        if (row.cells.isEmpty())
            return true;
        const int last = row.cells.lastKey();
        if (!headerSeen) {
            headerSeen = true;
            file.headerLine = row.number;
            if (last < MostHeaderCells)
                file.table = tableOfHeader(cells(row, last + 1));
            if (!file.table && namedAsTable)
                file.faults << TableFault{
                    row.number, -1,
                    QCoreApplication::translate("MainWindow",
                                                "The first row is not the column titles of a "
                                                "telegram table; expected one of: %1")
                        .arg(expectedHeaders())};
            return file.table.has_value();
        }
        const int columns = int(columnTitles(*file.table).size());
        CsvRecord record{row.number, cells(row, std::min(last + 1, columns)), std::nullopt};
        if (last >= columns)
            record.fault =
                CellFault{last, QCoreApplication::translate(
                                    "MainWindow", "The row has text beyond the table's %1 columns")
                                    .arg(columns)};
        takeRecord(file, record);
        return true;
    }

    // The table file, or nothing for a sheet that is no table's.
    std::optional<TableFile> finished()
    {
        if (!file.table && file.faults.isEmpty())
            return std::nullopt;
        if (!file.faults.isEmpty())
            file.rows.clear();
        return file;
    }

private:
    static QStringList cells(const XlsxRow &row, int count)
    {
        QStringList cells;
        for (int column = 0; column < count; ++column)
            cells << row.cells.value(column);
        return cells;
    }

    const bool namedAsTable;
    bool headerSeen = false;
    TableFile file;
};

// The workbook's parts, each a fault with a reason when it cannot be had.
class WorkbookParts
{
public:
    explicit WorkbookParts(const QByteArray &bytes)
        : archive(bytes)
    {}

    bool isArchive() const { return archive.isOpen(); }

    std::optional<QByteArray> part(const QString &name)
    {
        const XlsxArchive::Part part = archive.part(name);
        switch (part.status) {
        case XlsxArchive::Status::Read:
            return part.bytes;
        case XlsxArchive::Status::TooLarge:
            fault = QCoreApplication::translate("MainWindow",
                                                "The workbook unpacks to too much: %1 is larger "
                                                "than 16 MiB, or all parts together than 64 MiB")
                        .arg(name);
            return std::nullopt;
        case XlsxArchive::Status::Missing:
        case XlsxArchive::Status::Damaged:
            missing = part.status == XlsxArchive::Status::Missing;
            damaged(name);
            return std::nullopt;
        }
        Q_UNREACHABLE();
    }

    void damaged(const QString &name)
    {
        fault =
            QCoreApplication::translate("MainWindow", "The workbook is damaged: %1 cannot be read")
                .arg(name);
    }

    QString fault;
    bool missing = false; // the last part asked for is not there

private:
    XlsxArchive archive;
};

QString notWorkbook()
{
    return QCoreApplication::translate("MainWindow", "The file is not an .xlsx workbook");
}

// The workbook part as the package's relationships name it.
QString workbookPartName(WorkbookParts &parts)
{
    const std::optional<QByteArray> root = parts.part(QStringLiteral("_rels/.rels"));
    parts.fault.clear();
    if (root)
        if (const auto relationships = readXlsxRelationships(*root, QString()))
            for (const XlsxRelationship &relationship : *relationships)
                if (relationship.kind == QLatin1String("officeDocument"))
                    return relationship.target;
    return QStringLiteral("xl/workbook.xml");
}

// The cells' texts beside the sheets: shared strings and date formats.
std::optional<XlsxCellTexts> cellTexts(WorkbookParts &parts,
                                       const QMap<QString, XlsxRelationship> &relationships)
{
    XlsxCellTexts texts;
    bool sharedRead = false;
    bool stylesRead = false;
    for (const XlsxRelationship &relationship : relationships) {
        const bool shared = relationship.kind == QLatin1String("sharedStrings") && !sharedRead;
        const bool styles = relationship.kind == QLatin1String("styles") && !stylesRead;
        if (!shared && !styles)
            continue;
        const std::optional<QByteArray> bytes = parts.part(relationship.target);
        if (!bytes)
            return std::nullopt;
        const std::optional<QStringList> strings =
            shared ? readXlsxSharedStrings(*bytes) : std::nullopt;
        const std::optional<QList<bool>> dates =
            styles ? readXlsxDateFormats(*bytes) : std::nullopt;
        if (!strings && !dates) {
            parts.damaged(relationship.target);
            return std::nullopt;
        }
        sharedRead = sharedRead || shared;
        stylesRead = stylesRead || styles;
        texts.shared = strings.value_or(texts.shared);
        texts.dateFormats = dates.value_or(texts.dateFormats);
    }
    return texts;
}

QList<TableFile> readSheets(WorkbookParts &parts)
{
    const QString workbookPart = workbookPartName(parts);
    const std::optional<QByteArray> workbookXml = parts.part(workbookPart);
    if (!workbookXml)
        return {workbookFault(parts.missing ? notWorkbook() : parts.fault)};
    const std::optional<XlsxWorkbook> workbook = readXlsxWorkbook(*workbookXml);
    const QString relationshipsPart = xlsxRelationshipsPart(workbookPart);
    const std::optional<QByteArray> relationshipsXml = parts.part(relationshipsPart);
    if (!workbook || !relationshipsXml) {
        if (!workbook)
            parts.damaged(workbookPart);
        return {workbookFault(parts.fault)};
    }
    const auto relationships = readXlsxRelationships(
        *relationshipsXml,
        workbookPart.left(std::max<qsizetype>(workbookPart.lastIndexOf('/'), 0)));
    if (!relationships) {
        parts.damaged(relationshipsPart);
        return {workbookFault(parts.fault)};
    }
    std::optional<XlsxCellTexts> texts = cellTexts(parts, *relationships);
    if (!texts)
        return {workbookFault(parts.fault)};
    texts->date1904 = workbook->date1904;

    QList<TableFile> files;
    QStringList sheetParts; // each read once
    for (const XlsxSheet &sheet : workbook->sheets) {
        const auto relationship = relationships->constFind(sheet.relationship);
        if (relationship == relationships->constEnd() ||
            sheetParts.contains(relationship->target, Qt::CaseInsensitive)) {
            parts.damaged(workbookPart);
            return {workbookFault(parts.fault)};
        }
        if (relationship->kind != QLatin1String("worksheet"))
            continue; // a chart sheet
        sheetParts << relationship->target;
        const std::optional<QByteArray> sheetXml = parts.part(relationship->target);
        if (!sheetXml)
            return {workbookFault(parts.fault)};
        SheetTable table(sheet.name);
        if (!readXlsxRows(*sheetXml, *texts, [&](const XlsxRow &row) { return table.take(row); })) {
            parts.damaged(relationship->target);
            return {workbookFault(parts.fault)};
        }
        if (std::optional<TableFile> file = table.finished())
            files << *file;
    }
    return files;
}
} // namespace

QList<TableFile> readTablesXlsx(const QByteArray &bytes)
{
    if (bytes.size() > MostFileBytes)
        return {workbookFault(
            QCoreApplication::translate("MainWindow", "The file is larger than 16 MiB"))};
    WorkbookParts parts(bytes);
    if (!parts.isArchive())
        return {workbookFault(
            bytes.startsWith("PK\x03\x04")
                ? QCoreApplication::translate(
                      "MainWindow", "The workbook is damaged: it is not a complete zip archive")
                : notWorkbook())};
    QList<TableFile> files = readSheets(parts);
    if (files.isEmpty())
        files << workbookFault(
            QCoreApplication::translate("MainWindow",
                                        "The workbook holds no sheet whose first row is the column "
                                        "titles of a telegram table; expected one of: %1")
                .arg(expectedHeaders()));
    return files;
}
