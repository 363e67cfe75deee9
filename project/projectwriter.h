#pragma once

#include "project.h"

class QSqlDatabase;

// Replaces the five project tables, the address book's table and the site
// table (one row) of the open database with the project, in one transaction;
// other tables of the file stay as they are. Every value is bound as text.
// False when any statement fails (a file that is no SQLite database, for
// one): the database is then rolled back and left unchanged.
bool writeProjectFile(QSqlDatabase &db, const Project &project);
