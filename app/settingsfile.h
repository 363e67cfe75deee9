#pragma once

#include <QString>

#include <functional>

class QSettings;

// Where the settings are kept: config.ini in the working directory the tool
// was started in; where that cannot be written (the desktop menu may start it
// in /), config.ini in the user's configuration directory
// (QStandardPaths::AppConfigLocation).

constexpr const char *SettingsFileName = "config.ini";

// The file to read: the working directory's, unless it cannot be written and
// the user's exists. Reading creates nothing.
QString settingsFileForReading();
// The user's file, for messages.
QString userSettingsFile();

enum class SettingsWritten {
    InWorkingDirectory,
    InUserDirectory, // the working directory's file cannot be written
    Nowhere,
};
// Writes through the function into the file it belongs in, flushed before it returns.
SettingsWritten writeSettings(const std::function<void(QSettings &)> &write);
