#include "Equipment.h"

#include "AbortFlag.h"
#include "Frames.h"
#include "LinkWait.h"
#include "SerialLink.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QDeadlineTimer>

namespace {
const QString ConnectionText =
    QStringLiteral("Wait connection to Equipment ! Reset with power supply ...");
const QString ReadingText = QStringLiteral("Wait reading parameters from equipment ....");
const QString SendingText = QStringLiteral("Wait sending parameters to Equipment ....");

QString withAddress(const QString &text, const QString &address)
{
    return text + QStringLiteral(" (addr. h") + address + QStringLiteral(" )");
}

bool isPrintableKey(const QString &key)
{
    return key == QLatin1String("parame_nomol1") || key == QLatin1String("parame_model1") ||
           key == QLatin1String("parame_nseri1");
}

// Mode "0" values: a text with any non-digit counts as zeros, as many as it
// had characters; large values saturate, the caller clamps to the width.
quint64 numberOf(QString &value)
{
    const auto n = ValueCodec::decimal(value);
    if (!n)
        value = QString(value.size(), u'0');
    return n.value_or(0);
}
} // namespace

Equipment::Equipment(SerialLink &link, AbortFlag &abort, StatusSink status,
                     PathSource parameterFile)
    : m_link(link)
    , m_abort(abort)
    , m_status(std::move(status))
    , m_parameterFile(std::move(parameterFile))
{}

QByteArray Equipment::checkConnection()
{
    m_status(ConnectionText);
    if (!m_link.isOpen() && !m_link.reopenLost()) {
        // No port: wait the check's second anyway, so callers that repeat the
        // check do not spin.
        LinkWait::idle(m_link, &m_abort, connectionTimeoutMs);
        return {};
    }
    const QDeadlineTimer deadline(connectionTimeoutMs, Qt::PreciseTimer);
    // Bytes left from an earlier exchange make this answer untrustworthy;
    // wait for the new reply too, so one read empties the line and the next
    // check starts clean.
    qsizetype stale = m_link.waiting();
    m_link.send(QByteArray(1, Frames::Start));
    WaitResult waited = LinkWait::forBytes(m_link, &m_abort, stale + 1,
                                           int(std::max<qint64>(0, deadline.remainingTime())));
    if (waited == WaitResult::PortLost && m_link.reopenLost()) {
        // The port had died unnoticed since the last exchange (an adapter
        // pulled and plugged back): ask again on the reopened port.
        stale = 0;
        m_link.send(QByteArray(1, Frames::Start));
        waited = LinkWait::forBytes(m_link, &m_abort, 1,
                                    int(std::max<qint64>(0, deadline.remainingTime())));
    }
    if (waited == WaitResult::TimedOut)
        m_link.note(QStringLiteral("no answer to the connection check within %1 ms")
                        .arg(connectionTimeoutMs));
    else if (waited == WaitResult::Aborted)
        m_link.note(QStringLiteral("aborted by the user"));
    if (m_link.takeAll() == QByteArray(1, Frames::Ack) && stale == 0) {
        m_status(QString());
        return QByteArray(1, Frames::Ack);
    }
    return {};
}

ReadReply Equipment::readParameter(const QString &key)
{
    const auto definition =
        ParameterFile::findForRead(ParameterFile::readLines(m_parameterFile()), key);
    if (!definition || !definition->usable())
        return {};
    const auto start = Frames::parseAddress(definition->address);
    if (!start)
        return {};
    m_status(withAddress(ReadingText, definition->address));
    ReadReply reply = readBytes(*start, definition->length);
    if (!reply.noReply && isPrintableKey(key))
        reply.bytes = Frames::printable(reply.bytes, definition->length);
    return reply;
}

std::optional<QByteArray> Equipment::encode(const Definition &d, QString &value, int mode,
                                            QString *problem)
{
    if (mode == 1)
        return Frames::encodeText(value.toLatin1(), d.length);
    if (mode == 0) {
        if (value.isEmpty()) {
            if (problem)
                *problem =
                    QStringLiteral("%1: empty value, not sent (addr. h%2 )").arg(d.name, d.address);
            return std::nullopt;
        }
        return Frames::encodeNumber(std::min(numberOf(value), Frames::maxValue(d.length)),
                                    d.length);
    }
    if (mode == 2) {
        const LineValue v = ParameterFile::valueOf(d);
        if (v.kind == LineValue::Unusable) {
            if (problem)
                *problem = QStringLiteral("Line %1 of the parameter file has no usable value for "
                                          "%2: not sent (addr. h%3 )")
                               .arg(d.lineNumber)
                               .arg(d.name, d.address);
            return std::nullopt;
        }
        if (v.kind == LineValue::Text)
            return v.text.isEmpty() ? std::nullopt
                                    : std::optional(Frames::encodeText(v.text, d.length));
        return Frames::encodeNumber(std::min(v.number, Frames::maxValue(d.length)), d.length);
    }
    return std::nullopt;
}

WriteOutcome Equipment::writeParameter(QString &value, const QString &key, const QString &mode)
{
    if (m_abort.isSet())
        return {WriteOutcome::Aborted, {}};
    const QStringList lines = ParameterFile::readLines(m_parameterFile());
    const int modeNumber = mode.trimmed().toInt();
    for (const Definition &d : ParameterFile::findForWrite(lines, key)) {
        if (m_abort.isSet())
            return {WriteOutcome::Aborted, {}};
        const auto start = Frames::parseAddress(d.address);
        if (!start || d.length <= 0)
            continue;
        QString problem;
        const auto bytes = encode(d, value, modeNumber, &problem);
        if (!bytes) {
            if (!problem.isEmpty())
                m_status(problem);
            continue;
        }
        m_status(withAddress(SendingText, d.address));
        const WriteOutcome outcome = sendBytes(*start, *bytes);
        if (outcome.status != WriteOutcome::Done)
            return outcome;
    }
    return {};
}

ReadReply Equipment::readBytes(quint16 start, int length)
{
    ReadReply reply;
    quint16 address = start;
    for (int k = 0; k < length; ++k, ++address) {
        m_link.send(Frames::readFrame(address));
        if (LinkWait::forBytes(m_link, nullptr, 1, readTimeoutMs) != WaitResult::Ready) {
            reply.noReply = true;
            reply.address = Frames::formatAddress(address);
            m_link.note(QStringLiteral("no reply to the read of %1h within %2 ms")
                            .arg(reply.address)
                            .arg(readTimeoutMs));
            return reply;
        }
        reply.bytes.append(m_link.takeAll());
        if (byteDone)
            byteDone();
    }
    return reply;
}

WriteOutcome Equipment::sendBytes(quint16 start, const QByteArray &bytes)
{
    quint16 address = start;
    for (const char byte : bytes) {
        m_link.send(Frames::writeFrame(address, quint8(byte)));
        // Only a read of exactly the acknowledge byte counts; anything else
        // is discarded and the wait goes on until the frame's deadline.
        QDeadlineTimer deadline(ackTimeoutMs, Qt::PreciseTimer);
        for (;;) {
            const auto result = LinkWait::forBytes(
                m_link, &m_abort, 1, int(std::max<qint64>(0, deadline.remainingTime())));
            if (result == WaitResult::Aborted) {
                m_link.note(QStringLiteral("aborted by the user"));
                return {WriteOutcome::Aborted, {}};
            }
            if (result != WaitResult::Ready) {
                m_link.note(QStringLiteral("no acknowledge for %1h within %2 ms")
                                .arg(Frames::formatAddress(address))
                                .arg(ackTimeoutMs));
                return {WriteOutcome::NoAck, Frames::formatAddress(address)};
            }
            if (m_link.takeAll() == QByteArray(1, Frames::Ack))
                break;
        }
        if (byteDone)
            byteDone();
        ++address;
    }
    return {};
}

void Equipment::sendDateTime(const QDateTime &local)
{
    if (m_abort.isSet())
        return;
    m_link.send(Frames::clockFrame(local));
}

PhotodiodeReply Equipment::readPhotodiode(quint8 channel)
{
    if (m_abort.isSet())
        return {PhotodiodeReply::Aborted, 0};
    m_link.send(Frames::photodiodeRequest(channel));
    QByteArray bytes;
    while (bytes.size() < 4) {
        const auto result = LinkWait::forBytes(m_link, &m_abort, 1, photodiodeTimeoutMs);
        if (result == WaitResult::Aborted) {
            m_link.note(QStringLiteral("aborted by the user"));
            return {PhotodiodeReply::Aborted, 0};
        }
        if (result != WaitResult::Ready) {
            m_link.note(
                QStringLiteral("no photodiode reading within %1 ms").arg(photodiodeTimeoutMs));
            return {PhotodiodeReply::NoReply, 0};
        }
        // One reply byte per poll, in order of arrival; the rest stays waiting.
        bytes.append(m_link.take(1));
    }
    return {PhotodiodeReply::Done, Frames::decodeReading(bytes)};
}

void Equipment::startPhotodiodeCalibration()
{
    m_link.send(Frames::calibrationStart());
}
