#include "groupaddressexport.h"
#include "groupaddressview.h"
#include "mainwindow.h"
#include "plaintext.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace {
GroupAddressImport importedFile(const QString &fileName)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        return readGroupAddressExport(file.read(MostGroupAddressExportBytes + 1));
    GroupAddressImport unread;
    unread.error = MainWindow::tr("Cannot read the file: %1").arg(file.errorString());
    return unread;
}
} // namespace

// A file that gives no address book leaves the one held as it was.
void MainWindow::on_actionImportGroupAddresses_triggered()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Import group addresses"), QString(),
                                     tr("ETS group address export (*.csv *.xml);;All files (*)"));
    if (fileName.isEmpty())
        return;
    const GroupAddressImport import = importedFile(fileName);
    if (!import.error.isEmpty()) {
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"), groupAddressImportReport(import));
        return;
    }
    showGroupAddressBook(import.book);
    showPlainBox(this, QMessageBox::Information, tr("Group addresses"),
                 groupAddressImportReport(import));
}

void MainWindow::on_actionGroupAddresses_triggered()
{
    groupAddressView(this, groupAddressBook, tablesOf(*ui))->open();
}
