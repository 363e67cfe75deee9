#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The XML parts of a workbook that lead to its cells. Each reader gives
// nothing for a part that is not well-formed XML, holds a document type
// declaration (no entities to expand) or breaks the bounds of a workbook.

inline constexpr int MostSheetRows = 1048576;  // 1 to 1048576
inline constexpr int MostSheetColumns = 16384; // A to XFD
inline constexpr int MostSheets = 1000;

// A relationship's kind, the last part of its type ("worksheet",
// "sharedStrings", "styles", "officeDocument"), and the archive's name of
// the part it leads to.
struct XlsxRelationship
{
    QString kind;
    QString target;
};
// The relationships of a part's rels part by their id, targets resolved
// against the part's folder; external targets and targets outside the
// archive are left out.
std::optional<QMap<QString, XlsxRelationship>> readXlsxRelationships(const QByteArray &xml,
                                                                     const QString &folder);
// "xl/_rels/workbook.xml.rels" for "xl/workbook.xml"; "_rels/.rels" for "".
QString xlsxRelationshipsPart(const QString &part);

struct XlsxSheet
{
    QString name;
    QString relationship; // its id
};
struct XlsxWorkbook
{
    QList<XlsxSheet> sheets; // in the workbook's order
    bool date1904 = false;
};
std::optional<XlsxWorkbook> readXlsxWorkbook(const QByteArray &xml);

// The shared strings, rich text as its plain text.
std::optional<QStringList> readXlsxSharedStrings(const QByteArray &xml);

// For each cell format (a cell's "s"), whether it shows a date.
std::optional<QList<bool>> readXlsxDateFormats(const QByteArray &xml);

struct XlsxCellTexts
{
    QStringList shared;
    QList<bool> dateFormats;
    bool date1904 = false;
};

struct XlsxRow
{
    int number = 0;           // from 1
    QMap<int, QString> cells; // the cells with text by column, from 0
};
// Hands the rows of a sheet to `take` in order until it answers false. A cell
// gives its text: a shared or inline string, a number as typed (1, 6, 1.5),
// a date cell's date (2001-03-01), TRUE or FALSE, an error's code. False when
// the sheet is damaged: rows out of order, a cell reference outside a sheet
// or its row, a shared string that is not there.
bool readXlsxRows(const QByteArray &xml, const XlsxCellTexts &texts,
                  const std::function<bool(const XlsxRow &)> &take);

// Text with the characters XML cannot carry written as _xHHHH_, as
// spreadsheet programs write them, and the reverse.
QString xlsxEscaped(const QString &text);
QString xlsxUnescaped(const QString &text);
