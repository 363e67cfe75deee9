#pragma once

#include "groupaddressbook.h"

// Finding group addresses by what is typed: part of an address or of a name.

// A text typed into an address field searches by name when it holds a letter.
bool isAddressSearch(const QString &typed);

// The entry's address begins with the text (points read as slashes), or its
// name, group names, datapoint type or description hold it, in any case. An
// empty text matches every entry.
bool matchesSearch(const GroupAddressEntry &entry, const QString &text);

// The entry as a completion lists it, with its main and middle group:
// "1/2/3  Living room (DPST-1-1)  [Lighting / Ground floor]", the parts in
// parentheses and brackets only where the book has them.
QString completionText(const GroupAddressEntry &entry);

// The name and datapoint type: "Living room (DPST-1-1)".
QString entryTitle(const GroupAddressEntry &entry);
