#include "commissioningreport.h"

#include "itemtexts.h"
#include "programversion.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

// The tab titles stay English in Chinese; the report's titles are translated.
const char *const tableTitles[] = {QT_TRANSLATE_NOOP("MainWindow", "485 to KNX telegrams"),
                                   QT_TRANSLATE_NOOP("MainWindow", "485 to KNX (1 byte) telegrams"),
                                   QT_TRANSLATE_NOOP("MainWindow", "KNX to 485 telegrams")};

// The item of the index, or "#" and the index when the list has none.
QString itemText(const QStringList &items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : QStringLiteral("#%1").arg(index);
}

QString serialSettingsText(const std::optional<SerialSettings> &settings)
{
    if (!settings)
        return Text::tr("not read from the gateway");
    return QStringList{
        Text::tr("Baud rate:") + ' ' + itemText(baudRateTexts(), settings->baudIndex),
        Text::tr("Stop bits:") + ' ' + itemText(stopBitTexts(), settings->stopBitIndex),
        Text::tr("Parity:") + ' ' +
            Text::tr(qPrintable(itemText(parityTexts(), settings->parityIndex)))}
        .join(QLatin1String(", "));
}

ReportTable reportTable(const TelegramTables &tables, TelegramTable table)
{
    ReportTable report{Text::tr(tableTitles[int(table)]), {Text::tr("No.")}, tables.cells(table)};
    report.columns << columnTitles(table);
    for (int row = 0; row < report.rows.size(); ++row)
        report.rows[row].prepend(QString::number(row + 1));
    return report;
}

// A last column with each row's check result, "not checked" without one.
void addCheckedColumn(ReportTable &report, TelegramTable table,
                      const QList<RowCheckResult> &results)
{
    report.columns << Text::tr("Checked");
    for (QStringList &cells : report.rows)
        cells << Text::tr("not checked");
    for (const RowCheckResult &result : results)
        if (result.where.table == table)
            report.rows[result.where.row].last() = checkResultText(result);
}

// "1270 of 1280 rows passed, 8 failed, 0 skipped, 2 not checked".
QString checkSummary(const QList<RowCheckResult> &results, int rows)
{
    const auto count = [&](RowCheckResult::Outcome outcome) {
        return outcomeCount(results, outcome);
    };
    return Text::tr("%1 of %2 rows passed, %3 failed, %4 skipped, %5 not checked")
        .arg(count(RowCheckResult::Outcome::Passed))
        .arg(rows)
        .arg(count(RowCheckResult::Outcome::Failed))
        .arg(count(RowCheckResult::Outcome::Skipped))
        .arg(rows - int(results.size()));
}
} // namespace

CommissioningReport commissioningReport(const Project &project, const QString &projectFile,
                                        const QDateTime &when,
                                        const std::optional<SerialSettings> &gatewaySettings)
{
    CommissioningReport report;
    report.title = Text::tr("Commissioning report");
    report.facts = {{Text::tr("Project file:"), projectFile.isEmpty()
                                                    ? Text::tr("Unsaved project")
                                                    : QFileInfo(projectFile).fileName()},
                    {Text::tr("Date:"), when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
                    {Text::tr("Tool:"), Text::tr("RS485 Conifguration") + ' ' + programVersion},
                    {Text::tr("Gateway serial settings:"), serialSettingsText(gatewaySettings)}};
    report.siteTitle = Text::tr("Site details");
    const SiteDetails &site = project.site;
    report.site = {{Text::tr("Site:"), site.site},
                   {Text::tr("Customer:"), site.customer},
                   {Text::tr("Gateway location:"), site.gatewayLocation},
                   {Text::tr("Installer:"), site.installer}};
    // Results of rows edited since they were checked do not count.
    const QList<RowCheckResult> results = resultsThatHold(project.checkResults, project.tables);
    for (const TelegramTable table : telegramTables) {
        report.tables << reportTable(project.tables, table);
        if (!results.isEmpty())
            addCheckedColumn(report.tables.last(), table, results);
    }
    if (!results.isEmpty())
        report.facts << ReportLines::value_type(Text::tr("Commissioning check:"),
                                                checkSummary(results, report.rowCount()));
    report.signatures = {Text::tr("Signatures"),
                         {Text::tr("Installer"), Text::tr("Customer")},
                         {Text::tr("Name:"), Text::tr("Date:"), Text::tr("Signature:")}};
    return report;
}

int CommissioningReport::rowCount() const
{
    int rows = 0;
    for (const ReportTable &table : tables)
        rows += int(table.rows.size());
    return rows;
}

QString reportPageLabel(int page, int pages)
{
    return Text::tr("Page %1 of %2").arg(page).arg(pages);
}
