#include "addresscompleter.h"

#include "addresssearch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int AddressRole = Qt::UserRole;
constexpr int MostRowsShown = 10;
} // namespace

AddressCompleter::AddressCompleter(QLineEdit *field, const GroupAddressBook &book)
    : QObject(field)
    , field(field)
    , book(book)
    , entries(new QListWidget(field))
{
    entries->setObjectName("addressCompletions");
    // A window of its own that never takes the focus nor holds the mouse.
    entries->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    entries->setAttribute(Qt::WA_ShowWithoutActivating);
    entries->setFocusPolicy(Qt::NoFocus);
    entries->setUniformItemSizes(true);
    connect(field, &QLineEdit::textEdited, this, &AddressCompleter::offer);
    connect(entries, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { choose(entries->row(item)); });
    field->installEventFilter(this);
}

void AddressCompleter::offer(const QString &typed)
{
    entries->clear();
    for (const GroupAddressEntry &entry : book.entries()) {
        if (typed.trimmed().isEmpty() || entries->count() == MostListed)
            break;
        if (matchesSearch(entry, typed)) {
            auto *item = new QListWidgetItem(completionText(entry), entries);
            item->setData(AddressRole, entry.address);
        }
    }
    if (entries->count() == 0) {
        hide();
        return;
    }
    place();
    if (!entries->isVisible()) {
        entries->show();
        qApp->installEventFilter(this);
    }
}

// Below the field, or above it where the screen ends; as wide as the entries.
void AddressCompleter::place()
{
    const int rows = std::min(entries->count(), MostRowsShown);
    const int frame = 2 * entries->frameWidth();
    const QSize size(std::max(field->width(), entries->sizeHintForColumn(0) + frame +
                                                  entries->verticalScrollBar()->sizeHint().width()),
                     rows * entries->sizeHintForRow(0) + frame);
    QPoint at = field->mapToGlobal(QPoint(0, field->height()));
    const QScreen *screen = field->screen();
    if (screen && at.y() + size.height() > screen->availableGeometry().bottom())
        at = field->mapToGlobal(QPoint(0, -size.height()));
    entries->setGeometry(QRect(at, size));
}

void AddressCompleter::hide()
{
    entries->hide();
    qApp->removeEventFilter(this);
}

void AddressCompleter::choose(int row)
{
    const QListWidgetItem *item = entries->item(row);
    if (!item)
        return;
    const QString address = item->data(AddressRole).toString();
    hide();
    emit chosen(address);
}

// The keys that move in the list and choose from it; all others go to the field.
bool AddressCompleter::takeKey(int key)
{
    const int last = entries->count() - 1;
    const int row = entries->currentRow();
    switch (key) {
    case Qt::Key_Down:
        entries->setCurrentRow(std::min(row + 1, last));
        return true;
    case Qt::Key_Up:
        entries->setCurrentRow(std::max(row - 1, 0));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (row < 0)
            return false;
        choose(row);
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

// While the list is open: its keys on the field; a press anywhere but on the
// list, or the field losing the focus, closes it, and the press goes on.
bool AddressCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (!entries->isVisible())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return watched == field && takeKey(static_cast<QKeyEvent *>(event)->key());
    case QEvent::FocusOut:
        if (watched == field)
            hide();
        return false;
    case QEvent::MouseButtonPress: {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() != entries && widget != field)
            hide();
        return false;
    }
    default:
        return false;
    }
}
