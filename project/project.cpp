#include "project.h"

bool operator==(const SiteDetails &a, const SiteDetails &b)
{
    return a.site == b.site && a.customer == b.customer && a.gatewayLocation == b.gatewayLocation &&
           a.installer == b.installer;
}

bool operator==(const Project &a, const Project &b)
{
    const SerialSettings &x = a.serialOptions;
    const SerialSettings &y = b.serialOptions;
    if (x.baudIndex != y.baudIndex || x.stopBitIndex != y.stopBitIndex ||
        x.parityIndex != y.parityIndex || a.site != b.site)
        return false;
    for (const TelegramTable table : telegramTables)
        if (a.tables.cells(table) != b.tables.cells(table))
            return false;
    return cellsOfRecords(a.groupAddresses.entries()) == cellsOfRecords(b.groupAddresses.entries());
}
