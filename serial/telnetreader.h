#pragma once

#include <QByteArray>
#include <QList>

// A command a telnet peer sent: an option negotiation (verb Will, Wont, Do or
// Dont) or a subnegotiation (verb Sb) with its parameters, IAC IAC unescaped.
struct TelnetCommand
{
    quint8 verb = 0;
    quint8 option = 0;
    QByteArray parameters;

    bool operator==(const TelnetCommand &other) const;
};

// What a piece of the stream held: the data bytes and the commands, each in
// the order they came.
struct TelnetInput
{
    QByteArray data;
    QList<TelnetCommand> commands;
};

// Splits the byte stream of a telnet peer into data and commands, whatever
// the pieces it arrives in. IAC IAC is one data byte 0xFF; the other
// two-byte commands (NOP, GA, DM, ...) are dropped. A subnegotiation that
// another command cuts short is dropped, and the command taken.
class TelnetReader
{
public:
    // Subnegotiation parameters beyond this many bytes are dropped.
    static constexpr int MaxParameters = 256;

    TelnetInput feed(const QByteArray &bytes);
    void reset() { state = State::Data; }

private:
    enum class State { Data, Command, Option, SubOption, SubData, SubCommand };

    void command(quint8 byte, TelnetInput &input);

    State state = State::Data;
    TelnetCommand pending;
};
