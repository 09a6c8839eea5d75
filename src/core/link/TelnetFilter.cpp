#include "TelnetFilter.h"

namespace {
constexpr quint8 Se = 240;
constexpr quint8 Sb = 250;
constexpr quint8 Will = 251;
constexpr quint8 Wont = 252;
constexpr quint8 Do = 253;
constexpr quint8 Dont = 254;
constexpr quint8 Iac = 255;

constexpr quint8 Binary = 0;
constexpr quint8 SuppressGoAhead = 3;
constexpr quint8 ComPort = 44;

constexpr quint8 SetBaudRate = 1;
constexpr quint8 SetDataSize = 2;
constexpr quint8 SetParity = 3;
constexpr quint8 SetStopSize = 4;
constexpr quint8 SetControl = 5;

QByteArray bytes(std::initializer_list<quint8> list)
{
    QByteArray out;
    for (const quint8 b : list)
        out.append(char(b));
    return out;
}

QByteArray comPort(quint8 command, const QByteArray &value)
{
    return bytes({Iac, Sb, ComPort, command}) + TelnetFilter::escaped(value) + bytes({Iac, Se});
}
} // namespace

QByteArray TelnetFilter::opening()
{
    // Binary both ways, or the bridge may add or drop bytes after a CR.
    return bytes({Iac, Will, Binary, Iac, Do, Binary, Iac, Will, SuppressGoAhead, Iac, Do,
                  SuppressGoAhead, Iac, Will, ComPort}) +
           comPort(SetBaudRate, bytes({0, 0, 0x09, 0x60})) + comPort(SetDataSize, bytes({8})) +
           comPort(SetParity, bytes({1})) + comPort(SetStopSize, bytes({1})) +
           comPort(SetControl, bytes({1}));
}

QByteArray TelnetFilter::escaped(const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size());
    for (const char c : data) {
        out.append(c);
        if (quint8(c) == Iac)
            out.append(c);
    }
    return out;
}

QByteArray TelnetFilter::incoming(const QByteArray &received, QByteArray &replies)
{
    QByteArray data;
    for (const char c : received) {
        const quint8 b = quint8(c);
        switch (m_state) {
        case State::Data:
            if (b == Iac)
                m_state = State::Command;
            else
                data.append(c);
            break;
        case State::Command:
            if (b == Iac) {
                data.append(c);
                m_state = State::Data;
            } else if (b == Sb) {
                m_state = State::Sub;
            } else if (b >= Will) {
                m_verb = b;
                m_state = State::Option;
            } else {
                m_state = State::Data; // NOP, GA and the like carry nothing
            }
            break;
        case State::Option: {
            // Only what the opening did not already offer or ask for is
            // answered, so no negotiation loops.
            const bool ours = b == Binary || b == SuppressGoAhead || b == ComPort;
            const bool theirs = b == Binary || b == SuppressGoAhead;
            if (m_verb == Do && !ours)
                replies += bytes({Iac, Wont, b});
            else if (m_verb == Will && !theirs)
                replies += bytes({Iac, Dont, b});
            m_state = State::Data;
            break;
        }
        case State::Sub:
            if (b == Iac)
                m_state = State::SubCommand;
            break;
        case State::SubCommand:
            m_state = b == Se ? State::Data : State::Sub;
            break;
        }
    }
    return data;
}
