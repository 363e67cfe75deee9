#include "modechange.h"

ModeChange::ModeChange(FrameExchange &exchange, OperatingMode mode)
    : GatewayTask(exchange)
    , mode(mode)
{}

QString ModeChange::name() const
{
    return mode == DebugMode ? QStringLiteral("debug mode") : QStringLiteral("working mode");
}

QString ModeChange::awaited() const
{
    return mode == DebugMode ? QStringLiteral("the debug-mode command")
                             : QStringLiteral("the working-mode command");
}

void ModeChange::start()
{
    exchange.send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(mode)),
                  CommandAnswerLength, [this](const std::optional<QByteArray> &answer) {
                      answered = answer.has_value();
                      if (answered)
                          succeed(QStringLiteral("in %1").arg(name()));
                      else
                          failUnanswered();
                  });
}
