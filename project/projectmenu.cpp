#include "mainwindow.h"
#include "projectdata.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

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
    if (!createConnection(fileName))
        return;
    // The whole file is read before the current project is given up.
    ProjectData data;
    const bool isProject = readProject(data);
    db.close();
    if (!isProject) {
        QMessageBox::critical(this, tr("ERROR"), tr("The file is not a project file."));
        return;
    }
    clearAllTables();
    showProject(data);
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
    if (written)
        return;
    // Opening created the file; a failed export leaves nothing behind.
    if (!existed)
        QFile::remove(fileName);
    QMessageBox::critical(this, tr("ERROR"), tr("Cannot write!"));
}

void MainWindow::on_actionClose_C_triggered()
{
    clearAllTables();
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
    ProjectContent content;
    content.baud_rate = ui->comboBoxBaudRate_set->currentIndex();
    content.stop_bit = ui->comboBoxStopBit_set->currentIndex();
    content.parity = ui->comboBoxParity_set->currentIndex();
    content.rows_485_to_knx_w = tableRows(ui->tableWidget_485toknx_w);
    content.rows_1byte = tableRows(ui->tableWidget_1byte);
    content.rows_knx_to_485_w = tableRows(ui->tableWidget_knxto485_w);
    return writeProjectFile(db, content);
}

// True when the open database is a project file.
bool MainWindow::readProject(ProjectData &data)
{
    return readProjectFile(db, data);
}

// An index outside a list leaves that box with no item selected; a table
// whose count disagrees with its rows stays empty.
void MainWindow::showProject(const ProjectData &data)
{
    ui->comboBoxBaudRate_set->setCurrentIndex(data.baud_rate);
    ui->comboBoxStopBit_set->setCurrentIndex(data.stop_bit);
    ui->comboBoxParity_set->setCurrentIndex(data.parity);
    showRows(ui->tableWidget_485toknx_w, shownRows(data.num_485_to_knx_w, data.list_485_to_knx_w));
    showRows(ui->tableWidget_1byte, shownRows(data.num_1byte, data.list_1byte));
    showRows(ui->tableWidget_knxto485_w, shownRows(data.num_knx_to_485_w, data.list_knx_to_485_w));
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
