#include "rowcheckcommand.h"

#include "checkmarks.h"
#include "knxsession.h"
#include "plaintext.h"
#include "portconnection.h"
#include "rowchecktask.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"
#include "windowtext.h"

#include <QProgressDialog>
#include <QTableWidget>

namespace {
constexpr int MostFailuresListed = 10;
} // namespace

RowCheckCommand::RowCheckCommand(Ui::MainWindow &ui, PortConnection &connection, KnxSession &knx,
                                 CheckMarks &marks, QWidget *window)
    : QObject(window)
    , ui(ui)
    , connection(connection)
    , knx(knx)
    , marks(marks)
    , window(window)
{
    connect(&connection.session(), &LineSession::taskFinished, this, &RowCheckCommand::finished);
    connect(&connection.session(), &LineSession::taskEnded, this, &RowCheckCommand::ended);
}

void RowCheckCommand::run()
{
    const QString lacking = missing();
    if (!lacking.isEmpty()) {
        showPlainBox(window, QMessageBox::Warning, WindowText::tr("Check rows"),
                     WindowText::tr("The rows cannot be checked yet."), lacking);
        return;
    }
    const QList<RowCheckPlan> checks = rowCheckPlans(tablesOf(ui), chosenRows());
    if (checks.isEmpty()) {
        showPlainBox(window, QMessageBox::Information, WindowText::tr("Check rows"),
                     WindowText::tr("There are no rows to check."));
        return;
    }
    task = connection.session().prepare<RowCheckTask>(*knx.connection(), checks);
    task->setLimits({3000, 0, 0});
    connect(task, &RowCheckTask::rowChecked, &marks, &CheckMarks::add);
    connect(task, &RowCheckTask::rowChecked, this, &RowCheckCommand::showProgress);

    progress = new QProgressDialog(WindowText::tr("Checking %1 rows…").arg(checks.size()),
                                   WindowText::tr("Cancel"), 0, int(checks.size()), window);
    progress->setObjectName("rowCheckProgress");
    progress->setWindowTitle(WindowText::tr("Check rows"));
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    connect(progress, &QProgressDialog::canceled, &connection.session(), &LineSession::stop);
    progress->setValue(0);
    connection.session().run(task);
}

// The port and the bus, in the words of what to do.
QString RowCheckCommand::missing() const
{
    QStringList lacking;
    if (!connection.isOpen())
        lacking << WindowText::tr("The gateway's port is not open: choose it and press Open.");
    if (!knx.isConnected())
        lacking << WindowText::tr("There is no KNX connection: use KNX, Connect to KNX… to reach "
                                  "the bus the gateway sends to.");
    return lacking.join('\n');
}

// The rows selected in the table shown, or, without a selection, every row.
QList<TableRow> RowCheckCommand::chosenRows() const
{
    QList<TableRow> rows;
    for (const TelegramTable kind : telegramTables) {
        const QTableWidget *table = telegramPage(ui, kind).table;
        if (ui.tabWidget_General->currentWidget() != table->parentWidget())
            continue;
        for (const QModelIndex &index : table->selectionModel()->selectedRows())
            rows << TableRow{kind, index.row()};
    }
    std::sort(rows.begin(), rows.end(), [](TableRow a, TableRow b) { return a.row < b.row; });
    return rows;
}

void RowCheckCommand::showProgress(const RowCheckResult &result)
{
    if (!progress)
        return;
    progress->setValue(task ? task->done() : progress->value() + 1);
    progress->setLabelText(
        WindowText::tr("Checked %1: %2").arg(tableRowText(result.where), checkResultText(result)));
}

void RowCheckCommand::finished(GatewayTask *ended)
{
    if (ended != task)
        return;
    if (progress)
        progress->close();
    if (!task->succeeded()) {
        sumUp(QMessageBox::Warning, WindowText::tr("Check rows"),
              task->knxLost()
                  ? WindowText::tr("The check stopped: the KNX connection was lost.")
                  : WindowText::tr("The gateway does not answer the working-mode command: "
                                   "connect it and check that it listens at the settings "
                                   "shown (Scan finds them), then check again."));
        return;
    }
    const QList<RowCheckResult> &results = task->results();
    const int passed = outcomeCount(results, RowCheckResult::Outcome::Passed);
    const int failed = task->failed();
    const int skipped = outcomeCount(results, RowCheckResult::Outcome::Skipped);
    QStringList failures;
    for (const RowCheckResult &result : results) {
        if (result.outcome == RowCheckResult::Outcome::Failed &&
            failures.size() < MostFailuresListed)
            failures << tableRowText(result.where) + ": " + result.words;
    }
    sumUp(failed > 0 ? QMessageBox::Warning : QMessageBox::Information,
          WindowText::tr("Check rows"),
          WindowText::tr("%1 passed, %2 failed, %3 skipped.").arg(passed).arg(failed).arg(skipped) +
              (failures.isEmpty() ? QString() : "\n\n" + failures.join('\n')));
}

void RowCheckCommand::ended(GatewayTask *ended, LineSession::EndReason reason)
{
    if (ended != task)
        return;
    if (progress)
        progress->close();
    const QString done =
        WindowText::tr("%1 of %2 rows were checked.").arg(task->done()).arg(task->total());
    switch (reason) {
    case LineSession::EndReason::Stopped:
        sumUp(QMessageBox::Information, WindowText::tr("Check rows"),
              WindowText::tr("The check was cancelled. ") + done);
        break;
    case LineSession::EndReason::NewTask:
        sumUp(QMessageBox::Information, WindowText::tr("Check rows"),
              WindowText::tr("The check ended for another command. ") + done);
        break;
    case LineSession::EndReason::Closed:
    case LineSession::EndReason::Lost:
        sumUp(QMessageBox::Warning, WindowText::tr("Check rows"),
              WindowText::tr("The check ended: the port was closed. ") + done);
        break;
    }
}

void RowCheckCommand::sumUp(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    showPlainBox(window, icon, title, text);
}
