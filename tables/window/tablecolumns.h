#pragma once

#include "telegramtables.h"

class QTableWidget;

// The columns of a telegram table share its width, so that no scroll bar is
// needed across: columns of items and numbers as wide as their widest text,
// names, telegrams and acknowledgements the rest, elided.
void fitColumns(QTableWidget *table, TelegramTable kind);
