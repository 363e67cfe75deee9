#include "reportdocument.h"

#include <QCoreApplication>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableCellFormat>

namespace {
constexpr int RowsPerProgressStep = 100;
constexpr qreal TextSize = 8;

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

void insertFacts(QTextCursor &cursor, const CommissioningReport &report)
{
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(2);
    QTextTable *facts = cursor.insertTable(int(report.facts.size()), 2, format);
    for (int row = 0; row < report.facts.size(); ++row) {
        facts->cellAt(row, 0).firstCursorPosition().insertText(report.facts.at(row).first,
                                                               textFormat(TextSize + 1, true));
        facts->cellAt(row, 1).firstCursorPosition().insertText(report.facts.at(row).second,
                                                               textFormat(TextSize + 1, false));
    }
    cursor = facts->lastCursorPosition();
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
    // text in Qt's PDF output, so they could not be searched or copied. No
    // ligatures, which would turn "fi" into one character.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
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
    insertFacts(cursor, report);
    int done = 0;
    const int total = report.rowCount();
    for (const ReportTable &table : report.tables) {
        insertHeading(cursor, table.title, TextSize + 4);
        if (table.rows.isEmpty()) {
            cursor.insertBlock();
            cursor.insertText(QCoreApplication::translate("MainWindow", "No rows"),
                              textFormat(TextSize, false));
        } else if (!insertRows(cursor, table, done, total, progress)) {
            return nullptr;
        }
    }
    cursor.endEditBlock();
    return document;
}
