#include "recentnetworkports.h"

#include "portnames.h"
#include "recentlist.h"

namespace {
const QString recentKey = QStringLiteral("NetworkPorts/recent");
} // namespace

QStringList readRecentNetworkPorts()
{
    return readRecentList(recentKey, RecentNetworkPortCount,
                          [](const QString &name) { return networkPortOf(name).has_value(); });
}

QStringList withRecentNetworkPort(const QStringList &recent, const QString &name)
{
    return withRecentEntry(recent, name, RecentNetworkPortCount);
}

SettingsWritten writeRecentNetworkPorts(const QStringList &ports)
{
    return writeRecentList(recentKey, ports);
}
