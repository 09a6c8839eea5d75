#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

// The tester's serial line: one port at a time, 2400 baud 8N1, and a receive
// buffer that the commands take from. One readyRead is not one reply, so
// everything that arrives is appended here first.
class SerialLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Throws OrvaError 8002, 8005 or 8012 when the device cannot be opened.
    void open(const QString &device);
    void close();
    bool isOpen() const;
    QString device() const { return m_device; }

    // The port went away under us (adapter unplugged, peer gone): try the
    // same device again, so a tester plugged back in is found.
    bool wasLost() const { return m_lost; }
    bool reopenLost();

    // Throws OrvaError 8012 when the port is not open.
    void send(const QByteArray &bytes);
    qsizetype waiting() const { return m_buffer.size(); }
    QByteArray takeAll();
    QByteArray take(qsizetype count);

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
    bool m_lost = false;
    bool m_shuttingDown = false;
};
