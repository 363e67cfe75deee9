#pragma once

#include "telegramtables.h"

#include <QHash>
#include <QString>

// For every address the tables use, the rows that use it, by table, counted
// from 1: "485 to KNX: 1, 3; KNX to 485: 2".
QHash<QString, QString> addressUses(const TelegramTables &tables);
