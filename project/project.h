#pragma once

#include "frame.h"
#include "groupaddressbook.h"
#include "telegramtables.h"

// A project: what the window holds apart from the line and the receive area,
// and what a project file keeps.
struct Project
{
    // The "Serial Options" item indexes; an imported file may hold any number.
    SerialSettings serialOptions;
    TelegramTables tables;
    GroupAddressBook groupAddresses;
};
