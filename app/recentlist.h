#pragma once

#include "settingsfile.h"

#include <QStringList>

#include <functional>

// What was used last, newest first, kept in the settings file under a key.

// The valid entries stored, each once, at most `most`; none without the
// file. Reading never creates the file.
QStringList readRecentList(const QString &key, int most,
                           const std::function<bool(const QString &)> &valid);

// The list with the entry first, once, cut to `most`.
QStringList withRecentEntry(const QStringList &recent, const QString &entry, int most);

// Writes the list and flushes the file.
SettingsWritten writeRecentList(const QString &key, const QStringList &entries);
