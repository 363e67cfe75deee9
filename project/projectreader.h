#pragma once

#include "project.h"

#include <QString>

#include <optional>

class QSqlDatabase;

// A project read whole from a database, or why there is none.
struct ProjectRead
{
    enum class Refusal {
        None,
        NotAProject, // no general table holding a row
        Locked,      // another program holds the file while it writes
        Faulty,      // a project file that cannot be read whole
    };

    std::optional<Project> project;
    Refusal refusal = Refusal::None;
    // For Locked and Faulty: what, and where, for example "485 to KNX(1 Byte)
    // row 3, Min: NULL is not a whole number" (translated).
    QString fault;
};

// Reads the project in the open database. Every table is read by position;
// the row counts of the general table must match the rows of the three
// telegram tables, every telegram table must be there with all its columns,
// and every number must be a whole number in the int range, written as such
// (a "read" row may leave its value empty, read as "0"). The texts enter the
// cells as they are; the record checks are not applied. The address book
// keeps the rows of the group_addresses table whose address is one the record
// checks accept, each address once; a file without that table has none. The
// site details are the texts of the first row of the site table, whatever
// its columns hold; empty without such a row.
ProjectRead readProjectFile(const QSqlDatabase &db);
