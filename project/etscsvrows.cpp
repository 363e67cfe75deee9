#include "etsaddressrows.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {
struct CsvRecord
{
    int line = 0;
    QStringList fields; // trimmed
};

// Records of quoted or plain fields: a field in double quotes may hold the
// separator, line breaks and doubled quotes.
class CsvReader
{
public:
    CsvReader(const QString &text, QChar separator)
        : text(text)
        , separator(separator)
    {}

    bool atEnd() const { return position >= text.size(); }

    CsvRecord next()
    {
        CsvRecord record{line, {}};
        QString field;
        bool quoted = false;
        while (position < text.size()) {
            const QChar c = text.at(position++);
            const bool lineEnd = c == '\n' || (c == '\r' && peek() != '\n');
            if (quoted && c == '"' && peek() == '"') {
                field += c;
                ++position;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (quoted || (c != separator && c != '\r' && c != '\n')) {
                field += c;
                line += quoted && lineEnd;
            } else if (c == separator) {
                record.fields << field.trimmed();
                field.clear();
            } else if (lineEnd) {
                ++line;
                break;
            }
        }
        record.fields << field.trimmed();
        return record;
    }

private:
    QChar peek() const { return position < text.size() ? text.at(position) : QChar(); }

    const QString &text;
    const QChar separator;
    qsizetype position = 0;
    int line = 1;
};

bool isBlank(const CsvRecord &record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(),
                       [](const QString &field) { return field.isEmpty(); });
}

// The next record that is not blank; a blank one at the end.
CsvRecord nextFilledRecord(CsvReader &reader)
{
    CsvRecord record;
    while (!reader.atEnd() && isBlank(record))
        record = reader.next();
    return record;
}

// Where the header puts each column; -1 for a column it lacks.
struct CsvLayout
{
    bool threeNumbers = false; // 3/3: the address in three columns
    int groupName = -1;        // 1/1
    int mainName = -1, middleName = -1, subName = -1;
    int address = -1; // 1/1, 3/1
    int mainNumber = -1, middleNumber = -1, subNumber = -1;
    int datapointType = -1, description = -1;

    bool known() const
    {
        if (threeNumbers)
            return true;
        return address >= 0 &&
               (groupName >= 0 || (mainName >= 0 && middleName >= 0 && subName >= 0));
    }
};

CsvLayout layoutOf(const QStringList &header)
{
    const auto columns = [&](const char *title) {
        QList<int> found;
        for (int column = 0; column < header.size(); ++column)
            if (header.at(column).compare(QLatin1String(title), Qt::CaseInsensitive) == 0)
                found << column;
        return found;
    };
    const QList<int> mains = columns("Main"), middles = columns("Middle"), subs = columns("Sub");
    CsvLayout layout;
    layout.groupName = columns("Group name").value(0, -1);
    layout.address = columns("Address").value(0, -1);
    layout.datapointType = columns("DatapointType").value(0, -1);
    layout.description = columns("Description").value(0, -1);
    layout.mainName = mains.value(0, -1);
    layout.middleName = middles.value(0, -1);
    layout.subName = subs.value(0, -1);
    layout.threeNumbers = mains.size() > 1 && middles.size() > 1 && subs.size() > 1;
    if (layout.threeNumbers) {
        layout.mainNumber = mains.at(1);
        layout.middleNumber = middles.at(1);
        layout.subNumber = subs.at(1);
    }
    return layout;
}

// How a file is read: its separator and layout, and whether its first line
// that is not blank is a header.
struct CsvShape
{
    QChar separator;
    CsvLayout layout;
    bool header = true;
};

// An address or a range of any level: "1/2/3", "1/2/-", "1/-/-", "1/5", "1234".
bool looksLikeAddress(const QString &field)
{
    static const QRegularExpression address(
        QRegularExpression::anchoredPattern("[0-9]{1,5}(/([0-9]{1,5}|-)){0,2}"));
    return address.match(field).hasMatch();
}

// ETS leaves the header out when asked to: 1/1 has the address in the second
// column, 3/1 in the fourth, each line of the file alike, and the datapoint
// type and the description where ETS writes them.
std::optional<CsvLayout> headerlessLayout(const QString &text, QChar separator)
{
    CsvReader reader(text, separator);
    QList<QStringList> lines;
    while (!reader.atEnd()) {
        const CsvRecord record = reader.next();
        if (!isBlank(record))
            lines << record.fields;
    }
    for (const int address : {1, 3}) {
        const bool shaped =
            !lines.isEmpty() &&
            std::all_of(lines.cbegin(), lines.cend(), [address](const QStringList &fields) {
                return looksLikeAddress(fields.value(address));
            });
        if (!shaped)
            continue;
        CsvLayout layout;
        layout.address = address;
        if (address == 1) {
            layout.groupName = 0;
            layout.description = 4;
            layout.datapointType = 5;
        } else {
            layout.mainName = 0;
            layout.middleName = 1;
            layout.subName = 2;
            layout.description = 6;
            layout.datapointType = 7;
        }
        return layout;
    }
    return std::nullopt;
}

// The first of tab, semicolon and comma that makes the first line that is not
// blank a known header; else the first that gives the file a headerless shape.
std::optional<CsvShape> shapeOf(const QString &text)
{
    const QChar separators[] = {QChar('\t'), QChar(';'), QChar(',')};
    for (const QChar separator : separators) {
        CsvReader reader(text, separator);
        const CsvLayout layout = layoutOf(nextFilledRecord(reader).fields);
        if (layout.known())
            return CsvShape{separator, layout, true};
    }
    for (const QChar separator : separators)
        if (const std::optional<CsvLayout> layout = headerlessLayout(text, separator))
            return CsvShape{separator, *layout, false};
    return std::nullopt;
}

QString addressOf(const CsvLayout &layout, const QStringList &fields)
{
    if (!layout.threeNumbers)
        return fields.value(layout.address);
    QStringList numbers = {fields.value(layout.mainNumber), fields.value(layout.middleNumber),
                           fields.value(layout.subNumber)};
    if (numbers.join(QString()).isEmpty())
        return QString();
    for (QString &number : numbers)
        if (number.isEmpty())
            number = QStringLiteral("-");
    return numbers.join('/');
}

// Group names by main number ("3") and by main and middle number ("3/1").
using GroupNames = QHash<QString, QString>;

// A range row names its group; a range of another level than main or middle
// (two-level 0/-) names nothing. False for an address row.
bool takeRange(const CsvLayout &layout, const QStringList &fields, const QString &address,
               GroupNames &names)
{
    if (!address.endsWith(QLatin1String("/-")))
        return false;
    static const QRegularExpression range(
        QRegularExpression::anchoredPattern("([^/]*)/(?:-|([^/]*))/-"));
    const QRegularExpressionMatch match = range.match(address);
    if (!match.hasMatch())
        return true;
    const bool middle = match.hasCaptured(2);
    const int nameColumn = layout.groupName >= 0 ? layout.groupName
                           : middle              ? layout.middleName
                                                 : layout.mainName;
    names.insert(middle ? match.captured(1) + '/' + match.captured(2) : match.captured(1),
                 fields.value(nameColumn));
    return true;
}

EtsAddressRow addressRow(const CsvLayout &layout, const CsvRecord &record, const QString &address)
{
    const QStringList &fields = record.fields;
    EtsAddressRow row;
    row.line = record.line;
    row.address = address;
    row.name = fields.value(layout.groupName >= 0 ? layout.groupName : layout.subName);
    if (layout.groupName < 0) {
        row.mainGroup = fields.value(layout.mainName);
        row.middleGroup = fields.value(layout.middleName);
    }
    row.datapointType = fields.value(layout.datapointType);
    row.description = fields.value(layout.description);
    return row;
}
} // namespace

EtsAddressRows etsCsvRows(const QString &text)
{
    const std::optional<CsvShape> shape = shapeOf(text);
    if (!shape)
        return {{},
                QCoreApplication::translate(
                    "MainWindow",
                    "No ETS group address export was recognised: its header line names the "
                    "columns \"Group name\" and \"Address\", or \"Main\", \"Middle\", \"Sub\" and "
                    "\"Address\"; without a header line, every line has the address in the "
                    "second column (1/1) or in the fourth (3/1).")};
    const CsvLayout &layout = shape->layout;
    CsvReader reader(text, shape->separator);
    if (shape->header)
        nextFilledRecord(reader);

    EtsAddressRows result;
    GroupNames names;
    while (!reader.atEnd()) {
        const CsvRecord record = reader.next();
        const QString address = addressOf(layout, record.fields);
        if (isBlank(record) || takeRange(layout, record.fields, address, names))
            continue;
        result.rows << addressRow(layout, record, address);
    }
    for (EtsAddressRow &row : result.rows) {
        if (row.mainGroup.isEmpty())
            row.mainGroup = names.value(row.address.section('/', 0, 0));
        if (row.middleGroup.isEmpty())
            row.middleGroup = names.value(row.address.section('/', 0, 1));
    }
    return result;
}
