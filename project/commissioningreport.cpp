#include "commissioningreport.h"

#include "itemtexts.h"
#include "programversion.h"
#include "tabletitles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The item of the index, or "#" and the index when the list has none.
QString itemText(const QStringList &items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : QStringLiteral("#%1").arg(index);
}

QString serialOptionsText(const SerialSettings &settings)
{
    return QStringList{
        QCoreApplication::translate("MainWindow", "Baud rate:") + ' ' +
            itemText(baudRateTexts(), settings.baudIndex),
        QCoreApplication::translate("MainWindow", "Stop bits:") + ' ' +
            itemText(stopBitTexts(), settings.stopBitIndex),
        QCoreApplication::translate("MainWindow", "Parity:") + ' ' +
            QCoreApplication::translate("MainWindow",
                                        qPrintable(itemText(parityTexts(), settings.parityIndex)))}
        .join(QLatin1String(", "));
}

ReportTable reportTable(const TelegramTables &tables, TelegramTable table)
{
    ReportTable report{
        tableTitle(table), {QCoreApplication::translate("MainWindow", "No.")}, tables.cells(table)};
    report.columns << columnTitles(table);
    for (int row = 0; row < report.rows.size(); ++row)
        report.rows[row].prepend(QString::number(row));
    return report;
}
} // namespace

CommissioningReport commissioningReport(const Project &project, const QString &projectFile,
                                        const QDateTime &when)
{
    CommissioningReport report;
    report.title = QCoreApplication::translate("MainWindow", "Commissioning report");
    report.facts = {
        {QCoreApplication::translate("MainWindow", "Project file:"),
         projectFile.isEmpty() ? QCoreApplication::translate("MainWindow", "Unsaved project")
                               : QFileInfo(projectFile).fileName()},
        {QCoreApplication::translate("MainWindow", "Date:"),
         when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
        {QCoreApplication::translate("MainWindow", "Tool:"),
         QCoreApplication::translate("MainWindow", "RS485 Conifguration") + ' ' + programVersion},
        {QCoreApplication::translate("MainWindow", "Serial Options"),
         serialOptionsText(project.serialOptions)}};
    for (const TelegramTable table : telegramTables)
        report.tables << reportTable(project.tables, table);
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
    return QCoreApplication::translate("MainWindow", "Page %1 of %2").arg(page).arg(pages);
}
