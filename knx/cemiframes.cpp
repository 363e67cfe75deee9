#include "cemiframes.h"

#include "framewords.h"

namespace {
constexpr quint16 ReadApci = 0x000;
constexpr quint16 ResponseApci = 0x040;
constexpr quint16 WriteApci = 0x080;
constexpr quint8 ShortDataMask = 0x3F;
constexpr qsizetype AddressedPartSize = 7; // control fields, addresses, NPDU length

bool isLData(quint8 code)
{
    return code == Cemi::LDataReq || code == Cemi::LDataCon || code == Cemi::LDataInd;
}

std::optional<GroupService> serviceOf(quint16 apci)
{
    switch (apci) {
    case ReadApci:
        return GroupService::Read;
    case ResponseApci:
        return GroupService::Response;
    case WriteApci:
        return GroupService::Write;
    default:
        return std::nullopt;
    }
}

quint16 apciOf(GroupService service)
{
    switch (service) {
    case GroupService::Read:
        return ReadApci;
    case GroupService::Response:
        return ResponseApci;
    case GroupService::Write:
        break;
    }
    return WriteApci;
}
} // namespace

QByteArray encodeCemiFrame(const CemiFrame &frame)
{
    QByteArray bytes;
    bytes.append(char(frame.messageCode)).append(char(frame.additionalInfo.size()));
    bytes += frame.additionalInfo;
    bytes.append(char(frame.control1)).append(char(frame.control2));
    appendWord(bytes, frame.source);
    appendWord(bytes, frame.destination);
    bytes.append(char(frame.tpdu.size() - 1));
    return bytes + frame.tpdu;
}

std::optional<CemiFrame> decodeCemiFrame(const QByteArray &bytes)
{
    if (bytes.size() < 2 || !isLData(quint8(bytes.at(0))))
        return std::nullopt;
    const qsizetype at = 2 + quint8(bytes.at(1)); // after the additional information
    if (bytes.size() < at + AddressedPartSize + 1)
        return std::nullopt;
    const qsizetype tpduSize = quint8(bytes.at(at + 6)) + 1;
    if (bytes.size() != at + AddressedPartSize + tpduSize)
        return std::nullopt;
    CemiFrame frame;
    frame.messageCode = quint8(bytes.at(0));
    frame.additionalInfo = bytes.mid(2, at - 2);
    frame.control1 = quint8(bytes.at(at));
    frame.control2 = quint8(bytes.at(at + 1));
    frame.source = wordAt(bytes, at + 2);
    frame.destination = wordAt(bytes, at + 4);
    frame.tpdu = bytes.mid(at + AddressedPartSize);
    return frame;
}

std::optional<GroupTelegram> groupTelegramOf(const CemiFrame &frame)
{
    if (!(frame.control2 & Cemi::GroupDestination) || frame.tpdu.size() < 2 ||
        (quint8(frame.tpdu.at(0)) & 0xFC) != 0)
        return std::nullopt;
    const quint8 low = quint8(frame.tpdu.at(1));
    const std::optional<GroupService> service =
        serviceOf(quint16((quint8(frame.tpdu.at(0)) & 0x03) << 8 | (low & 0xC0)));
    if (!service)
        return std::nullopt;
    GroupTelegram telegram;
    telegram.source = frame.source;
    telegram.destination = frame.destination;
    telegram.service = *service;
    if (*service == GroupService::Read)
        return telegram;
    telegram.shortData = frame.tpdu.size() == 2;
    telegram.data =
        telegram.shortData ? QByteArray(1, char(low & ShortDataMask)) : frame.tpdu.mid(2);
    return telegram;
}

CemiFrame cemiFrameOf(const GroupTelegram &telegram, Cemi::MessageCode messageCode)
{
    CemiFrame frame;
    frame.messageCode = messageCode;
    frame.source = telegram.source;
    frame.destination = telegram.destination;
    const quint16 apci = apciOf(telegram.service);
    frame.tpdu.append(char(apci >> 8)).append(char(apci & 0xFF));
    if (telegram.service == GroupService::Read)
        return frame;
    if (telegram.shortData)
        frame.tpdu[1] = char(
            apci | (quint8(telegram.data.isEmpty() ? 0 : telegram.data.at(0)) & ShortDataMask));
    else
        frame.tpdu += telegram.data;
    return frame;
}
