#include "testtelegram.h"

#include "byteforms.h"

std::optional<QByteArray> testTelegramBytes(const QString &text)
{
    if (text.isEmpty() || text.size() % 3 != 2)
        return std::nullopt;
    return telegramBytes(QString(text).replace(QLatin1Char('-'), QLatin1Char(' ')));
}
