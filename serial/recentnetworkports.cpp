#include "recentnetworkports.h"

#include "portnames.h"
#include "settingsfile.h"

#include <QSettings>

namespace {
const char *const recentKey = "NetworkPorts/recent";
} // namespace

QStringList readRecentNetworkPorts()
{
    const QSettings settings(settingsFileForReading(), QSettings::IniFormat);
    QStringList ports;
    for (const QString &name : settings.value(recentKey).toStringList()) {
        if (networkPortOf(name) && !ports.contains(name))
            ports << name;
    }
    return ports.mid(0, RecentNetworkPortCount);
}

QStringList withRecentNetworkPort(const QStringList &recent, const QString &name)
{
    QStringList ports{name};
    for (const QString &port : recent) {
        if (port != name)
            ports << port;
    }
    return ports.mid(0, RecentNetworkPortCount);
}

SettingsWritten writeRecentNetworkPorts(const QStringList &ports)
{
    return writeSettings([&ports](QSettings &settings) { settings.setValue(recentKey, ports); });
}
