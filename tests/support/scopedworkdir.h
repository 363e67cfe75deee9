#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Makes a fresh empty directory the working directory for its lifetime.
class ScopedWorkDir
{
public:
    ScopedWorkDir()
        : previous(QDir::currentPath())
    {
        QDir::setCurrent(dir.path());
    }
    ~ScopedWorkDir() { QDir::setCurrent(previous); }
    ScopedWorkDir(const ScopedWorkDir &) = delete;
    ScopedWorkDir &operator=(const ScopedWorkDir &) = delete;

    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

    // Writes a file of the directory with the given bytes.
    bool write(const QString &name, const QByteArray &contents) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }

private:
    QString previous;
    QTemporaryDir dir;
};
