#include "tablesxlsxarchive.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>

#include <algorithm>

XlsxArchive::XlsxArchive(const QByteArray &bytes)
    : bytes(bytes)
    , buffer(std::make_unique<QBuffer>(&this->bytes))
{
    if (!buffer->open(QIODevice::ReadOnly))
        return;
    zip = std::make_unique<QuaZip>(buffer.get());
    open = zip->open(QuaZip::mdUnzip) && zip->getEntriesCount() <= MostEntries;
}

XlsxArchive::~XlsxArchive() = default;

XlsxArchive::Part XlsxArchive::part(const QString &name)
{
    const QString key = name.toLower();
    const auto found = parts.constFind(key);
    if (found != parts.constEnd())
        return *found;
    const Part read = unpack(name);
    parts.insert(key, read);
    return read;
}

XlsxArchive::Part XlsxArchive::unpack(const QString &name)
{
    if (!open || !zip->setCurrentFile(name, QuaZip::csInsensitive))
        return {zip && zip->getZipError() != UNZ_OK ? Status::Damaged : Status::Missing, {}};
    QuaZipFile file(zip.get());
    if (!file.open(QIODevice::ReadOnly))
        return {Status::Damaged, {}};
    // Read in pieces up to the limits, never trusting the sizes the entry claims.
    Part part{Status::Read, {}};
    const qint64 most = std::min(MostPartBytes, MostUnpackedBytes - unpacked);
    char piece[64 * 1024];
    for (;;) {
        const qint64 size = file.read(piece, sizeof piece);
        if (size < 0)
            return {Status::Damaged, {}};
        if (size == 0)
            break;
        if (part.bytes.size() + size > most)
            return {Status::TooLarge, {}};
        part.bytes.append(piece, size);
    }
    file.close();
    if (file.getZipError() != UNZ_OK)
        return {Status::Damaged, {}};
    unpacked += part.bytes.size();
    return part;
}
