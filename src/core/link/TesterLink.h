#pragma once

#include <QByteArray>
#include <QDateTime>

#include <functional>

#include "LinkWait.h"
#include "base/Result.h"

class AbortFlag;
class SerialLink;

// How a command ended. Every command but the connection check refuses to go
// out while the link is out of step (see StepRule).
enum class LinkStatus {
    Ok,
    Aborted,  // the user pressed Abort
    NoReply,  // the reply did not come within the command's limit
    Refused,  // the tester answered something other than its acknowledge
    LostStep, // bytes came that no command was waiting for
    PortLost, // the port went away
};

struct LinkReply
{
    LinkStatus status = LinkStatus::Ok;
    QByteArray bytes;    // what was read, up to where it stopped
    quint16 address = 0; // the address where it stopped
    int limitMs = 0;     // NoReply: the limit that ran out
};

// The tester's commands, frame by frame. Every wait goes through LinkWait, so
// the window stays responsive and the Abort buttons reach the flag.
class TesterLink
{
public:
    // Limits for replies the tester never sends. The line itself needs
    // 17 to 21 ms per byte at 2400 baud; a network line adds its allowance
    // to each.
    struct Limits
    {
        int connectionMs = 1000;
        int readMs = 2000;
        int ackMs = 3000;
        int photodiodeMs = 5000;
        // After a command gave up, the line must stay quiet this long before
        // the next check: a late reply must not answer it.
        int quietMs = 1000;
        // After Abort, how long an acknowledge already on its way is still
        // awaited (a frame and its reply take about 21 ms at the line rate).
        int abortGraceMs = 100;
        // How long the line must stay quiet after a reply that is to be
        // trusted as the last one (about seven bytes at the line rate).
        int tailMs = 30;
        // Added to each limit above on a network line: a bridge's round trip.
        int networkAllowanceMs = 1000;

        // These, with the settings file's [limits] in place of any but the
        // abort grace and the tail: a slow bridge may need longer.
        static Result<Limits> configured();
    };

    TesterLink(SerialLink &link, AbortFlag &abort);

    SerialLink &serial() { return m_link; }
    AbortFlag &abortFlag() { return m_abort; }

    enum class Tail { None, Quiet };
    // 01h answered by exactly 06h; brings the link back in step. With
    // Tail::Quiet the line must also stay quiet afterwards.
    LinkStatus checkConnection(Tail tail = Tail::None);
    // One "R" frame per byte; Abort does not end it.
    LinkReply readBytes(quint16 start, int length);
    // One "W" frame per byte, each acknowledged; Abort stops between two
    // bytes.
    LinkReply writeBytes(quint16 start, const QByteArray &bytes);
    LinkStatus sendClock(const QDateTime &local);
    // The four-byte reading of a channel; `bytes` holds them.
    LinkReply readPhotodiode(quint8 channel);
    LinkStatus startCalibration();
    // Waits the quiet tail; out of step if anything arrives.
    LinkStatus settle();

    // Called for every byte read from or acknowledged by the tester.
    std::function<void()> byteDone;
    Limits limits;

private:
    // A limit with the line's allowance.
    int limit(int ms) const;
    LinkStatus beforeCommand();
    LinkStatus waitForReply(qsizetype count, int timeoutMs, const AbortFlag *abort);
    // The status a wait for a reply ended with.
    LinkStatus ended(WaitResult waited, int timeoutMs);
    // A write's acknowledge; one already on its way when Abort comes counts.
    bool awaitAcknowledge(LinkReply &reply);
    // Sets the reply's status (and limit); true when the reply came.
    bool awaitReply(LinkReply &reply, qsizetype count, int timeoutMs, const AbortFlag *abort);

    SerialLink &m_link;
    AbortFlag &m_abort;
};
