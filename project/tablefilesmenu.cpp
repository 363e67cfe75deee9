#include "mainwindow.h"
#include "plaintext.h"
#include "tablescsv.h"
#include "tabletitles.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

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

void MainWindow::on_actionExportTablesCsv_triggered()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Export tables as CSV"));
    if (folder.isEmpty())
        return;
    const QStringList existing = existingTableFiles(folder);
    if (!existing.isEmpty() &&
        QMessageBox::question(
            this, tr("Export tables as CSV"),
            tr("The folder already holds %1. Replace?").arg(existing.join(QLatin1String(", "))),
            QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    if (const std::optional<QString> failed = writeTableFiles(tablesOf(*ui), folder))
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                     tr("Cannot write %1").arg(QDir::toNativeSeparators(*failed)));
}

// All or nothing: a single line that cannot be taken leaves the tables as they are.
void MainWindow::on_actionImportTablesCsv_triggered()
{
    const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Import tables from CSV"),
                                                            QString(), tr("CSV files (*.csv)"));
    if (paths.isEmpty())
        return;
    const QList<TableCsv> files = readTableFiles(paths);
    QStringList faults = faultLines(files);
    if (!faults.isEmpty()) {
        const qsizetype unlisted = faults.size() - MostListedFaults;
        faults = faults.mid(0, MostListedFaults);
        if (unlisted > 0)
            faults << tr("… and %1 more").arg(unlisted);
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                     tr("Nothing was imported. These lines cannot be taken:"), faults.join('\n'));
        return;
    }
    const TelegramTables tables = tablesOf(*ui);
    ImportMode mode = ImportMode::Replace;
    const QStringList filled = filledTables(tables, files);
    if (!filled.isEmpty()) {
        // Yes and No stand for Replace and Append.
        QMessageBox box(
            QMessageBox::Question, tr("Import tables from CSV"),
            tr("These tables already hold rows: %1.").arg(filled.join(QLatin1String(", "))),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.setInformativeText(tr("Replace their rows with the imported ones, or append the "
                                  "imported rows after them?"));
        box.button(QMessageBox::Yes)->setText(tr("Replace"));
        box.button(QMessageBox::No)->setText(tr("Append"));
        box.setDefaultButton(QMessageBox::Yes);
        const int answer = box.exec();
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return;
        mode = answer == QMessageBox::No ? ImportMode::Append : ImportMode::Replace;
    }
    showTables(*ui, withImported(tables, files, mode));
}
