#include "projectfiles.h"
#include "groupaddressassist.h"
#include "plaintext.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "tableediting.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {
QString projectFileFilter()
{
    return WindowText::tr("db Files (*.db);; db Files (*.db)");
}

QString defaultConnectionName()
{
    return QString::fromLatin1(QSqlDatabase::defaultConnection);
}
} // namespace

ProjectFiles::ProjectFiles(Ui::MainWindow &ui, GroupAddressAssist &addresses, QWidget *window)
    : QObject(window)
    , ui(ui)
    , addresses(addresses)
    , window(window)
{}

ProjectFiles::~ProjectFiles()
{
    releaseConnection();
}

void ProjectFiles::importProject()
{
    const QString fileName = QFileDialog::getOpenFileName(nullptr, WindowText::tr("Open settings"),
                                                          QString(), projectFileFilter());
    if (fileName.isEmpty())
        return;
    // A pipe or a device would keep the reader waiting.
    if (!QFileInfo(fileName).isFile()) {
        QMessageBox::critical(window, WindowText::tr("ERROR"),
                              WindowText::tr("The file is not a project file."));
        return;
    }
    if (!createConnection(fileName))
        return;
    // The whole file is read before the current project is given up.
    const ProjectRead read = readProjectFile(db);
    db.close();
    if (read.refusal == ProjectRead::Refusal::NotAProject) {
        QMessageBox::critical(window, WindowText::tr("ERROR"),
                              WindowText::tr("The file is not a project file."));
        return;
    }
    if (!read.project) {
        showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                     WindowText::tr("Nothing was imported: %1 cannot be read whole.")
                         .arg(QDir::toNativeSeparators(fileName)),
                     read.fault);
        return;
    }
    clearAllTables(ui);
    showProject(*read.project);
    projectFileName = fileName;
}

void ProjectFiles::exportProject()
{
    const QString fileName = QFileDialog::getSaveFileName(nullptr, WindowText::tr("Save settings"),
                                                          "rs485.db", projectFileFilter());
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
    QMessageBox::critical(window, WindowText::tr("ERROR"), WindowText::tr("Cannot write!"));
}

void ProjectFiles::closeProject()
{
    clearAllTables(ui);
    addresses.showGroupAddressBook(GroupAddressBook());
    projectFileName.clear();
}

bool ProjectFiles::createConnection(const QString &fileName)
{
    if (!db.isValid()) {
        const QString name = defaultConnectionName();
        db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                          : QSqlDatabase::addDatabase("QSQLITE");
    }
    db.setDatabaseName(fileName);
    if (db.open())
        return true;
    QMessageBox::critical(nullptr, WindowText::tr("Cannot open database"),
                          WindowText::tr("Unable to establish a database connection."),
                          QMessageBox::Cancel);
    return false;
}

bool ProjectFiles::writeProject()
{
    return writeProjectFile(db, currentProject());
}

Project ProjectFiles::currentProject() const
{
    Project project;
    project.serialOptions = {ui.comboBoxBaudRate_set->currentIndex(),
                             ui.comboBoxStopBit_set->currentIndex(),
                             ui.comboBoxParity_set->currentIndex()};
    project.tables = tablesOf(ui);
    project.groupAddresses = addresses.book();
    return project;
}

// An index outside a list leaves that box with no item selected.
void ProjectFiles::showProject(const Project &project)
{
    ui.comboBoxBaudRate_set->setCurrentIndex(project.serialOptions.baudIndex);
    ui.comboBoxStopBit_set->setCurrentIndex(project.serialOptions.stopBitIndex);
    ui.comboBoxParity_set->setCurrentIndex(project.serialOptions.parityIndex);
    addresses.showGroupAddressBook(project.groupAddresses);
    showTables(ui, project.tables);
}

void ProjectFiles::releaseConnection()
{
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(defaultConnectionName());
}
