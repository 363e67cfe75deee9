#pragma once

#include "projectwriter.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

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

// Runs the statements on the database file through a connection of its own,
// apart from the program's reader and writer: the rows of every statement,
// values joined by '|', and "failed: " with each statement that failed.
inline QStringList sqlRows(const QString &path, const QStringList &statements)
{
    const QString connection = QStringLiteral("sqlrows");
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            if (!query.exec(statement))
                rows << QStringLiteral("failed: ") + statement;
            while (query.next()) {
                QStringList values;
                for (int column = 0; column < query.record().count(); ++column)
                    values << query.value(column).toString();
                rows << values.join(QLatin1Char('|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}
