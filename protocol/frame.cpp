#include "frame.h"

namespace {
constexpr int FallbackBaudIndex = 5; // 38400

QByteArray framed(quint8 first, quint8 second, quint8 command, const QByteArray &payload)
{
    Q_ASSERT(payload.size() <= 252);
    QByteArray frame;
    frame.reserve(payload.size() + FrameOverhead);
    frame.append(char(first));
    frame.append(char(second));
    frame.append(char(payload.size() + 3));
    frame.append(char(command));
    frame.append(payload);
    const quint16 sum = byteSum(frame);
    frame.append(char(sum >> 8));
    frame.append(char(sum & 0xFF));
    frame.append(char(FrameEnd));
    return frame;
}
} // namespace

quint16 byteSum(const QByteArray &data)
{
    quint16 sum = 0;
    for (char byte : data)
        sum = quint16(sum + quint8(byte));
    return sum;
}

QByteArray buildFrame(quint8 command, const QByteArray &payload)
{
    return framed(FrameStart0, FrameStart1, command, payload);
}

QByteArray buildAnswer(quint8 command, const QByteArray &data)
{
    return framed(FrameStart1, FrameStart0, command, data);
}

QByteArray scanProbePayload()
{
    return QByteArrayLiteral("getParam");
}

QByteArray operatingModePayload(OperatingMode mode)
{
    return QByteArrayLiteral("workmode") + char(mode);
}

QByteArray serialParametersPayload(int baudIndex, int stopBitIndex, int parityIndex)
{
    const char bytes[] = {char(baudIndex), char(stopBitIndex), char(parityIndex)};
    return QByteArray(bytes, sizeof bytes);
}

bool isAnswerFrame(const QByteArray &block)
{
    return block.size() >= 2 && quint8(block.at(0)) == FrameStart1 &&
           quint8(block.at(1)) == FrameStart0 && quint8(block.back()) == FrameEnd;
}

SerialSettings scanAnswerSettings(const QByteArray &answer)
{
    Q_ASSERT(answer.size() >= 7);
    SerialSettings settings;
    settings.baudIndex = quint8(answer.at(4));
    settings.stopBitIndex = quint8(answer.at(5));
    settings.parityIndex = quint8(answer.at(6));
    if (settings.baudIndex >= BaudRateItems)
        settings.baudIndex = FallbackBaudIndex;
    if (settings.stopBitIndex >= StopBitItems)
        settings.stopBitIndex = 0;
    if (settings.parityIndex >= ParityItems)
        settings.parityIndex = 0;
    return settings;
}
