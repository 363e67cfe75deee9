#pragma once

#include <QByteArray>
#include <QString>

// A group telegram as both ends of the tool see it, whichever way it travels.

enum class GroupService { Read, Response, Write };

struct GroupTelegram
{
    quint16 source = 0;      // individual address
    quint16 destination = 0; // group address
    GroupService service = GroupService::Write;
    // The value in datapointcodec.h's data form: for short data (at most 6
    // bits, in the APCI byte) one byte holding them; otherwise the bytes after
    // the APCI. Empty for a read.
    QByteArray data;
    bool shortData = false;

    friend bool operator==(const GroupTelegram &a, const GroupTelegram &b)
    {
        return a.source == b.source && a.destination == b.destination && a.service == b.service &&
               a.data == b.data && a.shortData == b.shortData;
    }
};

// "write", "read", "response": the words of rs485ctl, the capture and the monitor.
QString groupServiceWord(GroupService service);
