#include "knxaddresses.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {
// The numbers of a text of three parts separated by the separator, each at most
// its highest; nothing for any other text.
std::optional<std::array<uint, 3>> parts(const QString &text, QChar separator,
                                         const std::array<uint, 3> &highest)
{
    const QStringList split = text.trimmed().split(separator);
    if (split.size() != 3)
        return std::nullopt;
    std::array<uint, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        const QString &part = split.at(i);
        const bool digits =
            !part.isEmpty() && part.size() <= 3 &&
            std::all_of(part.cbegin(), part.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        numbers[i] = part.toUInt();
        if (!digits || numbers[i] > highest[i])
            return std::nullopt;
    }
    return numbers;
}
} // namespace

QString individualAddressText(quint16 address)
{
    return QStringLiteral("%1.%2.%3")
        .arg(address >> 12)
        .arg((address >> 8) & 0x0F)
        .arg(address & 0xFF);
}

std::optional<quint16> parseIndividualAddress(const QString &text)
{
    const auto numbers = parts(text, QLatin1Char('.'), {15, 15, 255});
    if (!numbers)
        return std::nullopt;
    return quint16((*numbers)[0] << 12 | (*numbers)[1] << 8 | (*numbers)[2]);
}

QString groupAddressText(quint16 address)
{
    return QStringLiteral("%1/%2/%3")
        .arg(address >> 11)
        .arg((address >> 8) & 0x07)
        .arg(address & 0xFF);
}

std::optional<quint16> parseGroupAddress(const QString &text)
{
    const auto numbers = parts(text, QLatin1Char('/'), {31, 7, 255});
    if (!numbers)
        return std::nullopt;
    return quint16((*numbers)[0] << 11 | (*numbers)[1] << 8 | (*numbers)[2]);
}
