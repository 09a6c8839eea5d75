#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>

#include <deque>

class SimLine;
class WakeTimer;

// A simulated ORVA tester on a pseudo-terminal. It answers the line protocol
// from a 64 KiB memory image and can be told to misbehave the ways real
// testers and cables do. Runs on the thread that created it.
class TesterSimulator : public QObject
{
    Q_OBJECT
public:
    explicit TesterSimulator(QObject *parent = nullptr);
    ~TesterSimulator() override;

    // Opens a pseudo-terminal (on Windows, which has none, a TCP port on
    // the loopback address); false with a reason when that fails.
    bool start(QString *error = nullptr);
    // Behind a TCP port on the loopback address (0: any free one), as a
    // serial-to-network bridge offers a tester.
    bool startTcp(quint16 port = 0, QString *error = nullptr);
    // What a program opens: a device, or tcp://127.0.0.1:PORT.
    QString devicePath() const { return m_devicePath; }
    bool isPluggedIn() const { return m_line != nullptr; }

    QByteArray &memory() { return m_memory; }
    void setReading(quint8 channel, quint32 value) { m_readings[channel] = value; }

    // Faults.
    void setPowered(bool on);
    bool isPowered() const { return m_powered; }
    void setPaced(bool on) { m_paced = on; }
    void stopAckAfter(int writes) { m_acksLeft = writes; }
    void injectStrayByte(char byte = char(0x55)) { m_stray.append(byte); }
    // One byte more right after the next reply.
    void appendToNextReply(char byte = char(0x5A)) { m_trailing.append(byte); }
    // The acknowledge of the next connection check comes this late.
    void delayNextCheckAnswer(int ms) { m_checkDelayMs = ms; }
    // Bytes sent now, unasked: noise, or what was still on its way to a
    // program that went away.
    void sendUnasked(const QByteArray &bytes);
    void setReplyDelayMs(int ms) { m_replyDelayMs = ms; }
    void setGarbage(bool on) { m_garbage = on; }
    void setStoreWrites(bool on) { m_storeWrites = on; }
    // Acknowledges writes to this address but keeps the old byte (-1: none).
    void dropWriteAt(int address) { m_dropAddress = address; }
    // Answers writes to this address with a refusal and keeps the old byte (-1: none).
    void refuseWriteAt(int address) { m_refuseAddress = address; }
    // Closes the line under the program, as an unplugged adapter does.
    void hangUp();
    // Plugged in again: a new pseudo-terminal (devicePath() changes).
    bool replug();

    // The most recent frames the simulator received, one entry each; older
    // ones are dropped so a simulator left running keeps a flat memory. The
    // bound is far above what one test's operations send (a load is ~600).
    static constexpr qsizetype MaxFrames = 16 * 1024;
    const QList<QByteArray> &frames() const { return m_frames; }
    QList<QByteArray> framesStartingWith(char command) const;
    // Bytes queued that have not reached the line yet.
    bool isSending() const { return !m_outgoing.empty(); }
    void clearFrames() { m_frames.clear(); }
    QByteArray lastClock() const { return m_lastClock; }
    int calibrationStarts() const { return m_calibrationStarts; }

signals:
    void frameReceived(const QByteArray &frame);

private:
    bool plugIn(SimLine *line, QString *error);
    void receive(const QByteArray &bytes);
    void feed(char byte, qint64 due);
    void handleFrame(const QByteArray &frame);
    void reply(const QByteArray &bytes, int extraDelayMs = 0);
    // Onto the wire from `due` on, one byte time apart when paced.
    void queueOut(const QByteArray &bytes, qint64 due);
    void pump();
    void schedule();
    qint64 now() const { return m_clock.nsecsElapsed(); }

    SimLine *m_line = nullptr;
    bool m_tcp = false;
    quint16 m_tcpPort = 0;
    QString m_devicePath;
    QByteArray m_memory;
    QMap<quint8, quint32> m_readings;

    bool m_powered = true;
    bool m_paced = false;
    int m_acksLeft = -1;
    QByteArray m_stray;
    QByteArray m_trailing;
    int m_checkDelayMs = 0;
    int m_replyDelayMs = 0;
    bool m_garbage = false;
    bool m_storeWrites = true;
    int m_dropAddress = -1;
    int m_refuseAddress = -1;
    quint32 m_noise = 0x2545F491;

    QByteArray m_partial;
    QList<QByteArray> m_frames;
    QByteArray m_lastClock;
    int m_calibrationStarts = 0;

    // Bytes on the wire with the time (ns) they are due at the far end.
    struct Timed
    {
        char byte;
        qint64 due;
    };
    std::deque<Timed> m_incoming;
    std::deque<Timed> m_outgoing;
    qint64 m_inFree = 0;
    qint64 m_outFree = 0;
    qint64 m_frameDue = 0; // when the frame being handled had fully arrived
    QElapsedTimer m_clock;
    WakeTimer *m_wake = nullptr;
};
