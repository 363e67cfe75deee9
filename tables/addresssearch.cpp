#include "addresssearch.h"

#include <algorithm>

bool isAddressSearch(const QString &typed)
{
    return std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isLetter(); });
}

bool matchesSearch(const GroupAddressEntry &entry, const QString &text)
{
    const QString wanted = text.trimmed();
    if (entry.address.startsWith(QString(wanted).replace('.', '/')))
        return true;
    for (const QString &field :
         {entry.name, entry.mainGroup, entry.middleGroup, entry.datapointType, entry.description})
        if (field.contains(wanted, Qt::CaseInsensitive))
            return true;
    return false;
}

QString entryTitle(const GroupAddressEntry &entry)
{
    if (entry.datapointType.isEmpty())
        return entry.name;
    return QStringLiteral("%1 (%2)").arg(entry.name, entry.datapointType).trimmed();
}

QString completionText(const GroupAddressEntry &entry)
{
    QStringList groups;
    for (const QString &group : {entry.mainGroup, entry.middleGroup})
        if (!group.isEmpty())
            groups << group;
    const QString where =
        groups.isEmpty() ? QString() : QLatin1String("  [") + groups.join(" / ") + QLatin1Char(']');
    return entry.address + QLatin1String("  ") + entryTitle(entry) + where;
}
