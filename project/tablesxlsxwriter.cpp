#include "tablesxlsx.h"

#include "tablesxlsxparts.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>
// After xlsxwriter.h: its minizip header and QuaZip's guard with the same name.
#include <quazip/zip.h>

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace {
// The file of the archive that libxlsxwriter writes (see zipOpen below).
thread_local std::unique_ptr<QFile> archiveFile;
QString cannotWrite(const QString &path)
{
    return QCoreApplication::translate("MainWindow", "Cannot write %1").arg(path);
}

// What a new file gets (0666 without the umask), or what the file had.
QFile::Permissions permissionsFor(const QString &path)
{
    if (QFile::exists(path))
        return QFile::permissions(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFile::Permissions permissions;
    const std::pair<mode_t, QFile::Permission> bits[] = {
        {S_IRUSR, QFile::ReadOwner},  {S_IWUSR, QFile::WriteOwner}, {S_IRGRP, QFile::ReadGroup},
        {S_IWGRP, QFile::WriteGroup}, {S_IROTH, QFile::ReadOther},  {S_IWOTH, QFile::WriteOther}};
    for (const auto &[bit, permission] : bits)
        if (!(mask & bit))
            permissions |= permission;
    return permissions;
}

// Every cell a text cell, the header's bold; the columns formatted as text,
// so that what a user types there stays text too.
std::optional<QString> writeSheet(lxw_workbook *workbook, const TelegramTables &tables,
                                  TelegramTable table)
{
    lxw_format *text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    lxw_format *title = workbook_add_format(workbook);
    format_set_num_format(title, "@");
    format_set_bold(title);
    lxw_worksheet *sheet =
        workbook_add_worksheet(workbook, tableSheetName(table).toUtf8().constData());
    if (!sheet)
        return QString();
    const QList<QStringList> rows =
        QList<QStringList>{columnTitles(table, TitleLanguage::English)} + tables.cells(table);
    worksheet_set_column(sheet, 0, lxw_col_t(rows.first().size() - 1), 16, text);
    worksheet_freeze_panes(sheet, 1, 0);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            const QString &cell = rows.at(row).at(column);
            if (cell.isEmpty())
                continue;
            const lxw_error error =
                worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                       xlsxEscaped(cell).toUtf8().constData(), row ? text : title);
            if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
                return QCoreApplication::translate(
                           "MainWindow", "%1, row %2: a cell holds more than the 32767 characters "
                                         "a spreadsheet cell can hold")
                    .arg(tableTitle(table))
                    .arg(row);
            if (error != LXW_NO_ERROR)
                return QString();
        }
    }
    return std::nullopt;
}
} // namespace

// libxlsxwriter writes its archive with minizip's zip functions, and QuaZip
// exports its own copy of them under the same names. QuaZip's come first in
// the program, and they write to a QIODevice, not to a file name: so the one
// that libxlsxwriter opens the archive with is this one, which gives them a
// QFile. The rest of libxlsxwriter's zip calls then reach QuaZip's copy too.
extern "C" zipFile zipOpen(voidpf path, int append)
{
    archiveFile = std::make_unique<QFile>(QFile::decodeName(static_cast<const char *>(path)));
    if (append != APPEND_STATUS_CREATE || !archiveFile->open(QIODevice::WriteOnly))
        return nullptr;
    return zipOpen3(archiveFile.get(), append, nullptr, nullptr, 0);
}

QString tablesXlsxFileName()
{
    return QStringLiteral("telegram-tables.xlsx");
}

QString tableSheetName(TelegramTable table)
{
    return tableTitle(table, TitleLanguage::English);
}

std::optional<QString> writeTablesXlsx(const TelegramTables &tables, const QString &path)
{
    // Written beside the path, then moved over it: a failure leaves a file
    // that was there as it was.
    QTemporaryFile temporary(path + QLatin1String(".XXXXXX"));
    if (!temporary.open())
        return cannotWrite(path);
    temporary.close();
    const QByteArray name = QFile::encodeName(temporary.fileName());
    lxw_workbook *workbook = workbook_new(name.constData());
    if (!workbook)
        return cannotWrite(path);
    std::optional<QString> fault;
    for (const TelegramTable table : telegramTables)
        if (!fault)
            fault = writeSheet(workbook, tables, table);
    const lxw_error closed = workbook_close(workbook);
    const bool flushed = archiveFile && archiveFile->flush();
    archiveFile.reset();
    if (fault)
        return fault->isEmpty() ? cannotWrite(path) : *fault;
    if (closed != LXW_NO_ERROR || !flushed || !temporary.setPermissions(permissionsFor(path)) ||
        std::rename(name.constData(), QFile::encodeName(path).constData()) != 0)
        return cannotWrite(path);
    return std::nullopt;
}
