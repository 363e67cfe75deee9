#pragma once

#include "telegramtables.h"

#include <QString>
#include <QStringList>

// The titles the window gives a table (its tab) and its columns (its header),
// translated into the interface language; the English texts with `English`.

enum class TitleLanguage { Interface, English };

QString tableTitle(TelegramTable table, TitleLanguage language = TitleLanguage::Interface);
QStringList columnTitles(TelegramTable table, TitleLanguage language = TitleLanguage::Interface);
