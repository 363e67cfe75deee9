#include "projectfiles.h"
#include "reportpdf.h"
#include "windowtext.h"

#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

void ProjectFiles::writeCommissioningReport()
{
    const QString fileName = QFileDialog::getSaveFileName(
        window, WindowText::tr("Commissioning report"), "commissioning-report.pdf",
        WindowText::tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    const CommissioningReport report = commissioningReport(
        currentProject(), projectFileName, QDateTime::currentDateTime(), gatewaySettings);
    QProgressDialog progress(WindowText::tr("Writing the commissioning report…"),
                             WindowText::tr("Cancel"), 0, 1, window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const ReportWriting written = writeReportPdf(report, fileName, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    if (written == ReportWriting::Failed)
        QMessageBox::critical(window, WindowText::tr("ERROR"), WindowText::tr("Cannot write!"));
}
