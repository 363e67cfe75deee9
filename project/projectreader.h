#pragma once

#include "project.h"

class QSqlDatabase;

// Reads the project in the open database into project, replacing what it
// held. Every table is read by position: a missing table reads as no rows, a
// column a row lacks as an empty text or 0, and a value that is no int in the
// int range as 0. The record fields the file keeps as numbers (value, min,
// max, interval) hold the decimal text of the int read; a 1-byte record's
// length is "1 byte". A telegram table whose row count differs from the count
// the general table claims for it reads as empty. Any content gives a defined
// result. The address book keeps the rows of the group_addresses table whose
// address is one the record checks accept, each address once; a file without
// that table has none. True when the database is a project file: it has a
// general table holding a row.
bool readProjectFile(const QSqlDatabase &db, Project &project);
