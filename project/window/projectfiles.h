#pragma once

#include "project.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class GroupAddressAssist;
class QWidget;
namespace Ui {
class MainWindow;
}

// The File menu's work on files: the project file (Export, Import, Close
// project), the tables as CSV files, the commissioning report and the
// building's group addresses. The project is what the window shows: the
// "Serial Options", the three tables and the address book.
class ProjectFiles : public QObject
{
    Q_OBJECT

public:
    ProjectFiles(Ui::MainWindow &ui, GroupAddressAssist &addresses, QWidget *window);
    ~ProjectFiles() override;

    void exportProject();
    void importProject();
    void closeProject();
    void exportTablesCsv();
    void importTablesCsv();
    void writeCommissioningReport();
    void importGroupAddresses();
    void showGroupAddresses();

private:
    // Points the default connection at the file and opens it; SQLite creates
    // a file that does not exist.
    bool createConnection(const QString &fileName);
    bool writeProject();
    Project currentProject() const;
    void showProject(const Project &project);
    // Unregisters the connection once no handle refers to it any more.
    void releaseConnection();

    Ui::MainWindow &ui;
    GroupAddressAssist &addresses;
    QWidget *window;
    QSqlDatabase db;         // the default connection, open only while an export or import runs
    QString projectFileName; // the project file last imported or exported; empty after Close
};
