#pragma once

#include "asciirows.h"
#include "pacedcall.h"
#include "quietscrollbar.h"
#include "receivedlines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QTextLayout>

#include <memory>
#include <unordered_map>

// The receive area: a read-only view of the most recent received lines, laid
// out and painted like a plain-text editor, long lines wrapped at the width.
// New text is shown at most once per screen refresh, the scroll bar follows
// at a slower pace. A view at the end follows new lines; a view scrolled up
// stays on the lines it shows. Text is selected with the mouse or all at once
// (Ctrl+A) and copied (Ctrl+C).
class ReceiveView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText)
    Q_PROPERTY(bool readOnly READ isReadOnly)

public:
    explicit ReceiveView(QWidget *parent = nullptr);
    ~ReceiveView() override;

    // Latin-1 text in which '\n' ends a line.
    void appendText(QByteArrayView text);
    void clear();
    // The most recent lines kept; setting it empties the view.
    void setMaximumLineCount(int count);
    qint64 lineCount() const { return lines.end() - lines.first(); }

    QString toPlainText() const { return lines.text(); }
    bool isReadOnly() const { return true; }
    // The height that shows count lines whole.
    int heightForLines(int count) const;
    QString selectedText() const;
    void copy() const;
    void selectAll();
    void setSelection(TextPosition anchor, TextPosition caret);
    TextPosition selectionAnchor() const { return anchor; }
    TextPosition caretPosition() const { return caret; }
    const ReceivedLines &receivedLines() const { return lines; }
    // The character position under a point of the viewport.
    TextPosition positionAt(QPoint point);
    // Where the character at the position is drawn in the viewport; empty when
    // it is not on screen.
    QRect characterRect(TextPosition position);
    // Scrolls so that the line is at the top, or as near as the end allows.
    void showLine(qint64 number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    struct LineLayout
    {
        QTextLayout layout;
        qreal height = 0;
    };
    // A line on screen: its number, top and height.
    struct PlacedLine
    {
        qint64 number;
        qreal top;
        qreal height;
    };
    // The selected columns of a line, and whether its line end is selected too.
    struct Selected
    {
        int from = 0;
        int to = 0;
        bool lineEnd = false;
    };

    void updateScrollBar();
    const LineLayout &layoutOf(qint64 number);
    // Whether the line is drawn as one ASCII row rather than laid out.
    bool isAsciiRow(qint64 number) const;
    qreal heightOf(qint64 number);
    void keepLayoutsInUse();
    void relayout();
    // Lines that fit whole at the bottom of the viewport, at least one.
    int linesFittingAtEnd();
    bool atEnd() const;
    QList<PlacedLine> placedLines();
    void dragTo(QPoint point);
    void offerSelection() const;
    Selected selectionIn(qint64 number) const;

    ReceivedLines lines;
    // Layouts of the lines shown (shownFrom..shownTo) and of the last lines
    // (from lastFrom), by line number; rows of printable characters need none.
    std::unordered_map<qint64, std::unique_ptr<LineLayout>> layouts;
    qint64 shownFrom = 0;
    qint64 shownTo = 0;
    qint64 lastFrom = 0;
    std::unique_ptr<AsciiRows> asciiRows;
    qint64 top = 0;           // the first line shown while not at the end
    qint64 scrolledFirst = 0; // lines.first() when the scroll bar was last set
    bool settingScrollBar = false;
    QuietScrollBar *scrollBar;
    PacedCall newTextShown;
    PacedCall scrollBarUpdate;
    TextPosition anchor;
    TextPosition caret;
    bool selecting = false;
    QPoint dragPoint;
    QBasicTimer autoScroll;
};
