#include "downloadproject.h"

#include "consoleoutput.h"
#include "projectfileloading.h"
#include "rowchecks.h"
#include "tabletitles.h"

namespace {
QString tableName(TelegramTable table)
{
    return tableTitle(table, TitleLanguage::English);
}

void refuse(const QString &why)
{
    writeErr(QStringLiteral("rs485ctl: %1; nothing was sent\n").arg(visible(why)));
}
} // namespace

std::optional<Project> projectToDownload(const QString &path)
{
    const ProjectLoading loading = loadProjectFile(path);
    if (!loading.project) {
        refuse(loading.error);
        return std::nullopt;
    }
    const TelegramTables &tables = loading.project->tables;
    if (const std::optional<TelegramTable> table = tables.oversizedTable()) {
        refuse(QStringLiteral("%1 holds %2 rows, a gateway at most %3")
                   .arg(tableName(*table))
                   .arg(tables.rowCount(*table))
                   .arg(mostRows(*table)));
        return std::nullopt;
    }
    if (const std::optional<TableRowFault> fault = firstRowFault(tables)) {
        refuse(QStringLiteral("%1 row %2, %3: %4")
                   .arg(tableName(fault->table))
                   .arg(fault->row + 1)
                   .arg(columnTitles(fault->table, TitleLanguage::English).at(fault->fault.column),
                        fault->fault.reason));
        return std::nullopt;
    }
    return loading.project;
}
