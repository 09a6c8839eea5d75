#include "TesterSimulator.h"

#include "MemoryImage.h"
#include "TcpLine.h"
#include "WakeTimer.h"
#ifndef Q_OS_WIN
#include "PtyLine.h"
#endif

#include <utility>

namespace {
// 10 bits per byte at 2400 baud.
constexpr qint64 ByteTimeNs = 1'000'000'000LL * 10 / 2400;

int frameLength(char command)
{
    switch (command) {
    case 0x01:
        return 1;
    case 'R':
        return 3;
    case 'W':
        return 4;
    case 'D':
        return 8;
    case 'F':
        return 2;
    case 'C':
        return 1;
    default:
        return 1;
    }
}
} // namespace

TesterSimulator::TesterSimulator(QObject *parent)
    : QObject(parent)
    , m_memory(MemoryImage::forVersion())
    , m_wake(new WakeTimer(this))
{
    m_readings = {{11, 10000}, {7, 9000}, {9, 16170}};
    m_clock.start();
    connect(m_wake, &WakeTimer::woke, this, &TesterSimulator::pump);
}

TesterSimulator::~TesterSimulator()
{
    hangUp();
}

bool TesterSimulator::start(QString *error)
{
#ifdef Q_OS_WIN
    return startTcp(0, error);
#else
    m_tcp = false;
    return plugIn(new PtyLine(this), error);
#endif
}

bool TesterSimulator::startTcp(quint16 port, QString *error)
{
    m_tcp = true;
    m_tcpPort = port;
    return plugIn(new TcpLine(port, this), error);
}

bool TesterSimulator::plugIn(SimLine *line, QString *error)
{
    if (!line->open(error)) {
        delete line;
        return false;
    }
    m_line = line;
    m_devicePath = line->path();
    connect(line, &SimLine::received, this, &TesterSimulator::receive);
    return true;
}

void TesterSimulator::hangUp()
{
    if (m_line) {
        m_line->disconnect(this);
        m_line->close();
        m_line->deleteLater();
        m_line = nullptr;
    }
    m_incoming.clear();
    m_outgoing.clear();
}

bool TesterSimulator::replug()
{
    hangUp();
    m_partial.clear();
    // A new port number would be another bridge: the same one comes back.
    return m_tcp ? startTcp(m_tcpPort) : start();
}

void TesterSimulator::setPowered(bool on)
{
    m_powered = on;
    if (on) {
        m_acksLeft = -1;
        m_partial.clear();
    }
}

QList<QByteArray> TesterSimulator::framesStartingWith(char command) const
{
    QList<QByteArray> out;
    for (const QByteArray &f : m_frames)
        if (!f.isEmpty() && f.at(0) == command)
            out.append(f);
    return out;
}

void TesterSimulator::receive(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (m_paced) {
            m_inFree = std::max(m_inFree, now()) + ByteTimeNs;
            m_incoming.push_back({byte, m_inFree});
        } else {
            feed(byte, now());
        }
    }
    schedule();
}

void TesterSimulator::feed(char byte, qint64 due)
{
    m_frameDue = due;
    m_partial.append(byte);
    if (m_partial.size() < frameLength(m_partial.at(0)))
        return;
    const QByteArray frame = m_partial;
    m_partial.clear();
    if (m_frames.size() >= MaxFrames)
        m_frames.removeFirst();
    m_frames.append(frame);
    emit frameReceived(frame);
    if (m_powered)
        handleFrame(frame);
}

void TesterSimulator::handleFrame(const QByteArray &frame)
{
    const auto address = [&] { return (quint8(frame.at(1)) << 8) | quint8(frame.at(2)); };
    switch (frame.at(0)) {
    case 0x01:
        reply(QByteArray(1, 0x06), std::exchange(m_checkDelayMs, 0));
        break;
    case 'R':
        reply(QByteArray(1, m_memory.at(address())));
        break;
    case 'W':
        if (m_acksLeft == 0) {
            m_powered = false; // the tester hung: silent until powered again
            break;
        }
        if (m_acksLeft > 0)
            --m_acksLeft;
        if (address() == m_refuseAddress) {
            reply(QByteArray(1, 0x15));
            break;
        }
        if (m_storeWrites && address() != m_dropAddress)
            m_memory[address()] = frame.at(3);
        reply(QByteArray(1, 0x06));
        break;
    case 'D':
        m_lastClock = frame;
        break;
    case 'F': {
        const quint32 v = m_readings.value(quint8(frame.at(1)), 0);
        QByteArray r;
        r.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
        reply(r);
        break;
    }
    case 'C':
        ++m_calibrationStarts;
        break;
    default:
        break; // unknown bytes are ignored, as the tester does
    }
}

void TesterSimulator::sendUnasked(const QByteArray &bytes)
{
    queueOut(bytes, now());
}

void TesterSimulator::queueOut(const QByteArray &bytes, qint64 due)
{
    for (const char c : bytes) {
        if (m_paced) {
            m_outFree = std::max(m_outFree, due) + ByteTimeNs;
            due = m_outFree;
        }
        m_outgoing.push_back({c, due});
    }
    schedule();
}

void TesterSimulator::reply(const QByteArray &bytes, int extraDelayMs)
{
    QByteArray out = m_stray + bytes + m_trailing;
    m_stray.clear();
    m_trailing.clear();
    if (m_garbage) {
        out.append(char(0));
        for (char &c : out) {
            m_noise = m_noise * 1103515245u + 12345u;
            c = char(((m_noise >> 16) & 0xFF) | 0x80);
        }
    }
    // Replies leave when the request had fully arrived on the wire, not when
    // this process got round to it.
    queueOut(out,
             (m_paced ? m_frameDue : now()) + qint64(m_replyDelayMs + extraDelayMs) * 1'000'000);
}

void TesterSimulator::pump()
{
    const qint64 t = now();
    while (!m_incoming.empty() && m_incoming.front().due <= t) {
        const Timed b = m_incoming.front();
        m_incoming.pop_front();
        feed(b.byte, b.due);
    }
    QByteArray ready;
    while (!m_outgoing.empty() && m_outgoing.front().due <= t) {
        ready.append(m_outgoing.front().byte);
        m_outgoing.pop_front();
    }
    if (!ready.isEmpty() && m_line)
        m_line->write(ready);
    schedule();
}

void TesterSimulator::schedule()
{
    qint64 next = -1;
    if (!m_incoming.empty())
        next = m_incoming.front().due;
    if (!m_outgoing.empty())
        next = next < 0 ? m_outgoing.front().due : std::min(next, m_outgoing.front().due);
    if (next < 0)
        return;
    m_wake->wakeIn(next - now());
}
