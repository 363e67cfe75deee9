#pragma once

#include "settingsfile.h"

#include <QStringList>

// The KNX interfaces connected to last, newest first, as their texts
// ("192.168.1.20:3671", "routing"), kept in the settings file under
// "Knx/recent" beside the language.

constexpr int RecentKnxInterfaceCount = 5;

QStringList readRecentKnxInterfaces();
QStringList withRecentKnxInterface(const QStringList &recent, const QString &text);
SettingsWritten writeRecentKnxInterfaces(const QStringList &interfaces);
