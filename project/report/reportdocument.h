#pragma once

#include "commissioningreport.h"

#include <QFont>

#include <functional>
#include <memory>

class QSizeF;
class QTextDocument;

// Told now and then how far a report has come (done of total); false cancels.
using ReportProgress = std::function<bool(int done, int total)>;

// The report as a document, in a font with Latin and Chinese glyphs: the
// title block, the site details, each table under its title with its header
// row repeated on every page it runs over, then the signature lines. Nothing
// when cancelled. Progress counts rows.
std::unique_ptr<QTextDocument> reportDocument(const CommissioningReport &report,
                                              const ReportProgress &progress);

// Lays the document out on pages of the size (in the units of its layout's
// paint device), the signature lines with their heading on one page.
void setReportPageSize(QTextDocument &document, const QSizeF &size);

// The font of the report's running text, also for its page numbers.
QFont reportFont(qreal pointSize);
