#include "projectfiles.h"
#include "checkmarks.h"
#include "groupaddressassist.h"
#include "plaintext.h"
#include "projectchanges.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "sitedialog.h"
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

ProjectFiles::ProjectFiles(Ui::MainWindow &ui, GroupAddressAssist &addresses, CheckMarks &marks,
                           QWidget *window)
    : QObject(window)
    , ui(ui)
    , addresses(addresses)
    , marks(marks)
    , window(window)
    , changes(new ProjectChanges(
          ui, [this] { return currentProject(); }, this))
{
    connect(changes, &ProjectChanges::modifiedChanged, this, &ProjectFiles::modifiedChanged);
    connect(&addresses, &GroupAddressAssist::bookChanged, changes, &ProjectChanges::noteChange);
    connect(&marks, &CheckMarks::changed, changes, &ProjectChanges::noteChange);
    changes->markSaved();
}

ProjectFiles::~ProjectFiles()
{
    releaseConnection();
}

void ProjectFiles::importProject()
{
    if (!askToSaveChanges())
        return;
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
    changes->markSaved();
}

void ProjectFiles::exportProject()
{
    saveProjectAs();
}

bool ProjectFiles::saveProjectAs()
{
    const QString fileName = QFileDialog::getSaveFileName(nullptr, WindowText::tr("Save settings"),
                                                          "rs485.db", projectFileFilter());
    return !fileName.isEmpty() && saveTo(fileName);
}

bool ProjectFiles::saveTo(const QString &fileName)
{
    const QFileInfo file(fileName);
    const bool existed = file.exists() || file.isSymLink();
    if (!createConnection(fileName))
        return false;
    const bool written = writeProject();
    db.close();
    if (written) {
        projectFileName = fileName;
        changes->markSaved();
        return true;
    }
    // Opening created the file; a failed export leaves nothing behind.
    if (!existed)
        QFile::remove(fileName);
    QMessageBox::critical(window, WindowText::tr("ERROR"), WindowText::tr("Cannot write!"));
    return false;
}

void ProjectFiles::closeProject()
{
    if (!askToSaveChanges())
        return;
    clearAllTables(ui);
    addresses.showGroupAddressBook(GroupAddressBook());
    site = SiteDetails();
    projectFileName.clear();
    changes->markSaved();
}

void ProjectFiles::editSiteDetails()
{
    SiteDialog dialog(site, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    site = dialog.details();
    changes->noteChange();
}

bool ProjectFiles::isModified() const
{
    return changes->isModified();
}

// Saved into the file last read or written, or into one the user names.
bool ProjectFiles::askToSaveChanges()
{
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Question, WindowText::tr("Unsaved changes"),
                    WindowText::tr("The project has changes that are not saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setInformativeText(WindowText::tr("Save them in the project file first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return projectFileName.isEmpty() ? saveProjectAs() : saveTo(projectFileName);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
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
    project.site = site;
    project.checkResults = marks.results();
    return project;
}

// An index outside a list leaves that box with no item selected.
void ProjectFiles::showProject(const Project &project)
{
    ui.comboBoxBaudRate_set->setCurrentIndex(project.serialOptions.baudIndex);
    ui.comboBoxStopBit_set->setCurrentIndex(project.serialOptions.stopBitIndex);
    ui.comboBoxParity_set->setCurrentIndex(project.serialOptions.parityIndex);
    addresses.showGroupAddressBook(project.groupAddresses);
    site = project.site;
    showTables(ui, project.tables);
    marks.setResults(project.checkResults);
}

void ProjectFiles::releaseConnection()
{
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(defaultConnectionName());
}
