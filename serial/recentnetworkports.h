#pragma once

#include "settingsfile.h"

#include <QStringList>

// The network ports used last, newest first, kept in the settings file under
// "NetworkPorts/recent" beside the language.

constexpr int RecentNetworkPortCount = 5;

// The valid network port names stored, at most RecentNetworkPortCount; none
// without the file. Reading never creates the file.
QStringList readRecentNetworkPorts();

// The list with the name first, once, cut to RecentNetworkPortCount.
QStringList withRecentNetworkPort(const QStringList &recent, const QString &name);

// Writes the list and flushes the file.
SettingsWritten writeRecentNetworkPorts(const QStringList &ports);
