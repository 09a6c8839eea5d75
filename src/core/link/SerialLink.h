#pragma once

#include "StepRule.h"
#include "base/Result.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

// The tester's serial line: one port at a time, 2400 baud 8N1, and a receive
// buffer that the commands take from. One readyRead is not one reply, so
// everything that arrives is appended here first, and counted against what
// the last command said it expects (see StepRule).
class SerialLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Errors 8002, 8005 or 8012 when the device cannot be opened. Whatever
    // the line held before is dropped.
    Result<> open(const QString &device);
    void close();
    bool isOpen() const;
    QString device() const { return m_device; }
    // The settings the port is opened with, as the port reports them.
    QSerialPort::BaudRate baudRate() const { return QSerialPort::BaudRate(m_port.baudRate()); }
    QSerialPort::DataBits dataBits() const { return m_port.dataBits(); }
    QSerialPort::Parity parity() const { return m_port.parity(); }
    QSerialPort::StopBits stopBits() const { return m_port.stopBits(); }
    QSerialPort::FlowControl flowControl() const { return m_port.flowControl(); }

    // The port went away under us (adapter unplugged, peer gone): try the
    // same device again, so a tester plugged back in is found.
    bool wasLost() const { return m_lost; }
    bool reopenLost();

    // Sends a command whose reply is `replyBytes` long; false when the port
    // is closed.
    bool send(const QByteArray &bytes, qsizetype replyBytes);
    qsizetype waiting() const { return m_buffer.size(); }
    QByteArray take(qsizetype count);
    // Drops everything received so far, here and in the driver.
    void discardInput();

    const StepRule &step() const { return m_step; }
    void gaveUp() { m_step.gaveUp(); }
    void loseStep() { m_step.lose(); }
    void resynced() { m_step.resynced(); }

    // Something a trace of the line should show (a time-out, an abort).
    void note(const QString &text) { emit noted(text); }

    // The program is closing: every wait ends and unwinds its operation.
    void shutdown();
    bool isShuttingDown() const { return m_shuttingDown; }

signals:
    void received();
    void portLost(const QString &reason);
    void closing();
    void bytesSent(const QByteArray &bytes);
    void bytesReceived(const QByteArray &bytes);
    void noted(const QString &text);

private:
    void readAvailable();
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device;
    QByteArray m_buffer;
    StepRule m_step;
    bool m_lost = false;
    bool m_shuttingDown = false;
};
