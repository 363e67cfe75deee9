#pragma once

#include "checkresults.h"
#include "frame.h"
#include "groupaddressbook.h"
#include "telegramtables.h"

#include <QString>

// Where the gateway is and for whom: free texts the commissioning report shows.
struct SiteDetails
{
    QString site;
    QString customer;
    QString gatewayLocation;
    QString installer;
};

// A project: what the window holds apart from the line and the receive area,
// and what a project file keeps.
struct Project
{
    // The "Serial Options" item indexes; an imported file may hold any number.
    SerialSettings serialOptions;
    TelegramTables tables;
    GroupAddressBook groupAddresses;
    SiteDetails site;
    // The commissioning check's findings for rows that read as when checked.
    QList<RowCheckResult> checkResults;
};

bool operator==(const SiteDetails &a, const SiteDetails &b);
inline bool operator!=(const SiteDetails &a, const SiteDetails &b)
{
    return !(a == b);
}

// The same project: the same options, the same texts in every cell, the
// same site details and check results.
bool operator==(const Project &a, const Project &b);
inline bool operator!=(const Project &a, const Project &b)
{
    return !(a == b);
}
