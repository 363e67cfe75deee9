#pragma once

#include "project.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// What a commissioning report shows, in the interface language: a title
// block, the site details, every telegram table with all its columns and its
// rows numbered from 1 in download order (as the window and rs485ctl count
// them), then lines for the signatures of the handover. With check results
// that still hold for their rows, each table gets a last column "Checked" and
// the title block a count of the rows that passed.

using ReportLines = QList<QPair<QString, QString>>; // label and value

struct ReportTable
{
    QString title;
    QStringList columns; // the row number's title first
    QList<QStringList> rows;
};

// A column per party, a line to fill in by hand per field.
struct ReportSignatures
{
    QString title;
    QStringList parties;
    QStringList fields;
};

struct CommissioningReport
{
    QString title;
    ReportLines facts;
    QString siteTitle;
    ReportLines site;
    QList<ReportTable> tables;
    ReportSignatures signatures;

    int rowCount() const;
};

// `projectFile` is the project file the window last read or wrote; empty when
// there is none. `gatewaySettings` are the settings the gateway was last
// found at by a scan or set to by Serial configure; without them the report
// says that they were not read from the gateway.
CommissioningReport commissioningReport(const Project &project, const QString &projectFile,
                                        const QDateTime &when,
                                        const std::optional<SerialSettings> &gatewaySettings);

// "Page n of m", translated.
QString reportPageLabel(int page, int pages);
