#pragma once

#include "datapointid.h"
#include "grouptelegram.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class GroupAddressBook;

// The value in the type's terms ("21.0 °C"), when the data is one of the type.
std::optional<QString> knxValueText(const GroupTelegram &telegram,
                                    std::optional<DatapointType> type);
// The datapoint type the book gives the address, if any.
std::optional<DatapointType> bookDatapointType(quint16 address, const GroupAddressBook &book);

// What rs485ctl knx monitor prints for a telegram seen at the time:
//   2026-12-06 14:03:07.125 1.1.5 → 1/2/3 write 0C 1A "Room temperature" 21.0 °C
// the name and the value when the book knows the address and its type; the
// name with its control characters escaped.
QString knxMonitorLine(const QDateTime &time, const GroupTelegram &telegram,
                       const GroupAddressBook &book);
// The same as one line of JSON, with "name", "type" and "value" when known.
QByteArray knxMonitorJson(const QDateTime &time, const GroupTelegram &telegram,
                          const GroupAddressBook &book);
