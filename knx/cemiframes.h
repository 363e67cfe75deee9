#pragma once

#include "grouptelegram.h"

#include <QByteArray>

#include <optional>

// cEMI link-layer data frames (L_Data): message code, additional information,
// two control fields, source, destination, NPDU length, then the TPDU (TPCI,
// APCI and data). The decoder takes any bytes and returns nothing for a frame
// that is not a well-formed L_Data frame; a decoded frame encodes to the same
// bytes.

namespace Cemi {
enum MessageCode : quint8 {
    LDataReq = 0x11, // to the interface: put it on the bus
    LDataCon = 0x2E, // from the interface: it went on the bus, or not
    LDataInd = 0x29, // from the bus
};
// Standard frame, not repeated, broadcast, low priority.
constexpr quint8 DefaultControl1 = 0xBC;
// Group destination, hop count 6.
constexpr quint8 DefaultControl2 = 0xE0;
constexpr quint8 ConfirmError = 0x01;     // in control field 1 of an L_Data.con
constexpr quint8 GroupDestination = 0x80; // in control field 2
} // namespace Cemi

struct CemiFrame
{
    quint8 messageCode = Cemi::LDataReq;
    QByteArray additionalInfo;
    quint8 control1 = Cemi::DefaultControl1;
    quint8 control2 = Cemi::DefaultControl2;
    quint16 source = 0;
    quint16 destination = 0;
    QByteArray tpdu; // 1 to 256 bytes: the TPCI, then APCI and data

    friend bool operator==(const CemiFrame &a, const CemiFrame &b)
    {
        return a.messageCode == b.messageCode && a.additionalInfo == b.additionalInfo &&
               a.control1 == b.control1 && a.control2 == b.control2 && a.source == b.source &&
               a.destination == b.destination && a.tpdu == b.tpdu;
    }
};

QByteArray encodeCemiFrame(const CemiFrame &frame);
std::optional<CemiFrame> decodeCemiFrame(const QByteArray &bytes);

// The group telegram a frame carries: group destination, T_Data_Group and
// GroupValueRead, GroupValueResponse or GroupValueWrite; nothing otherwise.
std::optional<GroupTelegram> groupTelegramOf(const CemiFrame &frame);
// The frame that carries the telegram, with the default control fields.
CemiFrame cemiFrameOf(const GroupTelegram &telegram, Cemi::MessageCode messageCode);
