#pragma once

#include "projectdata.h"

class QSqlDatabase;

// Reads the project in the open database into data, replacing what it held.
// Every table is read by position: a missing table reads as no rows, a column
// a row lacks as an empty text or 0, and a value that is no int in the int
// range as 0. Any content gives a defined result. True when the database is a
// project file: it has a general table holding a row.
bool readProjectFile(const QSqlDatabase &db, ProjectData &data);
