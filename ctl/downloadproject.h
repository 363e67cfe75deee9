#pragma once

#include "project.h"

#include <QString>

#include <optional>

// The project of the file when it can be downloaded as it is: a project file
// whose tables fit the gateway and whose every row passes the editors' checks.
// Otherwise nothing, and why on standard error.
std::optional<Project> projectToDownload(const QString &path);
