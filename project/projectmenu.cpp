#include "mainwindow.h"
#include "plaintext.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {
QString projectFileFilter()
{
    return MainWindow::tr("db Files (*.db);; db Files (*.db)");
}

QString defaultConnectionName()
{
    return QString::fromLatin1(QSqlDatabase::defaultConnection);
}
} // namespace

void MainWindow::on_actionImport_I_triggered()
{
    const QString fileName =
        QFileDialog::getOpenFileName(nullptr, tr("Open settings"), QString(), projectFileFilter());
    if (fileName.isEmpty())
        return;
    // A pipe or a device would keep the reader waiting.
    if (!QFileInfo(fileName).isFile()) {
        QMessageBox::critical(this, tr("ERROR"), tr("The file is not a project file."));
        return;
    }
    if (!createConnection(fileName))
        return;
    // The whole file is read before the current project is given up.
    const ProjectRead read = readProjectFile(db);
    db.close();
    if (read.refusal == ProjectRead::Refusal::NotAProject) {
        QMessageBox::critical(this, tr("ERROR"), tr("The file is not a project file."));
        return;
    }
    if (!read.project) {
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                     tr("Nothing was imported: %1 cannot be read whole.")
                         .arg(QDir::toNativeSeparators(fileName)),
                     read.fault);
        return;
    }
    clearAllTables();
    showProject(*read.project);
    projectFileName = fileName;
}

void MainWindow::on_actionExport_E_triggered()
{
    const QString fileName =
        QFileDialog::getSaveFileName(nullptr, tr("Save settings"), "rs485.db", projectFileFilter());
    if (fileName.isEmpty())
        return;
    const QFileInfo file(fileName);
    const bool existed = file.exists() || file.isSymLink();
    if (!createConnection(fileName))
        return;
    const bool written = writeProject();
    db.close();
    if (written) {
        projectFileName = fileName;
        return;
    }
    // Opening created the file; a failed export leaves nothing behind.
    if (!existed)
        QFile::remove(fileName);
    QMessageBox::critical(this, tr("ERROR"), tr("Cannot write!"));
}

void MainWindow::on_actionClose_C_triggered()
{
    clearAllTables();
    showGroupAddressBook(GroupAddressBook());
    projectFileName.clear();
}

// Points the default connection at the file and opens it; SQLite creates a
// file that does not exist.
bool MainWindow::createConnection(const QString &fileName)
{
    if (!db.isValid()) {
        const QString name = defaultConnectionName();
        db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                          : QSqlDatabase::addDatabase("QSQLITE");
    }
    db.setDatabaseName(fileName);
    if (db.open())
        return true;
    QMessageBox::critical(nullptr, tr("Cannot open database"),
                          tr("Unable to establish a database connection."), QMessageBox::Cancel);
    return false;
}

bool MainWindow::writeProject()
{
    return writeProjectFile(db, currentProject());
}

Project MainWindow::currentProject() const
{
    Project project;
    project.serialOptions = {ui->comboBoxBaudRate_set->currentIndex(),
                             ui->comboBoxStopBit_set->currentIndex(),
                             ui->comboBoxParity_set->currentIndex()};
    project.tables = tablesOf(*ui);
    project.groupAddresses = groupAddressBook;
    return project;
}

// An index outside a list leaves that box with no item selected.
void MainWindow::showProject(const Project &project)
{
    ui->comboBoxBaudRate_set->setCurrentIndex(project.serialOptions.baudIndex);
    ui->comboBoxStopBit_set->setCurrentIndex(project.serialOptions.stopBitIndex);
    ui->comboBoxParity_set->setCurrentIndex(project.serialOptions.parityIndex);
    showGroupAddressBook(project.groupAddresses);
    showTables(*ui, project.tables);
}

// Unregisters the connection once no handle refers to it any more.
void MainWindow::releaseConnection()
{
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(defaultConnectionName());
}
