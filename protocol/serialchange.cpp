#include "serialchange.h"

#include "serialsettingstexts.h"

SerialChange::SerialChange(FrameExchange &exchange, const SerialSettings &settings,
                           Confirmation confirmation)
    : GatewayTask(exchange)
    , settings(settings)
    , confirmation(confirmation)
{}

QString SerialChange::awaited() const
{
    return confirming ? QStringLiteral("a scan probe at %1").arg(describeSerialSettings(settings))
                      : QStringLiteral("the serial-parameter command");
}

void SerialChange::start()
{
    confirming = false;
    send(buildFrame(CMD_SET_SERIAL_PARAMETERS,
                    serialParametersPayload(settings.baudIndex, settings.stopBitIndex,
                                            settings.parityIndex)),
         CommandAnswerLength, [this](const std::optional<QByteArray> &answer) {
             commandAnswered = answer.has_value();
             answeredFrames += commandAnswered ? 1 : 0;
             if (confirmation == Confirmation::ScanProbe)
                 applyThen(settings, [this] { confirm(); });
             else if (commandAnswered)
                 applyThen(settings, [this] {
                     succeed(QStringLiteral("now at %1").arg(describeSerialSettings(settings)));
                 });
             else
                 failUnanswered();
         });
}

void SerialChange::confirm()
{
    confirming = true;
    send(buildFrame(CMD_READ_SERIAL_PARAMETERS, scanProbePayload()), ScanAnswerLength,
         [this](const std::optional<QByteArray> &answer) {
             if (!answer && commandAnswered) {
                 failUnanswered();
                 return;
             }
             if (!answer) {
                 fail(QStringLiteral("no answer to the serial-parameter command, nor "
                                     "at %1")
                          .arg(describeSerialSettings(settings)));
                 return;
             }
             ++answeredFrames;
             const QString now = describeSerialSettings(scanAnswerSettings(*answer));
             succeed(
                 commandAnswered
                     ? QStringLiteral("now at %1").arg(now)
                     : QStringLiteral("now at %1 (its answer to the command was lost)").arg(now));
         });
}
