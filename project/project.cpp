#include "project.h"

bool operator==(const SiteDetails &a, const SiteDetails &b)
{
    return a.site == b.site && a.customer == b.customer && a.gatewayLocation == b.gatewayLocation &&
           a.installer == b.installer;
}

namespace {
bool sameResults(const QList<RowCheckResult> &a, const QList<RowCheckResult> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const RowCheckResult &x, const RowCheckResult &y) {
                          return x.where == y.where && x.outcome == y.outcome &&
                                 x.words == y.words && x.time == y.time && x.rowText == y.rowText;
                      });
}
} // namespace

bool operator==(const Project &a, const Project &b)
{
    const SerialSettings &x = a.serialOptions;
    const SerialSettings &y = b.serialOptions;
    if (x.baudIndex != y.baudIndex || x.stopBitIndex != y.stopBitIndex ||
        x.parityIndex != y.parityIndex || a.site != b.site ||
        !sameResults(a.checkResults, b.checkResults))
        return false;
    for (const TelegramTable table : telegramTables)
        if (a.tables.cells(table) != b.tables.cells(table))
            return false;
    return cellsOfRecords(a.groupAddresses.entries()) == cellsOfRecords(b.groupAddresses.entries());
}
