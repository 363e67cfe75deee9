#pragma once

#include "groupaddressbook.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reading the group addresses of a building from an ETS group address export.

// A row that was not taken, and why (translated).
struct SkippedAddressRow
{
    int line = 0; // from 1
    QString reason;
};

struct GroupAddressImport
{
    QString error; // translated; when set, the file gives no address book
    GroupAddressBook book;
    int groups = 0; // the middle groups of the addresses read
    QList<SkippedAddressRow> skipped;
};

// Larger files are refused unread.
constexpr qint64 MostGroupAddressExportBytes = 16 * 1024 * 1024;

// The export as ETS writes it: CSV in the 1/1, 3/1 or 3/3 layout (see
// etsCsvRows) encoded in UTF-8 with or without byte order mark, UTF-16 LE
// with one, or Windows-1252 otherwise; or XML. Every address must be a
// three-level one the record checks accept, once; other rows are skipped. An
// error for a file that is none of these, or holds no such address.
GroupAddressImport readGroupAddressExport(const QByteArray &bytes);

// What an import read or why it failed, for the user: the counts and the
// first few skipped rows.
QString groupAddressImportReport(const GroupAddressImport &import);
