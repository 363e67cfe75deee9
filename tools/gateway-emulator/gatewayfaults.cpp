#include "gatewayfaults.h"

#include "gatewaystate.h"

#include <QRegularExpression>

namespace {
struct FramingFault
{
    WrongFraming framing;
    const char *name;
};

constexpr FramingFault FramingFaults[] = {
    {WrongFraming::EndByte, "end"},
    {WrongFraming::StartBytes, "start"},
    {WrongFraming::OneByteShort, "short"},
    {WrongFraming::OneByteLong, "long"},
};

constexpr char WrongEndByte = 0x0A;

QByteArray framedWrongly(QByteArray answer, WrongFraming framing)
{
    switch (framing) {
    case WrongFraming::None:
        break;
    case WrongFraming::EndByte:
        answer.back() = WrongEndByte;
        break;
    case WrongFraming::StartBytes:
        std::swap(answer[0], answer[1]);
        break;
    case WrongFraming::OneByteShort:
        answer.remove(answer.size() - 2, 1);
        break;
    case WrongFraming::OneByteLong:
        answer.insert(answer.size() - 1, '\0');
        break;
    }
    return answer;
}
} // namespace

bool GatewayFaults::drops(int frameNumber) const
{
    for (const FrameRange &range : dropped) {
        if (frameNumber >= range.first && frameNumber <= range.last)
            return true;
    }
    return false;
}

QByteArray answerOnLine(const QByteArray &answer, const GatewayFaults &faults)
{
    return faults.noise + framedWrongly(answer, faults.framing);
}

QList<QByteArray> answerPieces(const QByteArray &bytes, const GatewayFaults &faults)
{
    if (faults.splitGapMs <= 0 || bytes.size() < 2)
        return {bytes};
    const qsizetype at =
        faults.splitAt > 0 ? qMin<qsizetype>(faults.splitAt, bytes.size() - 1) : bytes.size() / 2;
    return {bytes.left(at), bytes.mid(at)};
}

bool parseFrameRanges(const QString &text, QList<FrameRange> *ranges)
{
    static const QRegularExpression rangePattern(QStringLiteral("^(\\d{1,9})(?:-(\\d{1,9}))?$"));
    QList<FrameRange> result;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = rangePattern.match(part.trimmed());
        if (!match.hasMatch())
            return false;
        FrameRange range;
        range.first = match.captured(1).toInt();
        range.last = match.hasCaptured(2) ? match.captured(2).toInt() : range.first;
        if (range.first < 1 || range.last < range.first)
            return false;
        result.append(range);
    }
    *ranges = result;
    return true;
}

QString frameRangesText(const QList<FrameRange> &ranges)
{
    QStringList parts;
    for (const FrameRange &range : ranges) {
        parts.append(range.first == range.last
                         ? QString::number(range.first)
                         : QStringLiteral("%1-%2").arg(range.first).arg(range.last));
    }
    return parts.join(QLatin1Char(','));
}

bool parseWrongFraming(const QString &name, WrongFraming *framing)
{
    for (const FramingFault &fault : FramingFaults) {
        if (name == QLatin1String(fault.name)) {
            *framing = fault.framing;
            return true;
        }
    }
    return false;
}

QStringList wrongFramingNames()
{
    QStringList names;
    for (const FramingFault &fault : FramingFaults)
        names.append(QString::fromLatin1(fault.name));
    return names;
}

QString describeFaults(const GatewayFaults &faults)
{
    QStringList parts;
    if (faults.silent)
        parts.append(QStringLiteral("silent"));
    if (!faults.dropped.isEmpty())
        parts.append(QStringLiteral("drop %1").arg(frameRangesText(faults.dropped)));
    if (faults.delayMs > 0)
        parts.append(QStringLiteral("delay %1 ms").arg(faults.delayMs));
    if (faults.splitGapMs > 0) {
        const QString at =
            faults.splitAt > 0 ? QString::number(faults.splitAt) : QStringLiteral("half");
        parts.append(QStringLiteral("split at %1 with %2 ms gap").arg(at).arg(faults.splitGapMs));
    }
    if (!faults.noise.isEmpty())
        parts.append(QStringLiteral("noise %1").arg(hexText(faults.noise)));
    for (const FramingFault &fault : FramingFaults) {
        if (fault.framing == faults.framing)
            parts.append(QStringLiteral("wrong framing: %1").arg(QLatin1String(fault.name)));
    }
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}
