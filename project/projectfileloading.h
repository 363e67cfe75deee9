#pragma once

#include "projectreader.h"

#include <QString>

// A project read whole from a file that is left as it is: a file that does
// not exist is not created. When there is none, why: no such file, not a
// regular file, not a project file, locked, or where the file is faulty
// (readProjectFile()); the English text for the command line.
struct ProjectLoading
{
    std::optional<Project> project;
    QString error;
};
ProjectLoading loadProjectFile(const QString &path);
