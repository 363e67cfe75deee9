#pragma once

#include "knxinterface.h"

#include <QString>

// What "rs485ctl knx ..." asks for.
enum class KnxAction { Monitor, Write, Read, Search };

struct KnxInvocation
{
    KnxAction action = KnxAction::Monitor;
    // The interface to use; for search, where the request goes (routing: the
    // multicast group).
    KnxInterface interface;
    bool json = false;    // monitor
    int seconds = 0;      // monitor: how long, 0 until Ctrl+C
    QString projectPath;  // monitor, write, read: the address book's file
    QString address;      // write, read: a group address, checked
    QString value;        // write, as typed
    QString typeOrLength; // write: --dpt or --length; read: --dpt
    int timeoutMs = 3000; // read: for the response
};
