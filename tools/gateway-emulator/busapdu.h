#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The virtual gateway's own handling of KNX group telegrams, kept apart from
// the tool's KNX code so that the tests pit two independent sides against each
// other: group addresses, and the application data (APDU) that knxd's client
// library carries.
//
// An APDU starts with the transport byte, 00 for group data; its low 2 bits
// and the next byte's top 2 bits give the service: 0 read, 1 response,
// 2 write. A value of up to 6 bits ("1 bit" to "6 bit") travels in the low
// bits of that second byte; a "1 byte" value in one byte after it, a "2 byte"
// value in two, most significant first.

enum class BusService { Read, Response, Write };

struct BusTelegram
{
    quint16 source = 0; // individual address
    quint16 group = 0;
    QByteArray apdu;
};

// "1/2/3": main 0 to 31, middle 0 to 7, sub 0 to 255.
std::optional<quint16> busGroupAddress(const QString &text);
QString busGroupText(quint16 group);
// "1.1.5"
QString busIndividualText(quint16 address);
// "write", "read", "response"
QString busServiceWord(BusService service);

// The bits a length item's value has: 1, 2, 4, 6, 8 or 16; 0 for any other text.
int busValueBits(const QString &length);

// The APDU of the service with the value in the form of the length item; a
// read carries no value. Nothing when the length is no item or the value does
// not fit it.
std::optional<QByteArray> busApdu(BusService service, const QString &length, uint value);
// The service of an APDU of group data; nothing for anything else.
std::optional<BusService> busServiceOf(const QByteArray &apdu);
// The value an APDU carries in the form of the length item; nothing when it
// has another form.
std::optional<uint> busValueOf(const QByteArray &apdu, const QString &length);

// "write 1/2/3 from 0.0.3: short 01", "write 1/2/3 from 0.0.3: bytes 9C 40",
// "read 1/2/3 from 0.0.3"
QString describeBusTelegram(const BusTelegram &telegram);
