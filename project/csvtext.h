#pragma once

#include "rowchecks.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// Comma-separated text as RFC 4180 describes it, and as spreadsheets write it.

// UTF-8 with a byte order mark, one record per line ended by CR LF, fields
// separated by commas; a field holding a comma, a quote or a line break is
// quoted, its quotes doubled.
QByteArray csvText(const QList<QStringList> &records);

struct CsvRecord
{
    int line = 1; // the line the record starts on, from 1
    QStringList fields;
    std::optional<CellFault> fault; // a field that cannot be read, and why
};

// The records of UTF-8 text with or without a byte order mark. The separator
// is the first comma, semicolon or tab outside quotes on the first line (a
// comma when there is none). A line ends at CR LF, LF or CR; fields may be
// quoted or not; a quoted field may hold separators and line breaks. A field
// that is not UTF-8, a quote left open at the end of the text and text after
// a closing quote are faults of their record; reading goes on with the next
// record. Empty lines give records of one empty field.
QList<CsvRecord> csvRecords(const QByteArray &text);
