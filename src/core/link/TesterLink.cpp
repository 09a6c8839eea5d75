#include "TesterLink.h"

#include "AbortFlag.h"
#include "Frames.h"
#include "LinkWait.h"
#include "SerialLink.h"

#include "base/SettingsFile.h"

#include <QDeadlineTimer>
#include <QSettings>

TesterLink::TesterLink(SerialLink &link, AbortFlag &abort)
    : m_link(link)
    , m_abort(abort)
{}

Result<TesterLink::Limits> TesterLink::Limits::configured()
{
    const QSettings settings(SettingsFile::path(), QSettings::IniFormat);
    Limits limits;
    const std::pair<const char *, int *> keys[] = {
        {"connectionMs", &limits.connectionMs}, {"replyMs", &limits.readMs},
        {"acknowledgeMs", &limits.ackMs},       {"readingMs", &limits.photodiodeMs},
        {"quietMs", &limits.quietMs},           {"networkMs", &limits.networkAllowanceMs}};
    for (const auto &[key, ms] : keys) {
        const Result<int> given = SettingsFile::milliseconds(settings, QLatin1String(key), *ms);
        if (!given)
            return given.error();
        *ms = *given;
    }
    return limits;
}

int TesterLink::limit(int ms) const
{
    return ms + (m_link.isNetwork() ? limits.networkAllowanceMs : 0);
}

LinkStatus TesterLink::beforeCommand()
{
    if (!m_link.isOpen())
        return LinkStatus::PortLost;
    if (m_link.waiting() > 0) {
        m_link.note(QStringLiteral("lost step: %1 byte(s) waiting before a command was sent")
                        .arg(m_link.waiting()));
        m_link.loseStep();
    }
    return m_link.step().inStep() ? LinkStatus::Ok : LinkStatus::LostStep;
}

LinkStatus TesterLink::waitForReply(qsizetype count, int timeoutMs, const AbortFlag *abort)
{
    return ended(LinkWait::forBytes(m_link, abort, count, timeoutMs), timeoutMs);
}

LinkStatus TesterLink::ended(WaitResult waited, int timeoutMs)
{
    switch (waited) {
    case WaitResult::Ready:
        return m_link.step().inStep() ? LinkStatus::Ok : LinkStatus::LostStep;
    case WaitResult::Aborted:
        m_link.gaveUp();
        m_link.note(QStringLiteral("aborted by the user"));
        return LinkStatus::Aborted;
    case WaitResult::TimedOut:
        m_link.gaveUp();
        m_link.note(QStringLiteral("no reply within %1 ms").arg(timeoutMs));
        return LinkStatus::NoReply;
    case WaitResult::PortLost:
        break;
    }
    return LinkStatus::PortLost;
}

bool TesterLink::awaitAcknowledge(LinkReply &reply)
{
    // Abort ends the wait, but an acknowledge already on its way still
    // counts: the record must know what the tester took.
    WaitResult waited = LinkWait::forBytes(m_link, &m_abort, 1, limit(limits.ackMs));
    if (waited == WaitResult::Aborted &&
        LinkWait::forBytes(m_link, nullptr, 1, limit(limits.abortGraceMs)) == WaitResult::Ready)
        waited = WaitResult::Ready;
    reply.status = ended(waited, limit(limits.ackMs));
    if (reply.status == LinkStatus::NoReply)
        reply.limitMs = limit(limits.ackMs);
    return reply.status == LinkStatus::Ok;
}

bool TesterLink::awaitReply(LinkReply &reply, qsizetype count, int timeoutMs,
                            const AbortFlag *abort)
{
    reply.status = waitForReply(count, timeoutMs, abort);
    if (reply.status == LinkStatus::NoReply)
        reply.limitMs = timeoutMs;
    return reply.status == LinkStatus::Ok;
}

LinkStatus TesterLink::checkConnection(Tail tail)
{
    if (!m_link.isOpen() && !m_link.reopenLost()) {
        // No port: wait the check's second anyway, so callers that repeat the
        // check do not spin.
        LinkWait::idle(m_link, &m_abort, limit(limits.connectionMs));
        return LinkStatus::PortLost;
    }
    if (!m_link.step().settled()) {
        // The reply to a command that gave up may still be on its way: it
        // must not be taken for this check's acknowledge.
        const WaitResult quiet =
            LinkWait::quiet(m_link, &m_abort, limit(limits.quietMs),
                            limit(limits.quietMs) + limit(limits.connectionMs));
        if (quiet == WaitResult::Aborted)
            return LinkStatus::Aborted;
        if (quiet == WaitResult::TimedOut) {
            m_link.note(QStringLiteral("the line did not fall quiet"));
            return LinkStatus::LostStep;
        }
    }
    // The line is clear: this check starts the exchange afresh.
    m_link.discardInput();
    m_link.resynced();
    const QDeadlineTimer deadline(limit(limits.connectionMs), Qt::PreciseTimer);
    const auto left = [&] { return int(std::max<qint64>(0, deadline.remainingTime())); };
    m_link.send(QByteArray(1, Frames::Start), 1);
    WaitResult waited = LinkWait::forBytes(m_link, &m_abort, 1, left());
    if (waited == WaitResult::PortLost && m_link.reopenLost()) {
        // The port had died unnoticed since the last exchange (an adapter
        // pulled and plugged back): ask again on the reopened port.
        m_link.send(QByteArray(1, Frames::Start), 1);
        waited = LinkWait::forBytes(m_link, &m_abort, 1, left());
    }
    if (waited == WaitResult::TimedOut)
        m_link.note(QStringLiteral("no answer to the connection check within %1 ms")
                        .arg(limit(limits.connectionMs)));
    else if (waited == WaitResult::Aborted)
        m_link.note(QStringLiteral("aborted by the user"));
    if (waited == WaitResult::PortLost)
        return LinkStatus::PortLost;
    // Even after an Abort, an acknowledge that has already come counts.
    const bool alone = m_link.waiting() == 1 && m_link.step().inStep();
    const QByteArray reply = m_link.take(m_link.waiting());
    if (reply != QByteArray(1, Frames::Ack) || !alone) {
        m_link.gaveUp();
        if (!m_link.step().inStep())
            return LinkStatus::LostStep;
        if (waited == WaitResult::Aborted)
            return LinkStatus::Aborted;
        return reply.isEmpty() ? LinkStatus::NoReply : LinkStatus::Refused;
    }
    if (tail == Tail::Quiet && settle() != LinkStatus::Ok)
        return LinkStatus::LostStep;
    return LinkStatus::Ok;
}

LinkReply TesterLink::readBytes(quint16 start, int length)
{
    LinkReply reply;
    quint16 address = start;
    for (int k = 0; k < length; ++k, ++address) {
        reply.address = address;
        if ((reply.status = beforeCommand()) != LinkStatus::Ok)
            return reply;
        m_link.send(Frames::readFrame(address), 1);
        if (!awaitReply(reply, 1, limit(limits.readMs), nullptr))
            return reply;
        reply.bytes.append(m_link.take(1));
        if (byteDone)
            byteDone();
    }
    return reply;
}

LinkReply TesterLink::writeBytes(quint16 start, const QByteArray &bytes)
{
    LinkReply reply;
    quint16 address = start;
    for (const char byte : bytes) {
        reply.address = address;
        if (m_abort.isSet()) { // an acknowledge taken after the Abort
            reply.status = LinkStatus::Aborted;
            return reply;
        }
        if ((reply.status = beforeCommand()) != LinkStatus::Ok)
            return reply;
        m_link.send(Frames::writeFrame(address, quint8(byte)), 1);
        if (!awaitAcknowledge(reply))
            return reply;
        const QByteArray answer = m_link.take(1);
        if (answer != QByteArray(1, Frames::Ack)) {
            m_link.note(QStringLiteral("%1h answered %2h instead of the acknowledge")
                            .arg(Frames::formatAddress(address))
                            .arg(quint8(answer.at(0)), 2, 16, QLatin1Char('0')));
            reply.status = LinkStatus::Refused;
            return reply;
        }
        if (byteDone)
            byteDone();
        ++address;
    }
    return reply;
}

LinkStatus TesterLink::sendClock(const QDateTime &local)
{
    if (m_abort.isSet())
        return LinkStatus::Aborted;
    if (const LinkStatus s = beforeCommand(); s != LinkStatus::Ok)
        return s;
    m_link.send(Frames::clockFrame(local), 0);
    return LinkStatus::Ok;
}

LinkReply TesterLink::readPhotodiode(quint8 channel)
{
    LinkReply reply;
    if (m_abort.isSet()) {
        reply.status = LinkStatus::Aborted;
        return reply;
    }
    if ((reply.status = beforeCommand()) != LinkStatus::Ok)
        return reply;
    m_link.send(Frames::photodiodeRequest(channel), 4);
    if (awaitReply(reply, 4, limit(limits.photodiodeMs), &m_abort))
        reply.bytes = m_link.take(4);
    return reply;
}

LinkStatus TesterLink::startCalibration()
{
    if (const LinkStatus s = beforeCommand(); s != LinkStatus::Ok)
        return s;
    m_link.send(Frames::calibrationStart(), 0);
    return LinkStatus::Ok;
}

LinkStatus TesterLink::settle()
{
    const WaitResult r =
        LinkWait::forBytes(m_link, nullptr, m_link.waiting() + 1, limit(limits.tailMs));
    if (r == WaitResult::PortLost)
        return LinkStatus::PortLost;
    if (r == WaitResult::Ready || !m_link.step().inStep()) {
        m_link.loseStep();
        m_link.note(QStringLiteral("lost step: bytes came after the last reply"));
        return LinkStatus::LostStep;
    }
    return LinkStatus::Ok;
}
