#pragma once

#include "checkresults.h"
#include "linesession.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class CheckMarks;
class KnxSession;
class PortConnection;
class QProgressDialog;
class RowCheckTask;
namespace Ui {
class MainWindow;
}

// "Check rows": the commissioning check of every row, or of the rows
// selected in the table shown, over the open line and the KNX connection,
// with a progress box and Cancel. Each row's mark follows its result as it
// comes; a box sums up. What is missing is said before anything is sent.
class RowCheckCommand : public QObject
{
    Q_OBJECT

public:
    RowCheckCommand(Ui::MainWindow &ui, PortConnection &connection, KnxSession &knx,
                    CheckMarks &marks, QWidget *window);

    void run();

private:
    QString missing() const;
    QList<TableRow> chosenRows() const;
    void showProgress(const RowCheckResult &result);
    void finished(GatewayTask *task);
    void ended(GatewayTask *task, LineSession::EndReason reason);
    void sumUp(QMessageBox::Icon icon, const QString &title, const QString &text);

    Ui::MainWindow &ui;
    PortConnection &connection;
    KnxSession &knx;
    CheckMarks &marks;
    QWidget *window;
    QPointer<RowCheckTask> task;
    QProgressDialog *progress = nullptr;
};
