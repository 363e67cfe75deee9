#include "receiveview.h"

#include "receiveviewaccessible.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

namespace {
// Blank space around the text, as a text document has.
constexpr qreal Margin = 4;
constexpr int AutoScrollMs = 50;
constexpr int ScreenRefreshMs = 16;
constexpr int ScrollBarMs = 250;

QString menuText(const char *text, QKeySequence::StandardKey key)
{
    return QCoreApplication::translate("MainWindow", text) + QLatin1Char('\t') +
           QKeySequence(key).toString(QKeySequence::NativeText);
}
} // namespace

ReceiveView::ReceiveView(QWidget *parent)
    : QAbstractScrollArea(parent)
    , scrollBar(new QuietScrollBar(Qt::Vertical, this))
    , newTextShown(ScreenRefreshMs,
                   [this] {
                       viewport()->update();
                       scrollBarUpdate.request();
                       if (QAccessible::isActive()) {
                           QAccessibleEvent changed(this, QAccessible::VisibleDataChanged);
                           QAccessible::updateAccessibility(&changed);
                       }
                   })
    , scrollBarUpdate(ScrollBarMs, [this] { updateScrollBar(); })
{
    setVerticalScrollBar(scrollBar);
    scrollBar->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBar->setSingleStep(1);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false); // painted with the text
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    asciiRows = std::make_unique<AsciiRows>(font(), Margin);
    static const bool accessible = [] {
        QAccessible::installFactory(ReceiveViewAccessible::create);
        return true;
    }();
    Q_UNUSED(accessible);
}

ReceiveView::~ReceiveView() = default;

void ReceiveView::appendText(QByteArrayView text)
{
    if (text.isEmpty())
        return;
    layouts.erase(lines.end() - 1); // the open line grows
    lines.append(text);
    newTextShown.request();
}

// A view at the end stays there; else it keeps its first line while there is one.
void ReceiveView::updateScrollBar()
{
    const bool following = atEnd();
    const qint64 firstShown = qMax(top, lines.first());
    const int fitting = linesFittingAtEnd();
    const int maximum = int(lines.end() - lines.first()) - fitting;
    scrolledFirst = lines.first();
    settingScrollBar = true;
    scrollBar->setState(maximum, fitting,
                        following ? maximum
                                  : int(qMin<qint64>(firstShown - lines.first(), maximum)));
    settingScrollBar = false;
    keepLayoutsInUse();
}

void ReceiveView::clear()
{
    lines.clear();
    anchor = caret = {};
    top = 0;
    relayout();
}

void ReceiveView::setMaximumLineCount(int count)
{
    lines = ReceivedLines(count);
    clear();
}

int ReceiveView::heightForLines(int count) const
{
    return qCeil(count * asciiRows->rowHeight() + 2 * Margin) + 2 * frameWidth();
}

QString ReceiveView::selectedText() const
{
    return lines.text(qMin(anchor, caret), qMax(anchor, caret));
}

void ReceiveView::copy() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void ReceiveView::selectAll()
{
    setSelection({lines.first(), 0}, lines.endPosition());
    offerSelection();
}

const ReceiveView::LineLayout &ReceiveView::layoutOf(qint64 number)
{
    std::unique_ptr<LineLayout> &entry = layouts[number];
    if (entry)
        return *entry;
    entry = std::make_unique<LineLayout>();
    QTextLayout &layout = entry->layout;
    layout.setText(lines.line(number));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(qMax<qreal>(1, viewport()->width() - 2 * Margin));
        line.setPosition(QPointF(Margin, entry->height));
        entry->height += line.height();
    }
    layout.endLayout();
    return *entry;
}

bool ReceiveView::isAsciiRow(qint64 number) const
{
    return asciiRows->fits(lines.line(number), viewport()->width() - Margin);
}

qreal ReceiveView::heightOf(qint64 number)
{
    return isAsciiRow(number) ? asciiRows->rowHeight() : layoutOf(number).height;
}

void ReceiveView::keepLayoutsInUse()
{
    for (auto it = layouts.begin(); it != layouts.end();) {
        const qint64 number = it->first;
        const bool inUse = (number >= shownFrom && number < shownTo) || number >= lastFrom;
        it = inUse && number >= lines.first() ? std::next(it) : layouts.erase(it);
    }
}

// After a change of width, font or content everything is laid out anew.
void ReceiveView::relayout()
{
    layouts.clear();
    updateScrollBar();
    viewport()->update();
}

int ReceiveView::linesFittingAtEnd()
{
    const qreal room = viewport()->height() - Margin - 1;
    qreal height = 0;
    int fitting = 0;
    for (lastFrom = lines.end() - 1; lastFrom >= lines.first(); --lastFrom) {
        height += heightOf(lastFrom);
        if (height > room)
            break;
        ++fitting;
    }
    return qMax(1, fitting);
}

bool ReceiveView::atEnd() const
{
    return scrollBar->value() == scrollBar->maximum();
}

// The lines on screen from the top line down; at the end, the last lines,
// and the end of the last line even when it is taller than the view.
QList<ReceiveView::PlacedLine> ReceiveView::placedLines()
{
    const bool following = atEnd();
    shownFrom = following ? lines.end() - linesFittingAtEnd() : qMax(top, lines.first());
    qreal y = shownFrom == lines.first() ? Margin : 0;
    QList<PlacedLine> placed;
    for (shownTo = shownFrom; shownTo < lines.end() && y < viewport()->height(); ++shownTo) {
        placed.append({shownTo, y, heightOf(shownTo)});
        y += placed.last().height;
    }
    if (following && placed.size() == 1 && y > viewport()->height())
        placed.first().top -= y - viewport()->height();
    keepLayoutsInUse();
    return placed;
}

ReceiveView::Selected ReceiveView::selectionIn(qint64 number) const
{
    const TextPosition from = qMin(anchor, caret);
    const TextPosition to = qMax(anchor, caret);
    if (number < from.line || number > to.line || from == to)
        return {};
    return {number == from.line ? from.column : 0,
            number == to.line ? to.column : int(lines.line(number).size()), number < to.line};
}

// Rows of printable characters are drawn at once; other lines, and lines whose
// line end is selected, are laid out and drawn as text layouts.
void ReceiveView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().base());
    painter.setPen(palette().text().color());
    for (const PlacedLine &line : placedLines()) {
        const Selected selected = selectionIn(line.number);
        if (!selected.lineEnd && isAsciiRow(line.number)) {
            asciiRows->draw(painter, lines.line(line.number), line.top, selected.from, selected.to,
                            palette());
            continue;
        }
        QTextLayout::FormatRange range;
        range.start = selected.from;
        range.length = selected.to - selected.from + (selected.lineEnd ? 1 : 0);
        range.format.setBackground(palette().highlight());
        range.format.setForeground(palette().highlightedText());
        layoutOf(line.number).layout.draw(&painter, QPointF(0, line.top), {range});
    }
}

void ReceiveView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void ReceiveView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        asciiRows = std::make_unique<AsciiRows>(font(), Margin);
        relayout();
    }
}

// The scroll bar moved. Set to follow new lines, it keeps the lines shown:
// new text has its own update.
void ReceiveView::scrollContentsBy(int, int)
{
    top = scrolledFirst + scrollBar->value();
    if (!settingScrollBar)
        viewport()->update();
}

// The scroll bar follows new lines at a slower pace: before the user moves
// it, it catches up, so that a step goes from where the view is.
bool ReceiveView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scrollBar &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel))
        scrollBarUpdate.flush();
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ReceiveView::wheelEvent(QWheelEvent *event)
{
    scrollBarUpdate.flush();
    QAbstractScrollArea::wheelEvent(event);
}

void ReceiveView::keyPressEvent(QKeyEvent *event)
{
    scrollBarUpdate.flush();
    if (event == QKeySequence::Copy)
        copy();
    else if (event == QKeySequence::SelectAll)
        selectAll();
    else if (event->key() == Qt::Key_Space)
        scrollBar->triggerAction(event->modifiers() & Qt::ShiftModifier
                                     ? QAbstractSlider::SliderPageStepSub
                                     : QAbstractSlider::SliderPageStepAdd);
    else if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier)
        scrollBar->triggerAction(QAbstractSlider::SliderToMinimum);
    else if (event->key() == Qt::Key_End && event->modifiers() == Qt::NoModifier)
        scrollBar->triggerAction(QAbstractSlider::SliderToMaximum);
    else
        QAbstractScrollArea::keyPressEvent(event);
}

// The character position under a point of the viewport; above the text the
// first row counts, below it the last.
TextPosition ReceiveView::positionAt(QPoint point)
{
    const QList<PlacedLine> placed = placedLines();
    for (const PlacedLine &line : placed) {
        const bool lastLine = &line == &placed.last();
        if (isAsciiRow(line.number)) {
            if (point.y() < line.top + line.height || lastLine)
                return {line.number,
                        asciiRows->columnAt(point.x(), int(lines.line(line.number).size()))};
            continue;
        }
        const QTextLayout &layout = layoutOf(line.number).layout;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            const bool last = lastLine && i == layout.lineCount() - 1;
            if (point.y() < line.top + row.y() + row.height() || last)
                return {line.number, row.xToCursor(point.x())};
        }
    }
    return lines.endPosition();
}

void ReceiveView::setSelection(TextPosition newAnchor, TextPosition newCaret)
{
    anchor = lines.clamped(newAnchor);
    caret = lines.clamped(newCaret);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent selected(this, int(lines.offsetOf(qMin(anchor, caret))),
                                               int(lines.offsetOf(qMax(anchor, caret))));
        QAccessible::updateAccessibility(&selected);
    }
}

QRect ReceiveView::characterRect(TextPosition position)
{
    for (const PlacedLine &line : placedLines()) {
        if (line.number != position.line)
            continue;
        if (isAsciiRow(line.number))
            return asciiRows->columnRect(position.column, line.top).toAlignedRect();
        const QTextLine row = layoutOf(line.number).layout.lineForTextPosition(position.column);
        if (!row.isValid())
            return {};
        const qreal left = row.cursorToX(position.column);
        const qreal right = row.cursorToX(position.column, QTextLine::Trailing);
        return QRectF(left, line.top + row.y(), qMax<qreal>(1, right - left), row.height())
            .toAlignedRect();
    }
    return {};
}

void ReceiveView::showLine(qint64 number)
{
    newTextShown.flush();
    scrollBarUpdate.flush();
    scrollBar->setValue(
        int(qBound<qint64>(0, number - scrolledFirst, qint64(scrollBar->maximum()))));
}

// A selection made goes to the system's selection clipboard, where there is one.
void ReceiveView::offerSelection() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && anchor != caret)
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void ReceiveView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TextPosition at = positionAt(event->position().toPoint());
    setSelection(event->modifiers() & Qt::ShiftModifier ? anchor : at, at);
    selecting = true;
}

void ReceiveView::mouseMoveEvent(QMouseEvent *event)
{
    if (!selecting)
        return;
    dragTo(event->position().toPoint());
    if (viewport()->rect().contains(dragPoint))
        autoScroll.stop();
    else if (!autoScroll.isActive())
        autoScroll.start(AutoScrollMs, this);
}

void ReceiveView::dragTo(QPoint point)
{
    dragPoint = point;
    setSelection(anchor, positionAt(point));
}

void ReceiveView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !selecting)
        return;
    selecting = false;
    autoScroll.stop();
    offerSelection();
}

// Selects the run of characters without blanks under the point.
void ReceiveView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TextPosition at = positionAt(event->position().toPoint());
    const QLatin1String line = lines.line(at.line);
    int from = at.column;
    int to = at.column;
    while (from > 0 && !QChar(line.at(from - 1)).isSpace())
        --from;
    while (to < line.size() && !QChar(line.at(to)).isSpace())
        ++to;
    setSelection({at.line, from}, {at.line, to});
    offerSelection();
}

void ReceiveView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(menuText(QT_TRANSLATE_NOOP("MainWindow", "&Copy"), QKeySequence::Copy), this,
                   &ReceiveView::copy)
        ->setEnabled(anchor != caret);
    menu.addSeparator();
    menu.addAction(menuText(QT_TRANSLATE_NOOP("MainWindow", "Select All"), QKeySequence::SelectAll),
                   this, &ReceiveView::selectAll)
        ->setEnabled(lines.endPosition() != TextPosition{lines.first(), 0});
    menu.exec(event->globalPos());
}

// While a selection is dragged beyond the view, the view scrolls after it.
void ReceiveView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != autoScroll.timerId())
        return QAbstractScrollArea::timerEvent(event);
    if (dragPoint.y() < 0)
        scrollBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (dragPoint.y() >= viewport()->height())
        scrollBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    dragTo(dragPoint);
}
