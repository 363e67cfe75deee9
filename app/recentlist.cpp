#include "recentlist.h"

#include <QSettings>

QStringList readRecentList(const QString &key, int most,
                           const std::function<bool(const QString &)> &valid)
{
    const QSettings settings(settingsFileForReading(), QSettings::IniFormat);
    QStringList entries;
    for (const QString &entry : settings.value(key).toStringList()) {
        if (valid(entry) && !entries.contains(entry))
            entries << entry;
    }
    return entries.mid(0, most);
}

QStringList withRecentEntry(const QStringList &recent, const QString &entry, int most)
{
    QStringList entries{entry};
    for (const QString &other : recent) {
        if (other != entry)
            entries << other;
    }
    return entries.mid(0, most);
}

SettingsWritten writeRecentList(const QString &key, const QStringList &entries)
{
    return writeSettings([&](QSettings &settings) { settings.setValue(key, entries); });
}
