#include "groupaddressexport.h"

#include "etsaddressrows.h"
#include "recordchecks.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace {
// By its byte order mark, else UTF-8 when it is valid UTF-8, else Windows-1252.
QString decodedText(const QByteArray &bytes)
{
    if (const auto marked = QStringConverter::encodingForData(bytes))
        return QStringDecoder(*marked).decode(bytes);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

// At most 40 characters of an outside text, for a message.
QString quoted(const QString &text)
{
    return '"' + (text.size() > 40 ? text.left(40) + QChar(0x2026) : text) + '"';
}

struct AddressCheck
{
    QString address; // in cell form; empty when refused
    QString fault;
};

AddressCheck checkAddress(const QString &written)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern("[0-9]{1,9}"));
    const QStringList parts = written.split('/');
    const bool threeNumbers =
        parts.size() == 3 && std::all_of(parts.cbegin(), parts.cend(), [](const QString &part) {
            return number.match(part).hasMatch();
        });
    if (!threeNumbers)
        return {{},
                QCoreApplication::translate("MainWindow", "%1 is not a three-level group address")
                    .arg(quoted(written))};
    const QString cell = QStringLiteral("%1/%2/%3")
                             .arg(parts[0].toInt())
                             .arg(parts[1].toInt())
                             .arg(parts[2].toInt());
    if (const std::optional<QString> address = normalisedGroupAddress(cell))
        return {*address, {}};
    return {{},
            QCoreApplication::translate("MainWindow", "%1 lies outside 0/0/1 to 15/7/255")
                .arg(quoted(written))};
}

GroupAddressImport collect(const QList<EtsAddressRow> &rows)
{
    GroupAddressImport result;
    QList<GroupAddressEntry> entries;
    QSet<QString> addresses, groups;
    for (const EtsAddressRow &row : rows) {
        const AddressCheck check = checkAddress(row.address);
        if (check.address.isEmpty()) {
            result.skipped << SkippedAddressRow{row.line, check.fault};
        } else if (addresses.contains(check.address)) {
            result.skipped << SkippedAddressRow{
                row.line, QCoreApplication::translate("MainWindow", "%1 was listed before")
                              .arg(quoted(check.address))};
        } else {
            addresses.insert(check.address);
            groups.insert(check.address.section('/', 0, 1));
            entries << GroupAddressEntry{check.address,   row.name,          row.mainGroup,
                                         row.middleGroup, row.datapointType, row.description};
        }
    }
    if (entries.isEmpty())
        result.error = QCoreApplication::translate("MainWindow",
                                                   "The file holds no three-level group address.");
    result.book = GroupAddressBook(entries);
    result.groups = int(groups.size());
    return result;
}
} // namespace

GroupAddressImport readGroupAddressExport(const QByteArray &bytes)
{
    const auto refused = [](const QString &reason) {
        GroupAddressImport import;
        import.error = reason;
        return import;
    };
    if (bytes.size() > MostGroupAddressExportBytes)
        return refused(QCoreApplication::translate(
            "MainWindow", "The file is too large for a group address export."));
    const QString text = decodedText(bytes);
    const QStringView content = QStringView(text).trimmed();
    if (content.isEmpty())
        return refused(QCoreApplication::translate("MainWindow", "The file is empty."));
    const EtsAddressRows rows = content.startsWith('<') ? etsXmlRows(bytes) : etsCsvRows(text);
    if (!rows.error.isEmpty())
        return refused(rows.error);
    return collect(rows.rows);
}

QString groupAddressImportReport(const GroupAddressImport &import)
{
    constexpr int mostNamed = 5;
    QStringList lines;
    if (!import.error.isEmpty())
        lines << import.error;
    else
        lines << QCoreApplication::translate("MainWindow", "Group addresses read: %1")
                     .arg(import.book.entries().size())
              << QCoreApplication::translate("MainWindow", "Middle groups: %1").arg(import.groups);
    if (!import.skipped.isEmpty())
        lines << QCoreApplication::translate("MainWindow", "Rows skipped: %1")
                     .arg(import.skipped.size());
    for (const SkippedAddressRow &row : import.skipped.mid(0, mostNamed))
        lines << QCoreApplication::translate("MainWindow", "line %1: %2")
                     .arg(row.line)
                     .arg(row.reason);
    if (import.skipped.size() > mostNamed)
        lines << QString(QChar(0x2026));
    return lines.join('\n');
}
