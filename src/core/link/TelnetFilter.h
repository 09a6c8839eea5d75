#pragma once

#include <QByteArray>

// The telnet side of an RFC 2217 line: what a client says to open it (binary
// both ways, COM-port control, 2400 8N1 without flow control), the tester's
// bytes taken out of what the bridge sends, and 0xFF doubled on the way out.
// Negotiation may be split across reads; none of it is ever tester data.
class TelnetFilter
{
public:
    static QByteArray opening();
    static QByteArray escaped(const QByteArray &data);

    // The tester's bytes in `received`; answers owed to the bridge's
    // negotiation are appended to `replies`.
    QByteArray incoming(const QByteArray &received, QByteArray &replies);
    void reset() { m_state = State::Data; }

private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    State m_state = State::Data;
    quint8 m_verb = 0;
};
