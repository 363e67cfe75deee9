#include "wholefile.h"

#include <QFileInfo>
#include <QSaveFile>

bool writeWholeFile(const QString &fileName, const QByteArray &contents)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        QFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
               file.flush();
    }
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}
