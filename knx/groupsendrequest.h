#pragma once

#include "grouptelegram.h"

#include <QString>

#include <optional>

class GroupAddressBook;

// A group telegram to send, made from what a user gives: the group address,
// the service, how to read the value (a datapoint type such as "9.001", or a
// row length such as "2 byte": the value then a number in that many bits; when
// empty, the address's datapoint type in the book) and the value. A read
// takes no value.
struct GroupSendRequest
{
    std::optional<GroupTelegram> telegram;
    QString error; // why nothing can be sent, translated
};

// A number as a row of the given length carries it ("1 bit" … "2 byte", as
// the tables write lengths): up to 6 bits as short data, else one or two
// bytes, most significant first. Nothing for another length or a number
// beyond it.
struct GroupData
{
    QByteArray data;
    bool shortData = false;
};
std::optional<GroupData> groupDataOfLength(const QString &length, uint number);

GroupSendRequest groupSendRequest(const QString &address, GroupService service,
                                  const QString &typeOrLength, const QString &value,
                                  const GroupAddressBook &book);
