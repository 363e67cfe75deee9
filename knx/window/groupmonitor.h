#pragma once

#include <QDockWidget>

class GroupAddressBook;
class GroupSendLine;
class GroupTelegramFilter;
class GroupTelegramLog;
class QLineEdit;
class QTableView;
class QToolButton;

// "Group monitor": every group telegram on the bus, newest last, followed
// while the view is at its end; a filter by address or name, Pause, Clear,
// export as CSV, and the send line below.
class GroupMonitor : public QDockWidget
{
    Q_OBJECT

public:
    GroupMonitor(GroupTelegramLog &log, const GroupAddressBook &book, QWidget *parent);

    GroupSendLine *sendLine() const { return sender; }

private:
    QWidget *toolRow();
    void exportCsv();

    GroupTelegramLog &log;
    GroupTelegramFilter *filter;
    QTableView *view;
    GroupSendLine *sender;
    bool following = true;
};
