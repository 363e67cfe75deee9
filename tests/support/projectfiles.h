#pragma once

#include "projectwriter.h"

#include <QSqlDatabase>

// Writes a project file of the tables (serial options 9600 baud, 1 stop bit,
// None) through a connection of its own; false when it cannot.
inline bool writeProjectAt(const QString &path, const TelegramTables &tables)
{
    const QString connection = QStringLiteral("projectfiles");
    Project project;
    project.serialOptions = {2, 0, 0};
    project.tables = tables;
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        written = db.open() && writeProjectFile(db, project);
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}
