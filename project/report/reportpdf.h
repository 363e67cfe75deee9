#pragma once

#include "reportdocument.h"

#include <QString>

enum class ReportWriting { Written, Cancelled, Failed };

// Writes the report as a PDF of A4 landscape pages, each numbered "Page n of
// m" at its foot. A cancelled or failed report leaves no file behind and an
// existing file as it was. Progress counts rows, then pages, as one count.
ReportWriting writeReportPdf(const CommissioningReport &report, const QString &fileName,
                             const ReportProgress &progress);
