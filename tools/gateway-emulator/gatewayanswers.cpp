#include "gatewayanswers.h"

namespace {
struct CommandKind
{
    quint8 code;
    const char *name;
    int payloadSize;
};

constexpr CommandKind CommandKinds[] = {
    {CMD_READ_SERIAL_PARAMETERS, "scan probe", 8},
    {CMD_SET_OPERATING_MODE, "mode command", 9},
    {CMD_SET_SERIAL_PARAMETERS, "serial parameters", 3},
    {CMD_TABLE_SIZES, "table sizes", 6},
    {CMD_ROW_485_TO_KNX_W, "485-to-KNX write row", 108},
    {CMD_ROW_1BYTE, "1-byte row", 208},
    {CMD_ROW_KNX_TO_485_W, "KNX-to-485 write row", 74},
};

const CommandKind *commandKind(quint8 code)
{
    for (const CommandKind &kind : CommandKinds) {
        if (kind.code == code)
            return &kind;
    }
    return nullptr;
}

constexpr quint8 Accepted = 0x00;
const QByteArray ModeKeyword = QByteArrayLiteral("workmode");

quint8 commandOf(const QByteArray &frame)
{
    return quint8(frame.at(3));
}

QByteArray payloadOf(const QByteArray &frame)
{
    return frame.mid(4, frame.size() - FrameOverhead);
}

SerialSettings serialSettingsOf(const QByteArray &payload)
{
    return {quint8(payload.at(0)), quint8(payload.at(1)), quint8(payload.at(2))};
}

bool isRow(quint8 command)
{
    return command == CMD_ROW_485_TO_KNX_W || command == CMD_ROW_1BYTE ||
           command == CMD_ROW_KNX_TO_485_W;
}

// Fills in name, refusal and answer data for a payload of the right size.
QByteArray readPayload(quint8 command, const QByteArray &payload, const GatewayState &state,
                       FrameReading *reading)
{
    switch (command) {
    case CMD_READ_SERIAL_PARAMETERS:
        if (payload != scanProbePayload())
            reading->refusal = QStringLiteral("payload is not \"getParam\"");
        return serialParametersPayload(state.serial.baudIndex, state.serial.stopBitIndex,
                                       state.serial.parityIndex);
    case CMD_SET_OPERATING_MODE: {
        const quint8 mode = quint8(payload.back());
        if (!payload.startsWith(ModeKeyword))
            reading->refusal = QStringLiteral("payload does not start with \"workmode\"");
        else if (mode != DebugMode && mode != WorkingMode)
            reading->refusal = QStringLiteral("mode byte %1").arg(mode, 2, 16, QLatin1Char('0'));
        else
            reading->name += QStringLiteral(" (%1)").arg(operatingModeName(OperatingMode(mode)));
        return QByteArray(1, char(mode));
    }
    case CMD_SET_SERIAL_PARAMETERS: {
        const SerialSettings settings = serialSettingsOf(payload);
        if (!isValidSerialSettings(settings))
            reading->refusal = QStringLiteral("index out of range");
        else
            reading->name += QStringLiteral(" (%1)").arg(describeSerialSettings(settings));
        return QByteArray(1, char(Accepted));
    }
    case CMD_TABLE_SIZES:
        return QByteArray(1, char(Accepted));
    default:
        return payload.left(2) + char(Accepted);
    }
}
} // namespace

QByteArray buildAnswer(quint8 command, const QByteArray &data)
{
    QByteArray answer;
    answer.reserve(data.size() + FrameOverhead);
    answer.append(char(FrameStart1));
    answer.append(char(FrameStart0));
    answer.append(char(data.size() + 3));
    answer.append(char(command));
    answer.append(data);
    const quint16 sum = byteSum(answer);
    answer.append(char(sum >> 8));
    answer.append(char(sum & 0xFF));
    answer.append(char(FrameEnd));
    return answer;
}

FrameReading readFrame(const QByteArray &frame, const GatewayState &state)
{
    FrameReading reading;
    const quint8 command = commandOf(frame);
    const CommandKind *kind = commandKind(command);
    if (!kind) {
        reading.name = QStringLiteral("command 0x%1").arg(command, 2, 16, QLatin1Char('0'));
        reading.refusal = QStringLiteral("unknown command");
        return reading;
    }
    reading.name = QString::fromLatin1(kind->name);
    const QByteArray payload = payloadOf(frame);
    if (payload.size() != kind->payloadSize) {
        reading.refusal = QStringLiteral("payload of %1 bytes, %2 expected")
                              .arg(payload.size())
                              .arg(kind->payloadSize);
        return reading;
    }
    const QByteArray data = readPayload(command, payload, state, &reading);
    if (reading.refusal.isEmpty())
        reading.answer = buildAnswer(command, data);
    return reading;
}

void applyFrame(const QByteArray &frame, GatewayState *state)
{
    const quint8 command = commandOf(frame);
    const QByteArray payload = payloadOf(frame);
    if (command == CMD_SET_OPERATING_MODE)
        state->mode = OperatingMode(quint8(payload.back()));
    else if (command == CMD_SET_SERIAL_PARAMETERS)
        state->serial = serialSettingsOf(payload);
    else if (command == CMD_TABLE_SIZES)
        state->rowFrames.clear();
    else if (isRow(command))
        state->rowFrames.append(frame);
}
