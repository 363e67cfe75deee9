#include "reportpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {
constexpr int Resolution = 300; // dots per inch of the layout
constexpr qreal MarginMillimetres = 12;
constexpr qreal FooterPoints = 8;

void setUpPages(QPdfWriter &writer, const QString &title)
{
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("rs485config"));
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
        QPageLayout::Millimeter));
}

// Draws the page's part of the laid-out document, then its number below.
void drawPage(QPainter &painter, QTextDocument &document, int page, int pages, qreal footerHeight)
{
    const QSizeF size = document.pageSize();
    const QRectF view(0, page * size.height(), size.width(), size.height());
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(reportFont(FooterPoints));
    painter.drawText(QRectF(0, size.height(), size.width(), footerHeight), Qt::AlignCenter,
                     reportPageLabel(page + 1, pages));
}
} // namespace

ReportWriting writeReportPdf(const CommissioningReport &report, const QString &fileName,
                             const ReportProgress &progress)
{
    // Rows count once as they are put into the document and once as their pages are drawn.
    const int rows = report.rowCount();
    const int total = std::max(1, 2 * rows);
    const std::unique_ptr<QTextDocument> document =
        reportDocument(report, [&](int done, int) { return progress(done, total); });
    if (!document)
        return ReportWriting::Cancelled;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return ReportWriting::Failed;
    QPdfWriter writer(&file);
    setUpPages(writer, report.title);
    const QRect body = writer.pageLayout().paintRectPixels(Resolution);
    const qreal footerHeight = 2.5 * FooterPoints * Resolution / 72;
    document->documentLayout()->setPaintDevice(&writer);
    setReportPageSize(*document, QSizeF(body.width(), body.height() - footerHeight));
    const int pages = document->pageCount();

    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        // An uncommitted file is discarded.
        if (!progress(rows + rows * page / pages, total))
            return ReportWriting::Cancelled;
        if (page > 0)
            writer.newPage();
        drawPage(painter, *document, page, pages, footerHeight);
    }
    if (!painter.end())
        return ReportWriting::Failed;
    return file.commit() ? ReportWriting::Written : ReportWriting::Failed;
}
