#include "receiveviewaccessible.h"

#include "receiveview.h"

ReceiveViewAccessible::ReceiveViewAccessible(ReceiveView *view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{}

QAccessibleInterface *ReceiveViewAccessible::create(const QString &className, QObject *object)
{
    auto *view = qobject_cast<ReceiveView *>(object);
    return className == QLatin1String("ReceiveView") && view ? new ReceiveViewAccessible(view)
                                                             : nullptr;
}

ReceiveView *ReceiveViewAccessible::view() const
{
    return static_cast<ReceiveView *>(widget());
}

int ReceiveViewAccessible::offsetOf(TextPosition position) const
{
    return int(view()->receivedLines().offsetOf(position));
}

TextPosition ReceiveViewAccessible::positionOf(int offset) const
{
    return view()->receivedLines().positionOf(offset);
}

QAccessible::State ReceiveViewAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReceiveViewAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Value ? view()->toPlainText() : QAccessibleWidget::text(kind);
}

void *ReceiveViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReceiveViewAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    const TextPosition anchor = view()->selectionAnchor();
    const TextPosition caret = view()->caretPosition();
    *startOffset = offsetOf(qMin(anchor, caret));
    *endOffset = offsetOf(qMax(anchor, caret));
}

int ReceiveViewAccessible::selectionCount() const
{
    return view()->selectionAnchor() != view()->caretPosition() ? 1 : 0;
}

void ReceiveViewAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReceiveViewAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        view()->setSelection(view()->caretPosition(), view()->caretPosition());
}

void ReceiveViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        view()->setSelection(positionOf(startOffset), positionOf(endOffset));
}

int ReceiveViewAccessible::cursorPosition() const
{
    return offsetOf(view()->caretPosition());
}

void ReceiveViewAccessible::setCursorPosition(int position)
{
    view()->setSelection(positionOf(position), positionOf(position));
}

QString ReceiveViewAccessible::text(int startOffset, int endOffset) const
{
    return view()->receivedLines().text(positionOf(startOffset), positionOf(endOffset));
}

int ReceiveViewAccessible::characterCount() const
{
    return offsetOf(view()->receivedLines().endPosition());
}

QRect ReceiveViewAccessible::characterRect(int offset) const
{
    const QRect rect = view()->characterRect(positionOf(offset));
    return rect.isValid() ? QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size())
                          : QRect();
}

int ReceiveViewAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = view()->viewport()->mapFromGlobal(point);
    return view()->viewport()->rect().contains(local) ? offsetOf(view()->positionAt(local)) : -1;
}

void ReceiveViewAccessible::scrollToSubstring(int startIndex, int)
{
    view()->showLine(positionOf(startIndex).line);
}

QString ReceiveViewAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}
