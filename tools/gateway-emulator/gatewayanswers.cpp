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

bool isDownload(quint8 command)
{
    return command == CMD_TABLE_SIZES || isRow(command);
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes.at(offset)) << 8 | quint8(bytes.at(offset + 1)));
}

TableSizes tableSizesOf(const QByteArray &payload)
{
    return {wordAt(payload, 0), wordAt(payload, 2), wordAt(payload, 4)};
}

bool sameSettings(const SerialSettings &a, const SerialSettings &b)
{
    return a.baudIndex == b.baudIndex && a.stopBitIndex == b.stopBitIndex &&
           a.parityIndex == b.parityIndex;
}

// Decodes a row frame and finds its place, or says why it is refused.
void readRow(const QByteArray &frame, const GatewayState &state, FrameReading *reading)
{
    QString error;
    std::optional<AnyDecodedRow> row = decodeRowFrame(frame, &error);
    if (!row) {
        reading->refusal = QStringLiteral("malformed, %1").arg(error);
        return;
    }
    const int rowField = std::visit([](const auto &decoded) { return decoded.row; }, *row);
    reading->name += QStringLiteral(" %1").arg(rowField);
    if (!state.tables.announced()) {
        reading->refusal = QStringLiteral("no table sizes received");
        return;
    }
    if (!state.tables.placeOf(*row)) {
        reading->refusal = QStringLiteral("row outside the %1 rows announced")
                               .arg(describeTableSizes(state.tables.sizes()));
        return;
    }
    reading->row = std::move(row);
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
    if (isDownload(command) && state.requireDebugMode && state.mode != DebugMode) {
        reading.refusal = QStringLiteral("downloads are taken in debug mode only");
        return reading;
    }
    if (isRow(command))
        readRow(frame, state, &reading);
    const QByteArray data = readPayload(command, payload, state, &reading);
    if (reading.refusal.isEmpty())
        reading.answer = buildAnswer(command, data);
    return reading;
}

QStringList applyFrame(const QByteArray &frame, const FrameReading &reading, GatewayState *state)
{
    const quint8 command = commandOf(frame);
    const QByteArray payload = payloadOf(frame);
    const bool wasComplete = state->tables.complete();
    QStringList changes;
    if (command == CMD_SET_OPERATING_MODE) {
        const OperatingMode mode = OperatingMode(quint8(payload.back()));
        if (mode != state->mode)
            changes << QStringLiteral("mode now %1").arg(operatingModeName(mode));
        state->mode = mode;
    } else if (command == CMD_SET_SERIAL_PARAMETERS) {
        const SerialSettings settings = serialSettingsOf(payload);
        if (!sameSettings(settings, state->serial))
            changes << QStringLiteral("settings now %1").arg(describeSerialSettings(settings));
        state->serial = settings;
    } else if (command == CMD_TABLE_SIZES) {
        state->tables.announce(tableSizesOf(payload));
        changes << QStringLiteral("expecting %1 rows, none held")
                       .arg(describeTableSizes(state->tables.sizes()));
    } else if (reading.row) {
        const std::optional<int> index = state->tables.store(*reading.row);
        changes << (index ? QStringLiteral("stored %1").arg(describeRow(*reading.row, *index))
                          : QStringLiteral("not stored: outside the %1 rows announced")
                                .arg(describeTableSizes(state->tables.sizes())));
    }
    if (state->tables.complete() && (command == CMD_TABLE_SIZES || !wasComplete)) {
        changes << QStringLiteral("download complete: %1 rows")
                       .arg(describeTableSizes(state->tables.sizes()));
    }
    return changes;
}
