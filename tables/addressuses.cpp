#include "addressuses.h"

#include "tabletitles.h"

#include <QMap>

QHash<QString, QString> addressUses(const TelegramTables &tables)
{
    QHash<QString, QStringList> uses;
    for (const TelegramTable table : telegramTables) {
        QMap<QString, QStringList> rowsOfAddress; // in this table
        const QList<QStringList> rows = tables.cells(table);
        for (int row = 0; row < rows.size(); ++row)
            rowsOfAddress[rows.at(row).value(addressColumn(table))] << QString::number(row + 1);
        for (auto it = rowsOfAddress.cbegin(); it != rowsOfAddress.cend(); ++it)
            uses[it.key()] << tableTitle(table) + QLatin1String(": ") +
                                  it->join(QLatin1String(", "));
    }
    QHash<QString, QString> joined;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        joined.insert(it.key(), it->join(QLatin1String("; ")));
    return joined;
}
