#pragma once

#include "grouptelegram.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class GroupAddressBook;

// The forms in which the tool shows a group telegram.

// The service as the monitor shows it: "Write", "Read", "Response", translated.
QString groupServiceText(GroupService service);

// The data in hexadecimal, "0C 1A"; a short value as its one byte, "01".
QString groupDataHex(const GroupTelegram &telegram);

// The value in the terms of the address's datapoint type in the book
// ("21.0 °C"), else the data in hexadecimal; empty for a read.
QString groupValueText(const GroupTelegram &telegram, const GroupAddressBook &book);

// The address's name in the book, or empty.
QString groupAddressName(quint16 address, const GroupAddressBook &book);

// A line of a protocol capture: "2026-12-06 14:03:07.125 KNX 1.1.5 → 1/2/3 write 01\n".
QByteArray knxCaptureLine(const QDateTime &time, const GroupTelegram &telegram);
