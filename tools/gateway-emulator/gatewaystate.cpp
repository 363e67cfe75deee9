#include "gatewaystate.h"

#include "itemtexts.h"
#include "scanmatrix.h"

namespace {
quint32 baudRateOfIndex(int baudIndex)
{
    return baudRateTexts().at(baudIndex).toUInt();
}

QString stopBitsText(bool twoStopBits)
{
    return describeStopBits(twoStopBits ? TwoStopIndex : 0);
}
} // namespace

bool lineMatches(const LineSettings &line, const SerialSettings &own)
{
    return line.baudRate == baudRateOfIndex(own.baudIndex) &&
           line.twoStopBits == (own.stopBitIndex == TwoStopIndex);
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
