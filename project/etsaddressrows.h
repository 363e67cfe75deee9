#pragma once

#include <QList>
#include <QString>

// A group address row of an ETS group address export, as written.
struct EtsAddressRow
{
    int line = 0; // from 1: where the row starts, or where its XML start tag ends
    QString address;
    QString name;
    QString mainGroup; // the names of its main and middle group, when known
    QString middleGroup;
    QString datapointType;
    QString description;
};

// The address rows of an export, or why the text is none (translated).
struct EtsAddressRows
{
    QList<EtsAddressRow> rows;
    QString error;
};

// The rows of the CSV export in the text: a header names the columns, either
// "Group name" and "Address" (1/1), "Main", "Middle", "Sub" and "Address"
// (3/1), or "Main", "Middle", "Sub" twice, names then numbers (3/3); columns
// are found by their names, others ignored. The separator is a tab, a
// semicolon or a comma, whichever makes the header one of these. Range rows
// (0/-/-, 0/0/-) name the main and middle groups of the address rows.
EtsAddressRows etsCsvRows(const QString &text);

// The rows of the XML export: GroupAddress elements in nested GroupRange
// elements under GroupAddress-Export; the outer two ranges name the main and
// middle group, and of a list of datapoint types the last is the address's own.
EtsAddressRows etsXmlRows(const QByteArray &bytes);
