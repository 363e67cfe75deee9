#pragma once

#include "telegramrecords.h"
#include "windowundertest.h"

// Fills a page's editing panel with a record's cell texts and presses Add,
// as a user would; the record must pass the page's check to be added.
void addRecord(WindowUnderTest &w, const Tele485ToKnxW &record);
void addRecord(WindowUnderTest &w, const Tele1Byte &record);
void addRecord(WindowUnderTest &w, const TeleKnxTo485W &record);

// Varied well-formed records: every type, length and baud rate, lower- and
// upper-case hex, telegrams of 1 to 64 bytes, empty and full
// acknowledgements. The same n gives the same record.
Tele485ToKnxW sample485ToKnxW(int n);
Tele1Byte sample1Byte(int n);
TeleKnxTo485W sampleKnxTo485W(int n);

// Fills the three tables with rows of the samples through the panels.
void fillTables(WindowUnderTest &w, int rows485ToKnxW, int rows1Byte, int rowsKnxTo485W);
