#pragma once

#include <QtGlobal>

// When the line to the tester can be trusted. The protocol has no framing and
// no checksum: a reply is just the next bytes that arrive, so the only way to
// tell a reply from a stray byte is to know how many bytes are due.
//
// The rule:
// - A command may go out only when the link is in step and nothing is
//   waiting: bytes that came before it was sent cannot be its reply.
// - Every command says how many reply bytes it expects. A byte that arrives
//   when none is due (after a reply was complete, after a command gave up
//   waiting, or when no command expects anything) loses step.
// - Once out of step, nothing read is trusted and only the connection check
//   may go out. It waits for a quiet line, clears it and starts afresh; it
//   succeeds only with exactly its acknowledge (and, where asked, a quiet
//   line after it).
// - A command that stops waiting (time limit, Abort) leaves the link
//   unsettled: the rest of its reply may still come, so the next check first
//   waits for the line to fall quiet.
class StepRule
{
public:
    // The port was opened and cleared: nothing is due.
    void reset();
    // A command went out; its reply is `replyBytes` long.
    void sent(qsizetype replyBytes);
    // `count` bytes came in.
    void arrived(qsizetype count);
    // The command stopped waiting for what was still due.
    void gaveUp();
    // Bytes were found waiting where no reply could be.
    void lose() { m_lost = true; }
    // The line was found quiet and cleared: a connection check starts the
    // exchange afresh.
    void resynced();

    bool inStep() const { return !m_lost; }
    // In step, and no late reply of an abandoned command can still come.
    bool settled() const { return !m_lost && !m_gaveUp; }
    qsizetype due() const { return m_due; }

private:
    qsizetype m_due = 0;
    bool m_lost = false;
    bool m_gaveUp = false;
};
