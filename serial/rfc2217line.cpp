#include "rfc2217line.h"

#include "comportoption.h"
#include "telnet.h"
#include "telnetwriter.h"

#include <QCoreApplication>

namespace {
TelnetOptions sessionOptions()
{
    return TelnetOptions(
        {Telnet::OptionBinary, Telnet::OptionSuppressGoAhead, Telnet::OptionComPort},
        {Telnet::OptionBinary, Telnet::OptionSuppressGoAhead});
}
} // namespace

Rfc2217Line::Rfc2217Line(const QString &portName, QObject *parent)
    : TcpLine(portName, parent)
    , options(sessionOptions())
{
    acknowledgementTimer.setSingleShot(true);
    acknowledgementTimer.setInterval(AcknowledgementTimeoutMs);
    connect(&acknowledgementTimer, &QTimer::timeout, this, [this] {
        unacknowledged.clear();
        settingsTaken();
    });
}

void Rfc2217Line::startSession()
{
    reader.reset();
    options = sessionOptions();
    send(options.offer(Telnet::OptionComPort) + options.offer(Telnet::OptionBinary) +
         options.ask(Telnet::OptionBinary));
}

QByteArray Rfc2217Line::dataOf(const QByteArray &bytes)
{
    const TelnetInput input = reader.feed(bytes);
    for (const TelnetCommand &command : input.commands)
        take(command);
    return input.data;
}

QByteArray Rfc2217Line::bytesOf(const QByteArray &data)
{
    return telnetData(data);
}

void Rfc2217Line::take(const TelnetCommand &command)
{
    if (command.verb != Telnet::Sb) {
        send(options.receive(command.verb, command.option));
        checkSession();
        return;
    }
    if (command.option != Telnet::OptionComPort)
        return;
    if (const std::optional<quint8> code = acknowledgedCommand(command.parameters))
        acknowledged(*code);
}

// Open once the option and binary transmission are on; refused, the line
// cannot be used.
void Rfc2217Line::checkSession()
{
    if (!isOpening())
        return;
    if (options.isRefused(Telnet::OptionComPort)) {
        failOpening(QCoreApplication::translate(
                        "MainWindow", "%1 does not offer the serial port control of RFC 2217.")
                        .arg(address()),
                    QCoreApplication::translate(
                        "MainWindow", "Open it as a raw TCP port (tcp://%1): its line settings "
                                      "are then those the device server gives it.")
                        .arg(address()));
    } else if (options.isRefused(Telnet::OptionBinary)) {
        failOpening(
            QCoreApplication::translate("MainWindow", "%1 does not agree to binary transmission.")
                .arg(address()),
            openRemedy());
    } else if (options.isOwnEnabled(Telnet::OptionComPort) &&
               options.isOwnEnabled(Telnet::OptionBinary) &&
               options.isPeerEnabled(Telnet::OptionBinary)) {
        sessionReady();
    }
}

// Only what changed is sent.
bool Rfc2217Line::putSettings(const PortSettings &settings)
{
    for (const ComPortCommand &command : comPortCommands(settings)) {
        const auto last = requested.constFind(command.code);
        if (last != requested.cend() && *last == command.value)
            continue;
        requested.insert(command.code, command.value);
        send(telnetSubnegotiation(Telnet::OptionComPort, command.parameters()));
        if (command.isAcknowledged()) {
            ++unacknowledged[command.code];
            acknowledgementTimer.start();
        }
    }
    return !unacknowledged.isEmpty();
}

void Rfc2217Line::acknowledged(quint8 command)
{
    const auto pending = unacknowledged.find(command);
    if (pending == unacknowledged.end())
        return;
    if (--*pending <= 0)
        unacknowledged.erase(pending);
    if (!unacknowledged.isEmpty())
        return;
    acknowledgementTimer.stop();
    settingsTaken();
}

void Rfc2217Line::closeLine()
{
    TcpLine::closeLine();
    acknowledgementTimer.stop();
    unacknowledged.clear();
    requested.clear();
}
