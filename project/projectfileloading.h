#pragma once

#include "project.h"

#include <QString>

#include <optional>

// A project read from a file that is left as it is: a file that does not
// exist is not created.
struct ProjectLoading
{
    std::optional<Project> project;
    QString error; // why there is no project: no such file, not a project file
};
ProjectLoading loadProjectFile(const QString &path);
