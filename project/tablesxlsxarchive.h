#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

class QBuffer;
class QuaZip;

// The parts of a workbook's zip archive, unpacked within limits whatever the
// archive claims: at most MostPartBytes each and MostUnpackedBytes in all, so
// that a small hostile file cannot fill the memory.
class XlsxArchive
{
public:
    static constexpr qint64 MostPartBytes = 16 * 1024 * 1024;
    static constexpr qint64 MostUnpackedBytes = 64 * 1024 * 1024;
    static constexpr int MostEntries = 1000;

    explicit XlsxArchive(const QByteArray &bytes);
    ~XlsxArchive();
    XlsxArchive(const XlsxArchive &) = delete;
    XlsxArchive &operator=(const XlsxArchive &) = delete;

    // A zip archive of at most MostEntries entries.
    bool isOpen() const { return open; }

    enum class Status { Read, Missing, TooLarge, Damaged };
    struct Part
    {
        Status status = Status::Missing;
        QByteArray bytes;
    };
    // The part of the name (case-insensitive, as part names are), unpacked
    // once; damaged when it does not unpack or fails its checksum.
    Part part(const QString &name);

private:
    Part unpack(const QString &name);

    QByteArray bytes;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QuaZip> zip;
    bool open = false;
    qint64 unpacked = 0;
    QHash<QString, Part> parts;
};
