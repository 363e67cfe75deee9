#pragma once

#include "project.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a commissioning report shows, in the interface language: a title
// block, then every telegram table with all its columns and its rows numbered
// as the gateway numbers them (from 0, in download order).

struct ReportTable
{
    QString title;
    QStringList columns; // the row number's title first
    QList<QStringList> rows;
};

struct CommissioningReport
{
    QString title;
    QList<QPair<QString, QString>> facts; // label and value
    QList<ReportTable> tables;

    int rowCount() const;
};

// `projectFile` is the project file the window last read or wrote; empty when
// there is none.
CommissioningReport commissioningReport(const Project &project, const QString &projectFile,
                                        const QDateTime &when);

// "Page n of m", translated.
QString reportPageLabel(int page, int pages);
