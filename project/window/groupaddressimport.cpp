#include "groupaddressassist.h"
#include "groupaddressexport.h"
#include "groupaddressview.h"
#include "plaintext.h"
#include "projectfiles.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

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
    unread.error = WindowText::tr("Cannot read the file: %1").arg(file.errorString());
    return unread;
}
} // namespace

// A file that gives no address book leaves the one held as it was.
void ProjectFiles::importGroupAddresses()
{
    const QString fileName = QFileDialog::getOpenFileName(
        window, WindowText::tr("Import group addresses"), QString(),
        WindowText::tr("ETS group address export (*.csv *.xml);;All files (*)"));
    if (fileName.isEmpty())
        return;
    const GroupAddressImport import = importedFile(fileName);
    if (!import.error.isEmpty()) {
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     groupAddressImportReport(import));
        return;
    }
    addresses.showGroupAddressBook(import.book);
    showPlainBox(window, QMessageBox::Information, WindowText::tr("Group addresses"),
                 groupAddressImportReport(import));
}

void ProjectFiles::showGroupAddresses()
{
    groupAddressView(window, addresses.book(), tablesOf(ui))->open();
}
