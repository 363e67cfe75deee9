#include "serialsettingstexts.h"

#include "itemtexts.h"

namespace {
const char *const StopBitTexts[StopBitItems] = {"1 stop bit", "1.5 stop bits", "2 stop bits"};

int itemIndex(const QStringList &items, const QString &text)
{
    return int(items.indexOf(text));
}

int itemIndexIgnoringCase(const QStringList &items, const QString &text)
{
    for (int index = 0; index < items.size(); ++index)
        if (items.at(index).compare(text, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}
} // namespace

bool isValidSerialSettings(const SerialSettings &settings)
{
    return settings.baudIndex >= 0 && settings.baudIndex < BaudRateItems &&
           settings.stopBitIndex >= 0 && settings.stopBitIndex < StopBitItems &&
           settings.parityIndex >= 0 && settings.parityIndex < ParityItems;
}

QString describeStopBits(int stopBitIndex)
{
    return QString::fromLatin1(StopBitTexts[stopBitIndex]);
}

QString describeSerialSettings(const SerialSettings &settings)
{
    return QStringLiteral("%1 baud, %2, %3")
        .arg(baudRateTexts().at(settings.baudIndex), describeStopBits(settings.stopBitIndex),
             parityTexts().at(settings.parityIndex));
}

std::optional<SerialSettings>
serialSettingsFromTexts(const QString &baudRate, const QString &stopBits, const QString &parity)
{
    const SerialSettings settings{itemIndex(baudRateTexts(), baudRate),
                                  itemIndex(stopBitTexts(), stopBits),
                                  itemIndexIgnoringCase(parityTexts(), parity)};
    if (!isValidSerialSettings(settings))
        return std::nullopt;
    return settings;
}
