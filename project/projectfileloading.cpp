#include "projectfileloading.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace {
// How long a read waits for a program that is writing the file.
constexpr int BusyTimeoutMs = 2000;

ProjectLoading refused(const QString &error)
{
    ProjectLoading loading;
    loading.error = error;
    return loading;
}

// Reads through a connection of its own that ends with the read.
ProjectLoading readReadOnly(const QString &path)
{
    static int connections = 0;
    const QString name = QStringLiteral("projectfileloading-%1").arg(++connections);
    ProjectLoading loading;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        db.setDatabaseName(path);
        if (!db.open()) {
            loading.error = db.lastError().text();
        } else {
            const ProjectRead read = readProjectFile(db);
            loading.project = read.project;
            if (read.refusal == ProjectRead::Refusal::NotAProject)
                loading.error = QStringLiteral("%1 is not a project file").arg(path);
            else if (!read.project)
                loading.error = QStringLiteral("%1: %2").arg(path, read.fault);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return loading;
}
} // namespace

ProjectLoading loadProjectFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return refused(QStringLiteral("%1: no such file").arg(path));
    if (file.isDir())
        return refused(QStringLiteral("%1 is a folder, not a project file").arg(path));
    if (!file.isFile())
        return refused(QStringLiteral("%1 is not a regular file (a device or a pipe), not a "
                                      "project file")
                           .arg(path));
    if (!file.isReadable())
        return refused(QStringLiteral("%1 cannot be read: permission denied").arg(path));
    return readReadOnly(path);
}
