#include "groupaddressbook.h"

#include "recordchecks.h"

const std::array<QString GroupAddressEntry::*, 6> GroupAddressEntry::columns = {
    &GroupAddressEntry::address,       &GroupAddressEntry::name,
    &GroupAddressEntry::mainGroup,     &GroupAddressEntry::middleGroup,
    &GroupAddressEntry::datapointType, &GroupAddressEntry::description};

GroupAddressBook::GroupAddressBook(const QList<GroupAddressEntry> &entries)
{
    for (const GroupAddressEntry &entry : entries) {
        if (normalisedGroupAddress(entry.address) != entry.address ||
            indexOfAddress.contains(entry.address))
            continue;
        indexOfAddress.insert(entry.address, kept.size());
        kept << entry;
    }
}

const GroupAddressEntry *GroupAddressBook::find(const QString &address) const
{
    const auto found = indexOfAddress.constFind(address);
    return found == indexOfAddress.cend() ? nullptr : &kept.at(*found);
}
