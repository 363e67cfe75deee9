#include "inputrules.h"

#include <QRegularExpression>

namespace {
QString hexBytesPattern(int mostBytes)
{
    return QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9a-fA-F]{2}([ -][0-9a-fA-F]{2}){0,%1}").arg(mostBytes - 1));
}

QString groupAddressPattern(const QString &separator)
{
    return QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]|1[0-5])%1[0-7]%1(\\d|[1-9]\\d|1\\d{2}|2[0-4]\\d|25[0-5])")
            .arg(separator));
}
} // namespace

QString telegramInputPattern()
{
    return hexBytesPattern(MostTelegramBytes);
}

QString ackInputPattern()
{
    return hexBytesPattern(MostAckBytes);
}

QString groupAddressInputPattern()
{
    return groupAddressPattern(QStringLiteral("[./]"));
}

QString groupAddressCellPattern()
{
    return groupAddressPattern(QStringLiteral("\\/"));
}
