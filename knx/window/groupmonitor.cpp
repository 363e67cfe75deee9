#include "groupmonitor.h"

#include "csvtext.h"
#include "groupsendline.h"
#include "grouptelegramfilter.h"
#include "grouptelegramlog.h"
#include "plaintext.h"
#include "windowtext.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton *toolButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    return button;
}
} // namespace

GroupMonitor::GroupMonitor(GroupTelegramLog &log, const GroupAddressBook &book, QWidget *parent)
    : QDockWidget(WindowText::tr("Group monitor"), parent)
    , log(log)
    , filter(new GroupTelegramFilter(this))
    , view(new QTableView(this))
    , sender(new GroupSendLine(book, this))
{
    setObjectName("groupMonitor");
    filter->setSourceModel(&log);
    view->setObjectName("groupMonitorView");
    view->setModel(filter);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Wide enough for "12:03:07.125", "15.15.255", "31/7/255" and a name.
    const int digit = view->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (const auto &[column, digits] : {std::pair{GroupTelegramLog::Time, 13},
                                         {GroupTelegramLog::Source, 10},
                                         {GroupTelegramLog::Destination, 10},
                                         {GroupTelegramLog::Name, 28},
                                         {GroupTelegramLog::Service, 10},
                                         {GroupTelegramLog::Data, 14}})
        view->horizontalHeader()->resizeSection(column, digits * digit);

    // Follows the newest telegram while the view is at its end.
    connect(filter, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar *bar = view->verticalScrollBar();
        following = bar->value() == bar->maximum();
    });
    connect(filter, &QAbstractItemModel::rowsInserted, this, [this] {
        if (following)
            view->scrollToBottom();
    });

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(toolRow());
    layout->addWidget(view, 1);
    layout->addWidget(sender);
    setWidget(content);
}

QWidget *GroupMonitor::toolRow()
{
    auto *row = new QWidget(this);
    auto *filterEdit = new QLineEdit(row);
    filterEdit->setObjectName("groupMonitorFilter");
    filterEdit->setPlaceholderText(WindowText::tr("Filter by group address or name"));
    filterEdit->setClearButtonEnabled(true);
    connect(filterEdit, &QLineEdit::textChanged, filter, &GroupTelegramFilter::setText);

    QToolButton *pause = toolButton("groupMonitorPause", WindowText::tr("Pause"), row);
    pause->setCheckable(true);
    connect(pause, &QToolButton::toggled, &log, &GroupTelegramLog::setPaused);
    QToolButton *clear = toolButton("groupMonitorClear", WindowText::tr("Clear"), row);
    connect(clear, &QToolButton::clicked, &log, &GroupTelegramLog::clear);
    QToolButton *exporter = toolButton("groupMonitorExport", WindowText::tr("Export as CSV…"), row);
    connect(exporter, &QToolButton::clicked, this, &GroupMonitor::exportCsv);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterEdit, 1);
    layout->addWidget(pause);
    layout->addWidget(clear);
    layout->addWidget(exporter);
    return row;
}

void GroupMonitor::exportCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, WindowText::tr("Export the group monitor"), QStringLiteral("group-monitor.csv"),
        WindowText::tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csvText(log.texts())) < 0 || !file.commit())
        showPlainBox(
            this, QMessageBox::Warning, WindowText::tr("Export the group monitor"),
            WindowText::tr("%1 cannot be written: %2").arg(path, file.errorString()),
            WindowText::tr("Choose another folder or free some space, then export again."));
}
