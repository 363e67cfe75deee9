#pragma once

#include "downloadframes.h"
#include "windowundertest.h"

// Fills a page's editing panel with a record's cell texts and presses Add,
// as a user would; the record must pass the page's check to be added.
void addRecord(WindowUnderTest &w, const Tele485ToKnxW &record);
void addRecord(WindowUnderTest &w, const Tele1Byte &record);
void addRecord(WindowUnderTest &w, const TeleKnxTo485W &record);

// Adds every row of the tables through the panels.
void fillTables(WindowUnderTest &w, const DownloadTables &tables);
