#include "openfailure.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_UNIX
// The name of the group that owns the file, or its number.
QString owningGroup(const QByteArray &path)
{
    struct stat status;
    if (stat(path.constData(), &status) != 0)
        return QString();
    if (const group *owner = getgrgid(status.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString::number(status.st_gid);
}
#endif
} // namespace

QString openFailureRemedy(QSerialPort::SerialPortError error, const QString &devicePath)
{
#ifdef Q_OS_UNIX
    // The port reports a permission error both for a device it may not open
    // and for one another program holds or has locked.
    if (error != QSerialPort::PermissionError)
        return QString();
    const QByteArray path = QFile::encodeName(devicePath);
    if (access(path.constData(), R_OK | W_OK) != 0) {
        const QString group = owningGroup(path);
        if (group.isEmpty())
            return QString();
        return QCoreApplication::translate(
                   "MainWindow",
                   "You may not use %1. Add your user to the group \"%2\" that owns it "
                   "(sudo usermod -aG %2 $USER), then log out and log in again.")
            .arg(devicePath, group);
    }
    return QCoreApplication::translate(
               "MainWindow", "%1 is in use by another program. Close that program (a serial "
                             "terminal, another rs485config) and open the port again.")
        .arg(devicePath);
#else
    Q_UNUSED(error);
    Q_UNUSED(devicePath);
    return QString();
#endif
}
