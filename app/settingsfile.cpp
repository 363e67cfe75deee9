#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
bool workingDirectoryFileWritable()
{
    const QFileInfo file(SettingsFileName);
    if (file.exists() || file.isSymLink())
        return file.isFile() && file.isWritable();
    return QFileInfo(QDir::currentPath()).isWritable();
}

bool writeInto(const QString &path, const std::function<void(QSettings &)> &write)
{
    QSettings settings(path, QSettings::IniFormat);
    write(settings);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

QString userSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(SettingsFileName);
}

QString settingsFileForReading()
{
    if (!workingDirectoryFileWritable() && QFileInfo::exists(userSettingsFile()))
        return userSettingsFile();
    return SettingsFileName;
}

SettingsWritten writeSettings(const std::function<void(QSettings &)> &write)
{
    if (workingDirectoryFileWritable() && writeInto(SettingsFileName, write))
        return SettingsWritten::InWorkingDirectory;
    const QString user = userSettingsFile();
    if (QDir().mkpath(QFileInfo(user).path()) && writeInto(user, write))
        return SettingsWritten::InUserDirectory;
    return SettingsWritten::Nowhere;
}
