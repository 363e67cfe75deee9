#pragma once

#include <QByteArray>
#include <QString>

// Writes the contents as the whole file; false when any of it cannot be
// written. A regular file, or a new one, is replaced only once every byte is
// on disk, so a failed write leaves the old file as it was; a file of another
// kind (a device) is written in place.
bool writeWholeFile(const QString &fileName, const QByteArray &contents);
