#include "telnetreader.h"

#include "telnet.h"

bool TelnetCommand::operator==(const TelnetCommand &other) const
{
    return verb == other.verb && option == other.option && parameters == other.parameters;
}

TelnetInput TelnetReader::feed(const QByteArray &bytes)
{
    TelnetInput input;
    for (const char c : bytes) {
        const auto byte = quint8(c);
        switch (state) {
        case State::Data:
            if (byte == Telnet::Iac)
                state = State::Command;
            else
                input.data.append(c);
            break;
        case State::Command:
            command(byte, input);
            break;
        case State::Option:
            pending.option = byte;
            input.commands.append(pending);
            state = State::Data;
            break;
        case State::SubOption:
            pending.option = byte;
            state = State::SubData;
            break;
        case State::SubData:
            if (byte == Telnet::Iac)
                state = State::SubCommand;
            else if (pending.parameters.size() < MaxParameters)
                pending.parameters.append(c);
            break;
        case State::SubCommand:
            if (byte == Telnet::Iac) {
                if (pending.parameters.size() < MaxParameters)
                    pending.parameters.append(c);
                state = State::SubData;
            } else if (byte == Telnet::Se) {
                input.commands.append(pending);
                state = State::Data;
            } else {
                command(byte, input);
            }
            break;
        }
    }
    return input;
}

// The byte after an IAC outside a subnegotiation.
void TelnetReader::command(quint8 byte, TelnetInput &input)
{
    pending = TelnetCommand();
    if (byte == Telnet::Iac) {
        input.data.append(char(Telnet::Iac));
        state = State::Data;
    } else if (byte >= Telnet::Will) {
        pending.verb = byte;
        state = State::Option;
    } else if (byte == Telnet::Sb) {
        pending.verb = byte;
        state = State::SubOption;
    } else {
        state = State::Data;
    }
}
