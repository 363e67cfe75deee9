#include "gatewaystate.h"

#include "itemtexts.h"
#include "scanmatrix.h"

namespace {
const char *const StopBitTexts[StopBitItems] = {"1 stop bit", "1.5 stop bits", "2 stop bits"};
const char *const ParityTexts[ParityItems] = {"None", "ODD", "EVEN"};

quint32 baudRateOfIndex(int baudIndex)
{
    return baudRateTexts().at(baudIndex).toUInt();
}

QString stopBitsText(bool twoStopBits)
{
    return QString::fromLatin1(StopBitTexts[twoStopBits ? TwoStopIndex : 0]);
}
} // namespace

bool isValidSerialSettings(const SerialSettings &settings)
{
    return settings.baudIndex >= 0 && settings.baudIndex < baudRateTexts().size() &&
           settings.stopBitIndex >= 0 && settings.stopBitIndex < StopBitItems &&
           settings.parityIndex >= 0 && settings.parityIndex < ParityItems;
}

bool lineMatches(const LineSettings &line, const SerialSettings &own)
{
    return line.baudRate == baudRateOfIndex(own.baudIndex) &&
           line.twoStopBits == (own.stopBitIndex == TwoStopIndex);
}

QString describeSerialSettings(const SerialSettings &settings)
{
    return QStringLiteral("%1 baud, %2, %3")
        .arg(baudRateOfIndex(settings.baudIndex))
        .arg(QString::fromLatin1(StopBitTexts[settings.stopBitIndex]),
             QString::fromLatin1(ParityTexts[settings.parityIndex]));
}

QString describeLineSettings(const LineSettings &line)
{
    return QStringLiteral("%1 baud, %2").arg(line.baudRate).arg(stopBitsText(line.twoStopBits));
}

QString describeComparedSettings(const SerialSettings &settings)
{
    LineSettings line;
    line.baudRate = baudRateOfIndex(settings.baudIndex);
    line.twoStopBits = settings.stopBitIndex == TwoStopIndex;
    return describeLineSettings(line);
}

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString operatingModeName(OperatingMode mode)
{
    return mode == DebugMode ? QStringLiteral("debug") : QStringLiteral("working");
}
