#include "busapdu.h"

#include "itemtexts.h"

#include <QStringList>

#include <array>

namespace {
constexpr int ShortBits = 6;
constexpr quint8 ShortMask = 0x3F;
constexpr quint8 GroupDataTransport = 0x00;
constexpr std::array<int, 6> LengthBits = {1, 2, 4, 6, 8, 16}; // by length item

quint8 serviceCode(BusService service)
{
    switch (service) {
    case BusService::Read:
        return 0;
    case BusService::Response:
        return 1;
    case BusService::Write:
        break;
    }
    return 2;
}

QByteArray header(BusService service)
{
    const quint8 code = serviceCode(service);
    QByteArray apdu(2, '\0');
    apdu[0] = char(GroupDataTransport | (code >> 2));
    apdu[1] = char((code & 0x03) << 6);
    return apdu;
}
} // namespace

std::optional<quint16> busGroupAddress(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    constexpr std::array<uint, 3> highest = {31, 7, 255};
    std::array<uint, 3> levels{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        levels[i] = parts.at(i).toUInt(&ok);
        if (!ok || levels[i] > highest[i])
            return std::nullopt;
    }
    return quint16(levels[0] << 11 | levels[1] << 8 | levels[2]);
}

QString busGroupText(quint16 group)
{
    return QStringLiteral("%1/%2/%3").arg(group >> 11).arg((group >> 8) & 0x07).arg(group & 0xFF);
}

QString busIndividualText(quint16 address)
{
    return QStringLiteral("%1.%2.%3")
        .arg(address >> 12)
        .arg((address >> 8) & 0x0F)
        .arg(address & 0xFF);
}

QString busServiceWord(BusService service)
{
    switch (service) {
    case BusService::Read:
        return QStringLiteral("read");
    case BusService::Response:
        return QStringLiteral("response");
    case BusService::Write:
        break;
    }
    return QStringLiteral("write");
}

int busValueBits(const QString &length)
{
    const qsizetype item = lengthTexts().indexOf(length);
    return item < 0 || item >= qsizetype(LengthBits.size()) ? 0 : LengthBits.at(item);
}

std::optional<QByteArray> busApdu(BusService service, const QString &length, uint value)
{
    QByteArray apdu = header(service);
    if (service == BusService::Read)
        return apdu;
    const int bits = busValueBits(length);
    if (bits == 0 || value >= (1u << bits))
        return std::nullopt;
    if (bits <= ShortBits)
        apdu[1] = char(quint8(apdu.at(1)) | value);
    else
        for (int shift = bits - 8; shift >= 0; shift -= 8)
            apdu.append(char(value >> shift));
    return apdu;
}

std::optional<BusService> busServiceOf(const QByteArray &apdu)
{
    if (apdu.size() < 2 || (quint8(apdu.at(0)) & 0xFC) != GroupDataTransport)
        return std::nullopt;
    const int code = (quint8(apdu.at(0)) & 0x03) << 2 | quint8(apdu.at(1)) >> 6;
    switch (code) {
    case 0:
        return apdu.size() == 2 ? std::optional(BusService::Read) : std::nullopt;
    case 1:
        return BusService::Response;
    case 2:
        return BusService::Write;
    }
    return std::nullopt;
}

std::optional<uint> busValueOf(const QByteArray &apdu, const QString &length)
{
    const int bits = busValueBits(length);
    if (bits == 0 || apdu.size() < 2)
        return std::nullopt;
    if (bits <= ShortBits)
        return apdu.size() == 2 ? std::optional(uint(quint8(apdu.at(1)) & ShortMask))
                                : std::nullopt;
    if (apdu.size() != 2 + bits / 8)
        return std::nullopt;
    uint value = 0;
    for (qsizetype i = 2; i < apdu.size(); ++i)
        value = value << 8 | quint8(apdu.at(i));
    return value;
}

QString describeBusTelegram(const BusTelegram &telegram)
{
    const std::optional<BusService> service = busServiceOf(telegram.apdu);
    const QString head = QStringLiteral("%1 %2 from %3")
                             .arg(service ? busServiceWord(*service) : QStringLiteral("unknown"),
                                  busGroupText(telegram.group), busIndividualText(telegram.source));
    if (service == BusService::Read)
        return head;
    if (service && telegram.apdu.size() == 2)
        return QStringLiteral("%1: short %2")
            .arg(head, QString::number(quint8(telegram.apdu.at(1)) & ShortMask, 16)
                           .toUpper()
                           .rightJustified(2, QLatin1Char('0')));
    return QStringLiteral("%1: bytes %2")
        .arg(head, QString::fromLatin1(telegram.apdu.mid(service ? 2 : 0).toHex(' ').toUpper()));
}
