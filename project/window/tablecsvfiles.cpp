#include "plaintext.h"
#include "projectfiles.h"
#include "tablescsv.h"
#include "tablesxlsx.h"
#include "tabletitles.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr int MostListedFaults = 50;

// The titles of the tables that hold rows and that the files fill.
QStringList filledTables(const TelegramTables &tables, const QList<TableCsv> &files)
{
    QStringList titles;
    for (const TableCsv &file : files)
        if (file.table && tables.rowCount(*file.table) > 0)
            titles << tableTitle(*file.table);
    return titles;
}

QStringList existingTableFiles(const QString &folder)
{
    QStringList names;
    for (const TelegramTable table : telegramTables)
        if (QFileInfo::exists(QDir(folder).filePath(tableCsvFileName(table))))
            names << tableCsvFileName(table);
    return names;
}
} // namespace

void ProjectFiles::exportTablesCsv()
{
    const QString folder =
        QFileDialog::getExistingDirectory(window, WindowText::tr("Export tables as CSV"));
    if (folder.isEmpty())
        return;
    const QStringList existing = existingTableFiles(folder);
    if (!existing.isEmpty() &&
        QMessageBox::question(window, WindowText::tr("Export tables as CSV"),
                              WindowText::tr("The folder already holds %1. Replace?")
                                  .arg(existing.join(QLatin1String(", "))),
                              QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    if (const std::optional<QString> failed = writeTableFiles(tablesOf(ui), folder))
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     WindowText::tr("Cannot write %1").arg(QDir::toNativeSeparators(*failed)));
}

// Every cell a text cell, so that a spreadsheet program keeps 1/3/1 and 01.
void ProjectFiles::exportTablesXlsx()
{
    const QString fileName = QFileDialog::getSaveFileName(
        window, WindowText::tr("Export tables as spreadsheet"), tablesXlsxFileName(),
        WindowText::tr("Excel workbooks (*.xlsx)"));
    if (fileName.isEmpty())
        return;
    if (const std::optional<QString> failure = writeTablesXlsx(tablesOf(ui), fileName))
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     WindowText::tr("Cannot write %1").arg(QDir::toNativeSeparators(fileName)),
                     *failure);
}

void ProjectFiles::importTablesCsv()
{
    importTableFiles(QFileDialog::getOpenFileNames(window, WindowText::tr("Import tables from CSV"),
                                                   QString(), WindowText::tr("CSV files (*.csv)")));
}

void ProjectFiles::importTablesXlsx()
{
    importTableFiles(QFileDialog::getOpenFileNames(
        window, WindowText::tr("Import tables from spreadsheet"), QString(),
        WindowText::tr("Excel workbooks (*.xlsx);;CSV files (*.csv)")));
}

// All or nothing: a single line that cannot be taken leaves the tables as they are.
void ProjectFiles::importTableFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QList<TableCsv> files = readTableFiles(paths);
    QStringList faults = faultLines(files);
    if (!faults.isEmpty()) {
        const qsizetype unlisted = faults.size() - MostListedFaults;
        faults = faults.mid(0, MostListedFaults);
        if (unlisted > 0)
            faults << WindowText::tr("… and %1 more").arg(unlisted);
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     WindowText::tr("Nothing was imported. These lines cannot be taken:"),
                     faults.join('\n'));
        return;
    }
    const TelegramTables tables = tablesOf(ui);
    ImportMode mode = ImportMode::Replace;
    const QStringList filled = filledTables(tables, files);
    if (!filled.isEmpty()) {
        // Yes and No stand for Replace and Append.
        QMessageBox box(QMessageBox::Question, WindowText::tr("Import tables from CSV"),
                        WindowText::tr("These tables already hold rows: %1.")
                            .arg(filled.join(QLatin1String(", "))),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window);
        box.setInformativeText(
            WindowText::tr("Replace their rows with the imported ones, or append the "
                           "imported rows after them?"));
        box.button(QMessageBox::Yes)->setText(WindowText::tr("Replace"));
        box.button(QMessageBox::No)->setText(WindowText::tr("Append"));
        box.setDefaultButton(QMessageBox::Yes);
        const int answer = box.exec();
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return;
        mode = answer == QMessageBox::No ? ImportMode::Append : ImportMode::Replace;
    }
    showTables(ui, withImported(tables, files, mode));
}
