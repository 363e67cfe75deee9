#pragma once

#include "groupaddressbook.h"

// What the Addr. cell of a table row shows of the address book: a hint, never
// a refusal.
struct AddressHint
{
    QString toolTip;
    bool marked = false; // the row's address or length looks wrong
};

// Nothing while the book is empty. Otherwise the name and datapoint type of
// the row's address, marked when the address is not in the book or when its
// datapoint type fixes a length other than the row's; an address not in the
// book says so.
AddressHint addressHint(const GroupAddressBook &book, const QString &address,
                        const QString &length);
