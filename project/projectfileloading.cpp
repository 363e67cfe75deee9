#include "projectfileloading.h"

#include "projectreader.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace {
// Reads through a connection of its own that ends with the read.
ProjectLoading readReadOnly(const QString &path)
{
    static int connections = 0;
    const QString name = QStringLiteral("projectfileloading-%1").arg(++connections);
    ProjectLoading loading;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(path);
        Project project;
        if (!db.open())
            loading.error = db.lastError().text();
        else if (!readProjectFile(db, project))
            loading.error = QStringLiteral("%1 is not a project file").arg(path);
        else
            loading.project = project;
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return loading;
}
} // namespace

ProjectLoading loadProjectFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        ProjectLoading loading;
        loading.error = QStringLiteral("%1: no such file").arg(path);
        return loading;
    }
    return readReadOnly(path);
}
