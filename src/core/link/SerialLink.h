#pragma once

#include "LineAddress.h"
#include "StepRule.h"
#include "TelnetFilter.h"
#include "base/Result.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTcpSocket>

// The tester's line: one at a time, a serial port at 2400 baud 8N1 or a
// serial-to-network bridge, and a receive buffer that the commands take from.
// Everything above it is the same code whichever the line is. One readyRead is not one reply, so
// everything that arrives is appended here first, and counted against what
// the last command said it expects (see StepRule).
class SerialLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // How long opening a network line may take to connect.
    static constexpr int ConnectMs = 5000;

    // A device, or tcp://HOST:PORT, or rfc2217://HOST:PORT (see LineAddress).
    // Errors 8002, 8005 or 8012 when the line cannot be opened. Whatever the
    // line held before is dropped.
    Result<> open(const QString &device);
    void close();
    bool isOpen() const;
    // The line as named: the device, or the bridge's address.
    QString device() const { return m_device; }
    bool isNetwork() const { return m_line.isNetwork(); }
    // A network line being connected (see LinkWait::forConnection).
    bool isConnecting() const;
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
    // A network line connected, or failed to.
    void connectionSettled();
    void portLost(const QString &reason);
    void closing();
    void bytesSent(const QByteArray &bytes);
    void bytesReceived(const QByteArray &bytes);
    void noted(const QString &text);

private:
    Result<> openNetwork();
    void readAvailable();
    QByteArray readLine();
    void handleError(QSerialPort::SerialPortError error);
    void handleSocketGone();
    void lose(const QString &reason);

    QSerialPort m_port;
    QTcpSocket m_socket;
    // The one in use: m_port or m_socket; none when closed.
    QIODevice *m_io = nullptr;
    LineAddress m_line;
    TelnetFilter m_telnet;
    QString m_device;
    QByteArray m_buffer;
    StepRule m_step;
    bool m_lost = false;
    bool m_shuttingDown = false;
};
