#include "recentknxinterfaces.h"

#include "knxinterface.h"
#include "recentlist.h"

namespace {
const QString recentKey = QStringLiteral("Knx/recent");
} // namespace

QStringList readRecentKnxInterfaces()
{
    return readRecentList(recentKey, RecentKnxInterfaceCount,
                          [](const QString &text) { return parseKnxInterface(text).has_value(); });
}

QStringList withRecentKnxInterface(const QStringList &recent, const QString &text)
{
    return withRecentEntry(recent, text, RecentKnxInterfaceCount);
}

SettingsWritten writeRecentKnxInterfaces(const QStringList &interfaces)
{
    return writeRecentList(recentKey, interfaces);
}
