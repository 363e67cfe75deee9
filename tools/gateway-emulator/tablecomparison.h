#pragma once

#include "downloadframes.h"

#include <QStringList>

// Compares the tables a download sent with the tables a gateway holds, cell
// by cell as the gateway keeps them: telegrams and acknowledgements as the
// bytes they stand for (so "0a ff" equals "0A FF"), every other cell as text;
// names are not compared, since they never go to the gateway. Returns one
// readable line per difference, for example
//   485-to-KNX row 3, value: "200" sent, "8" held
// and nothing when the tables agree.
QStringList tableDifferences(const TelegramTables &sent, const TelegramTables &held);
