#include "tablesxlsxparts.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>
#include <QXmlStreamReader>

#include <cmath>

namespace {
// The character of an escape _xHHHH_ at the position.
std::optional<QChar> escapeAt(const QString &text, qsizetype at)
{
    if (at + 7 > text.size() || text.at(at) != '_' || text.at(at + 1) != 'x' ||
        text.at(at + 6) != '_')
        return std::nullopt;
    ushort code = 0;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        const int digit = QStringView(u"0123456789abcdef").indexOf(text.at(i).toLower());
        if (digit < 0)
            return std::nullopt;
        code = ushort(code * 16 + digit);
    }
    return QChar(code);
}

// The next token; a document type declaration is an error.
bool next(QXmlStreamReader &xml)
{
    xml.readNext();
    if (xml.tokenType() == QXmlStreamReader::DTD)
        xml.raiseError(QStringLiteral("document type declaration"));
    return !xml.atEnd() && !xml.hasError();
}

bool isStart(const QXmlStreamReader &xml, QLatin1String name)
{
    return xml.isStartElement() && xml.name() == name;
}

bool isEnd(const QXmlStreamReader &xml, QLatin1String name)
{
    return xml.isEndElement() && xml.name() == name;
}

QString attribute(const QXmlStreamReader &xml, QLatin1String name)
{
    return xml.attributes().value(name).toString();
}

// The plain text of a string item (<si>, <is>): its <t> elements, directly or
// in rich-text runs, without phonetic runs.
QString richText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && next(xml);) {
        if (isStart(xml, QLatin1String("rPh")))
            xml.skipCurrentElement();
        else if (isStart(xml, QLatin1String("t")))
            text += xml.readElementText();
        else if (xml.isStartElement())
            ++depth;
        else if (xml.isEndElement())
            --depth;
    }
    return xlsxUnescaped(text);
}

// A cell reference's column (from 0) and row (from 1), A1 to XFD1048576.
std::optional<std::pair<int, int>> cellReference(const QString &reference)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})")));
    const QRegularExpressionMatch match = form.match(reference);
    if (!match.hasMatch())
        return std::nullopt;
    int column = 0;
    for (const QChar letter : match.captured(1))
        column = column * 26 + (letter.toUpper().unicode() - 'A' + 1);
    const int row = match.captured(2).toInt();
    if (column > MostSheetColumns || row < 1 || row > MostSheetRows)
        return std::nullopt;
    return std::pair(column - 1, row);
}

// A number as a user types it: 1, not 1.0; 1.5; 1E+20 as 1e+20.
QString numberText(const QString &value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok)
        return value.trimmed();
    if (number == std::trunc(number) && std::fabs(number) < 1e15)
        return QString::number(qint64(number));
    return QString::number(number, 'g', 15);
}

// A date cell's serial number as its date, and time of day when it has one.
QString dateText(const QString &value, bool date1904)
{
    bool ok = false;
    const double serial = value.trimmed().toDouble(&ok);
    if (!ok || !(serial >= 0 && serial < 2958466))
        return numberText(value);
    const qint64 days = qint64(serial);
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(days);
    else if (days == 60)
        return QStringLiteral("1900-02-29"); // a day the 1900 system counts, that never was
    else
        date = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days);
    const int seconds = int(std::lround((serial - double(days)) * 86400)) % 86400;
    if (seconds == 0)
        return date.toString(Qt::ISODate);
    return date.toString(Qt::ISODate) + ' ' +
           QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm:ss"));
}

// Whether a number format shows a date: years or days outside quoted text,
// escaped characters and bracketed colours or locales.
bool isDateFormatCode(const QString &code)
{
    static const QRegularExpression literal(
        QStringLiteral("\"[^\"]*\"|\\\\.|\\[[^\\]]*\\]|_.|\\*."));
    const QString shown = QString(code).remove(literal).toLower();
    return shown.contains('y') || shown.contains('d');
}

bool isBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || id == 36 ||
           (id >= 50 && id <= 54) || id == 57 || id == 58;
}

// A cell's text by its type ("t"), format ("s") and value.
std::optional<QString> cellText(const QString &type, const QString &format, const QString &value,
                                const QString &inlineText, const XlsxCellTexts &texts)
{
    if (type == QLatin1String("s") && !value.trimmed().isEmpty()) {
        bool ok = false;
        const int index = value.trimmed().toInt(&ok);
        if (!ok || index < 0 || index >= texts.shared.size())
            return std::nullopt;
        return texts.shared.at(index);
    }
    if (type == QLatin1String("s") || type == QLatin1String("inlineStr"))
        return inlineText;
    if (type == QLatin1String("str") || type == QLatin1String("e"))
        return xlsxUnescaped(value);
    if (type == QLatin1String("b"))
        return value.trimmed() == QLatin1String("1")   ? QStringLiteral("TRUE")
               : value.trimmed() == QLatin1String("0") ? QStringLiteral("FALSE")
                                                       : value;
    if (type == QLatin1String("d")) {
        static const QRegularExpression midnight(QStringLiteral("T00:00(:00(\\.0+)?)?Z?$"));
        return QString(value).remove(midnight).replace('T', ' ');
    }
    if (value.isEmpty())
        return value;
    bool ok = false;
    const int style = format.toInt(&ok);
    if (ok && texts.dateFormats.value(style))
        return dateText(value, texts.date1904);
    return numberText(value);
}

// Reads a <c> element: its column, by reference or after the one before.
bool readCell(QXmlStreamReader &xml, const XlsxCellTexts &texts, XlsxRow &row, int &column)
{
    const QString reference = attribute(xml, QLatin1String("r"));
    if (reference.isEmpty()) {
        ++column;
    } else {
        const std::optional<std::pair<int, int>> place = cellReference(reference);
        if (!place || place->second != row.number)
            return false;
        column = place->first;
    }
    if (column >= MostSheetColumns)
        return false;
    const QString type = attribute(xml, QLatin1String("t"));
    const QString format = attribute(xml, QLatin1String("s"));
    QString value;
    QString inlineText;
    while (next(xml) && !isEnd(xml, QLatin1String("c"))) {
        if (isStart(xml, QLatin1String("v")))
            value = xml.readElementText();
        else if (isStart(xml, QLatin1String("is")))
            inlineText = richText(xml);
        else if (xml.isStartElement())
            xml.skipCurrentElement();
    }
    const std::optional<QString> text = cellText(type, format, value, inlineText, texts);
    if (!text)
        return false;
    if (text->isEmpty())
        row.cells.remove(column);
    else
        row.cells.insert(column, *text);
    return !xml.hasError();
}
} // namespace

std::optional<QMap<QString, XlsxRelationship>> readXlsxRelationships(const QByteArray &bytes,
                                                                     const QString &folder)
{
    QMap<QString, XlsxRelationship> relationships;
    QXmlStreamReader xml(bytes);
    while (next(xml)) {
        if (!isStart(xml, QLatin1String("Relationship")) ||
            attribute(xml, QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        const QString target =
            QUrl::fromPercentEncoding(attribute(xml, QLatin1String("Target")).toUtf8());
        QString path = QDir::cleanPath(
            target.startsWith('/') || folder.isEmpty() ? target : folder + '/' + target);
        while (path.startsWith('/'))
            path.remove(0, 1);
        if (path.isEmpty() || path == QLatin1String("..") || path.startsWith(QLatin1String("../")))
            continue;
        const QString type = attribute(xml, QLatin1String("Type"));
        relationships.insert(attribute(xml, QLatin1String("Id")),
                             {type.mid(type.lastIndexOf('/') + 1), path});
    }
    if (xml.hasError())
        return std::nullopt;
    return relationships;
}

QString xlsxRelationshipsPart(const QString &part)
{
    const qsizetype slash = part.lastIndexOf('/');
    return part.left(slash + 1) + QLatin1String("_rels/") + part.mid(slash + 1) +
           QLatin1String(".rels");
}

std::optional<XlsxWorkbook> readXlsxWorkbook(const QByteArray &bytes)
{
    XlsxWorkbook workbook;
    QXmlStreamReader xml(bytes);
    while (next(xml)) {
        if (isStart(xml, QLatin1String("workbookPr"))) {
            const QString date1904 = attribute(xml, QLatin1String("date1904"));
            workbook.date1904 = date1904 == QLatin1String("1") || date1904 == QLatin1String("true");
        } else if (isStart(xml, QLatin1String("sheet"))) {
            if (workbook.sheets.size() == MostSheets)
                return std::nullopt;
            XlsxSheet sheet{attribute(xml, QLatin1String("name")), {}};
            // r:id, in whichever namespace the workbook names relationships.
            for (const QXmlStreamAttribute &each : xml.attributes())
                if (each.name() == QLatin1String("id") && !each.namespaceUri().isEmpty())
                    sheet.relationship = each.value().toString();
            workbook.sheets << sheet;
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return workbook;
}

std::optional<QStringList> readXlsxSharedStrings(const QByteArray &bytes)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (next(xml))
        if (isStart(xml, QLatin1String("si")))
            strings << richText(xml);
    if (xml.hasError())
        return std::nullopt;
    return strings;
}

std::optional<QList<bool>> readXlsxDateFormats(const QByteArray &bytes)
{
    QHash<int, bool> custom;
    QList<bool> dates;
    bool inCellFormats = false;
    QXmlStreamReader xml(bytes);
    while (next(xml)) {
        if (isStart(xml, QLatin1String("numFmt"))) {
            custom.insert(attribute(xml, QLatin1String("numFmtId")).toInt(),
                          isDateFormatCode(attribute(xml, QLatin1String("formatCode"))));
        } else if (isStart(xml, QLatin1String("cellXfs")) || isEnd(xml, QLatin1String("cellXfs"))) {
            inCellFormats = xml.isStartElement();
        } else if (inCellFormats && isStart(xml, QLatin1String("xf"))) {
            const int id = attribute(xml, QLatin1String("numFmtId")).toInt();
            dates << (custom.contains(id) ? custom.value(id) : isBuiltInDateFormat(id));
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return dates;
}

bool readXlsxRows(const QByteArray &bytes, const XlsxCellTexts &texts,
                  const std::function<bool(const XlsxRow &)> &take)
{
    QXmlStreamReader xml(bytes);
    XlsxRow row;
    bool inRow = false;
    int column = -1;
    while (next(xml)) {
        if (isStart(xml, QLatin1String("row"))) {
            inRow = true;
            const QString number = attribute(xml, QLatin1String("r"));
            const int before = row.number;
            row = XlsxRow{number.isEmpty() ? before + 1 : number.toInt(), {}};
            if (row.number <= before || row.number > MostSheetRows)
                return false;
            column = -1;
        } else if (isStart(xml, QLatin1String("c"))) {
            if (!inRow || !readCell(xml, texts, row, column))
                return false;
        } else if (isEnd(xml, QLatin1String("row"))) {
            inRow = false;
            if (!take(row))
                return true;
        }
    }
    return !xml.hasError();
}

QString xlsxEscaped(const QString &text)
{
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool paired = c.isHighSurrogate()
                                ? i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                            : c.isLowSurrogate() ? i > 0 && text.at(i - 1).isHighSurrogate()
                                                 : true;
        if ((c.unicode() < 0x20 && c != '\t' && c != '\n') || c.unicode() == 0xFFFE ||
            c.unicode() == 0xFFFF || !paired)
            escaped += QLatin1String("_x") +
                       QString::number(c.unicode(), 16).toUpper().rightJustified(4, '0') + '_';
        else if (escapeAt(text, i))
            escaped += QLatin1String("_x005F_");
        else
            escaped += c;
    }
    return escaped;
}

QString xlsxUnescaped(const QString &text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const std::optional<QChar> c = escapeAt(text, i)) {
            plain += *c;
            i += 6;
        } else {
            plain += text.at(i);
        }
    }
    return plain;
}
