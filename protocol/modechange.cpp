#include "modechange.h"

ModeChange::ModeChange(FrameExchange &exchange, OperatingMode mode)
    : GatewayTask(exchange)
    , operatingMode(mode)
{}

QString ModeChange::name() const
{
    return operatingMode == DebugMode ? QStringLiteral("debug mode")
                                      : QStringLiteral("working mode");
}

QString ModeChange::awaited() const
{
    return operatingMode == DebugMode ? QStringLiteral("the debug-mode command")
                                      : QStringLiteral("the working-mode command");
}

void ModeChange::start()
{
    send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(operatingMode)),
         CommandAnswerLength, [this](const std::optional<QByteArray> &answer) {
             answered = answer.has_value();
             if (answered)
                 succeed(QStringLiteral("in %1").arg(name()));
             else
                 failUnanswered();
         });
}
