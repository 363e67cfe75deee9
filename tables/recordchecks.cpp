#include "recordchecks.h"

#include "inputrules.h"
#include "itemtexts.h"

#include <QRegularExpression>

#include <iterator>

namespace {
std::optional<QString> normalisedHexText(const QString &typed, const QRegularExpression &rule)
{
    if (typed.size() % 3 != 2 || !rule.match(typed).hasMatch())
        return std::nullopt;
    return QString(typed).replace(QLatin1Char('-'), QLatin1Char(' '));
}

bool take(QString &text, std::optional<QString> (*normalise)(const QString &))
{
    const std::optional<QString> normalised = normalise(text);
    if (normalised)
        text = *normalised;
    return normalised.has_value();
}

// An empty acknowledgement stands for none and is kept.
bool takeAck(QString &ack)
{
    return ack.isEmpty() || take(ack, normalisedAck);
}

QString valueOfType(const QString &ntype, const QStringList &types, const QString &value)
{
    return ntype == types.at(ReadTypeIndex) ? QString() : value;
}
} // namespace

ValueRange valueRangeOfLength(int lengthIndex)
{
    static const int maxima[] = {1, 3, 15, 63, 255, 65535};
    if (lengthIndex < 0 || lengthIndex >= int(std::size(maxima)))
        return {0, 1};
    return {0, maxima[lengthIndex]};
}

std::optional<QString> normalisedTelegram(const QString &typed)
{
    static const QRegularExpression rule(telegramInputPattern());
    return normalisedHexText(typed, rule);
}

std::optional<QString> normalisedAck(const QString &typed)
{
    static const QRegularExpression rule(ackInputPattern());
    return normalisedHexText(typed, rule);
}

std::optional<QString> normalisedGroupAddress(const QString &typed)
{
    static const QRegularExpression rule(groupAddressCellPattern());
    const QString address = QString(typed).replace(QLatin1Char('.'), QLatin1Char('/'));
    if (address.split(QLatin1Char('/')).size() != 3 || !rule.match(address).hasMatch() ||
        address == QLatin1String("0/0/0"))
        return std::nullopt;
    return address;
}

std::optional<Tele485ToKnxW> checkRecord(const Tele485ToKnxW &typed)
{
    Tele485ToKnxW record = typed;
    if (record.telegram.isEmpty() || record.addr.isEmpty() ||
        !take(record.telegram, normalisedTelegram) || !takeAck(record.ack) ||
        !take(record.addr, normalisedGroupAddress) || !type485ToKnxTexts().contains(record.ntype) ||
        !lengthTexts().contains(record.length))
        return std::nullopt;
    record.value = valueOfType(record.ntype, type485ToKnxTexts(), record.value);
    return record;
}

std::optional<Tele1Byte> checkRecord(const Tele1Byte &typed)
{
    Tele1Byte record = typed;
    if (record.telegram_p.isEmpty() || record.telegram_n.isEmpty() || record.addr.isEmpty() ||
        !take(record.telegram_p, normalisedTelegram) ||
        !take(record.telegram_n, normalisedTelegram) || !takeAck(record.ack_p) ||
        !takeAck(record.ack_n) || !take(record.addr, normalisedGroupAddress) ||
        !lengthTexts().contains(record.length))
        return std::nullopt;
    return record;
}

std::optional<TeleKnxTo485W> checkRecord(const TeleKnxTo485W &typed)
{
    TeleKnxTo485W record = typed;
    if (record.telegram.isEmpty() || record.addr.isEmpty() ||
        !take(record.telegram, normalisedTelegram) || !take(record.addr, normalisedGroupAddress) ||
        !typeKnxTo485Texts().contains(record.ntype) || !baudRateTexts().contains(record.baudrate) ||
        !lengthTexts().contains(record.length))
        return std::nullopt;
    record.value = valueOfType(record.ntype, typeKnxTo485Texts(), record.value);
    return record;
}
