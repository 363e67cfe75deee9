#pragma once

#include "project.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class CheckMarks;
class GroupAddressAssist;
class ProjectChanges;
class QWidget;
namespace Ui {
class MainWindow;
}

// The File menu's work on files: the project file (Export, Import, Close
// project), the tables as CSV files, the commissioning report and the
// building's group addresses. The project is what the window shows: the
// "Serial Options", the three tables, the address book, the site details and
// the rows' check results. Changes not yet
// in the project file are not given up without a question.
class ProjectFiles : public QObject
{
    Q_OBJECT

public:
    ProjectFiles(Ui::MainWindow &ui, GroupAddressAssist &addresses, CheckMarks &marks,
                 QWidget *window);
    ~ProjectFiles() override;

    void exportProject();
    void importProject();
    void closeProject();
    // Whether the project shown differs from the file's, or from the empty one.
    bool isModified() const;
    // Asks, when the project has changes that are not saved, whether to save
    // them first, drop them, or stay; true when the caller may go on.
    bool askToSaveChanges();
    void exportTablesCsv();
    void importTablesCsv();
    void exportTablesXlsx();
    void importTablesXlsx();
    void editSiteDetails();
    void writeCommissioningReport();
    // The serial settings the gateway was last found at or set to, for the report.
    void setGatewaySettings(const SerialSettings &settings) { gatewaySettings = settings; }
    void importGroupAddresses();
    void showGroupAddresses();

signals:
    void modifiedChanged(bool modified);

private:
    void importTableFiles(const QStringList &paths);
    bool saveProjectAs();
    bool saveTo(const QString &fileName);
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
    CheckMarks &marks;
    QWidget *window;
    ProjectChanges *changes;
    QSqlDatabase db;         // the default connection, open only while an export or import runs
    QString projectFileName; // the project file last imported or exported; empty after Close
    SiteDetails site;
    std::optional<SerialSettings> gatewaySettings;
};
