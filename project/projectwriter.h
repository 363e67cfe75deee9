#pragma once

#include <QList>
#include <QStringList>

class QSqlDatabase;

// What an export writes: the "Serial Options" item indexes and the cell texts
// of the three telegram tables, row by row, column 0 first.
struct ProjectContent
{
    int baud_rate = 0;
    int stop_bit = 0;
    int parity = 0;
    QList<QStringList> rows_485_to_knx_w;
    QList<QStringList> rows_1byte;
    QList<QStringList> rows_knx_to_485_w;
};

// Replaces the five project tables of the open database with the content, in
// one transaction; other tables of the file stay as they are. Every value is
// bound as text. False when any statement fails (a file that is no SQLite
// database, for one): the database is then rolled back and left unchanged.
bool writeProjectFile(QSqlDatabase &db, const ProjectContent &content);
