#include "reportdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableCellFormat>

namespace {
constexpr int RowsPerProgressStep = 100;
constexpr qreal TextSize = 8;
constexpr qreal HeadingSize = TextSize + 4;
constexpr int SignaturesHeading = QTextFormat::UserProperty;

QTextCharFormat textFormat(qreal pointSize, bool bold)
{
    QTextCharFormat format;
    format.setFont(reportFont(pointSize));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void insertHeading(QTextCursor &cursor, const QString &text, qreal pointSize)
{
    QTextBlockFormat block;
    block.setTopMargin(pointSize);
    block.setBottomMargin(pointSize / 2);
    cursor.insertBlock(block, textFormat(pointSize, true));
    cursor.insertText(text);
}

// Label and value lines without borders.
void insertLines(QTextCursor &cursor, const ReportLines &lines)
{
    if (lines.isEmpty())
        return;
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(2);
    QTextTable *table = cursor.insertTable(int(lines.size()), 2, format);
    for (int row = 0; row < lines.size(); ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(lines.at(row).first,
                                                               textFormat(TextSize + 1, true));
        table->cellAt(row, 1).firstCursorPosition().insertText(lines.at(row).second,
                                                               textFormat(TextSize + 1, false));
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// Per party its name over a label and a ruled line per field, the parties
// side by side with a gap between them. The heading is marked for
// setReportPageSize().
void insertSignatures(QTextCursor &cursor, const ReportSignatures &signatures)
{
    insertHeading(cursor, signatures.title, HeadingSize);
    QTextBlockFormat marked = cursor.blockFormat();
    marked.setProperty(SignaturesHeading, true);
    cursor.setBlockFormat(marked);
    const int parties = int(signatures.parties.size());
    const int fields = int(signatures.fields.size());
    if (parties == 0)
        return;
    constexpr qreal labelWidth = 12, gapWidth = 4; // percent
    const qreal lineWidth = (100 - (parties - 1) * gapWidth) / parties - labelWidth;
    QList<QTextLength> widths;
    for (int party = 0; party < parties; ++party) {
        if (party > 0)
            widths << QTextLength(QTextLength::PercentageLength, gapWidth);
        widths << QTextLength(QTextLength::PercentageLength, labelWidth)
               << QTextLength(QTextLength::PercentageLength, lineWidth);
    }
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(widths);
    QTextTable *table = cursor.insertTable(1 + fields, int(widths.size()), format);
    QTextTableCellFormat spaced; // room for handwriting
    spaced.setTopPadding(3 * TextSize);
    QTextTableCellFormat ruled = spaced;
    ruled.setBottomBorder(0.75);
    ruled.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    ruled.setBottomBorderBrush(Qt::black);
    for (int party = 0; party < parties; ++party) {
        const int column = 3 * party;
        table->cellAt(0, column).firstCursorPosition().insertText(signatures.parties.at(party),
                                                                  textFormat(TextSize + 1, true));
        for (int field = 0; field < fields; ++field) {
            table->cellAt(1 + field, column).setFormat(spaced);
            table->cellAt(1 + field, column)
                .firstCursorPosition()
                .insertText(signatures.fields.at(field), textFormat(TextSize + 1, false));
            table->cellAt(1 + field, column + 1).setFormat(ruled);
        }
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// Inserts the rows; false when cancelled.
bool insertRows(QTextCursor &cursor, const ReportTable &table, int &done, int total,
                const ReportProgress &progress)
{
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::gray);
    QTextTable *rows =
        cursor.insertTable(int(table.rows.size()) + 1, int(table.columns.size()), format);
    QTextTableCellFormat shaded;
    shaded.setBackground(QColor(0xE8, 0xE8, 0xE8));
    const QTextCharFormat header = textFormat(TextSize, true), cell = textFormat(TextSize, false);
    QTextBlockFormat unbroken;
    unbroken.setNonBreakableLines(true);
    for (int column = 0; column < table.columns.size(); ++column) {
        rows->cellAt(0, column).setFormat(shaded);
        QTextCursor title = rows->cellAt(0, column).firstCursorPosition();
        title.setBlockFormat(unbroken);
        title.insertText(table.columns.at(column), header);
    }
    for (int row = 0; row < table.rows.size(); ++row) {
        const QStringList &cells = table.rows.at(row);
        for (int column = 0; column < cells.size() && column < table.columns.size(); ++column)
            rows->cellAt(row + 1, column).firstCursorPosition().insertText(cells.at(column), cell);
        if (++done % RowsPerProgressStep == 0 && !progress(done, total))
            return false;
    }
    cursor = rows->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    return true;
}
} // namespace

QFont reportFont(qreal pointSize)
{
    // Latin text in DejaVu Sans: the Latin digits of Noto Sans CJK lose their
    // text in Qt's PDF output, so they could not be searched or copied.
    // Chinese in WenQuanYi Micro Hei: Noto Sans CJK gives a radical such as
    // U+2F6C and its ideograph (目) one glyph, and the PDF's text then reads
    // the radical. No ligatures, which would turn "fi" into one character.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(pointSize);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

std::unique_ptr<QTextDocument> reportDocument(const CommissioningReport &report,
                                              const ReportProgress &progress)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(reportFont(TextSize));
    document->setDocumentMargin(0);
    QTextCursor cursor(document.get());
    // One edit: the document is laid out once, when it is complete.
    cursor.beginEditBlock();
    cursor.insertText(report.title, textFormat(2 * TextSize, true));
    insertLines(cursor, report.facts);
    insertHeading(cursor, report.siteTitle, HeadingSize);
    insertLines(cursor, report.site);
    int done = 0;
    const int total = report.rowCount();
    for (const ReportTable &table : report.tables) {
        insertHeading(cursor, table.title, HeadingSize);
        if (table.rows.isEmpty()) {
            cursor.insertBlock();
            cursor.insertText(QCoreApplication::translate("MainWindow", "No rows"),
                              textFormat(TextSize, false));
        } else if (!insertRows(cursor, table, done, total, progress)) {
            return nullptr;
        }
    }
    insertSignatures(cursor, report.signatures);
    cursor.endEditBlock();
    return document;
}

void setReportPageSize(QTextDocument &document, const QSizeF &size)
{
    document.setPageSize(size);
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    layout->documentSize(); // laid out to the end, not only as far as asked
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        if (!block.blockFormat().boolProperty(SignaturesHeading))
            continue;
        QTextCursor cursor(block);
        const qreal top = layout->blockBoundingRect(block).top();
        qreal bottom = layout->blockBoundingRect(block).bottom();
        if (cursor.movePosition(QTextCursor::NextBlock) && cursor.currentTable())
            bottom = layout->frameBoundingRect(cursor.currentTable()).bottom();
        if (int(top / size.height()) != int((bottom - 1) / size.height())) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
        return;
    }
}
