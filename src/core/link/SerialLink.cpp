#include "SerialLink.h"

#include "LinkWait.h"
#include "base/ProgramClosing.h"

SerialLink::SerialLink(QObject *parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::handleError);
    connect(&m_socket, &QTcpSocket::readyRead, this, &SerialLink::readAvailable);
    connect(&m_socket, &QTcpSocket::connected, this, &SerialLink::connectionSettled);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &SerialLink::handleSocketGone);
    connect(&m_socket, &QTcpSocket::disconnected, this, &SerialLink::handleSocketGone);
}

SerialLink::~SerialLink()
{
    close();
}

static OrvaError openError(QSerialPort::SerialPortError error, const QString &device,
                           const QString &detail)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {ErrorNumber::InvalidPortNumber,
                SerialLink::tr("Invalid port number: the serial device %1 does not exist.")
                    .arg(device)};
    case QSerialPort::PermissionError:
        return {ErrorNumber::PortAlreadyOpen,
                SerialLink::tr("Port already open: %1 is in use by another program, or this user "
                               "may not open it. Close the other program; on Linux, join the "
                               "dialout group (sudo usermod -aG dialout $USER) and log in again.")
                    .arg(device)};
    case QSerialPort::OpenError:
        return {ErrorNumber::PortAlreadyOpen,
                SerialLink::tr("Port already open: %1 is already open.").arg(device)};
    default:
        return {
            ErrorNumber::DeviceNotOpen,
            SerialLink::tr("Device is not open: %1 could not be opened (%2).").arg(device, detail)};
    }
}

Result<> SerialLink::open(const QString &device)
{
    close();
    m_device = device;
    m_lost = false;
    if (device.isEmpty())
        return OrvaError(ErrorNumber::InvalidPortNumber,
                         tr("Invalid port number: no serial device has this number."));
    const Result<LineAddress> line = LineAddress::parse(device);
    if (!line)
        return line.error();
    m_line = *line;
    m_device = m_line.name();
    if (m_line.isNetwork())
        return openNetwork();
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud2400);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const auto error = m_port.error();
        const QString detail = m_port.errorString();
        m_port.clearError();
        return openError(error, device, detail);
    }
    m_io = &m_port;
    // Bytes left by an earlier program (one killed mid-send) are no reply to us.
    discardInput();
    m_step.reset();
    return {};
}

Result<> SerialLink::openNetwork()
{
    m_telnet.reset();
    m_socket.connectToHost(m_line.host, m_line.port);
    WaitResult waited = WaitResult::TimedOut;
    try {
        waited = LinkWait::forConnection(*this, ConnectMs);
    } catch (const ProgramClosing &) {
        // The operation that follows unwinds; an open only fails.
    }
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        const auto error = m_socket.error();
        const QString detail = m_socket.errorString();
        m_socket.abort();
        QString why;
        if (waited == WaitResult::TimedOut && error != QAbstractSocket::ConnectionRefusedError &&
            error != QAbstractSocket::HostNotFoundError)
            why = tr("no connection within %1 s: check the address, the network and that the "
                     "bridge is switched on")
                      .arg(ConnectMs / 1000);
        else if (error == QAbstractSocket::ConnectionRefusedError)
            why = tr("the connection was refused: check that the bridge runs and serves this "
                     "port, and that no other program holds it");
        else if (error == QAbstractSocket::HostNotFoundError)
            why = tr("the host %1 is not known: check the address").arg(m_line.host);
        else
            why = tr("%1: check the address, the network and the bridge").arg(detail);
        return OrvaError(ErrorNumber::DeviceNotOpen,
                         tr("Device is not open: %1 cannot be reached, %2.").arg(m_device, why));
    }
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_io = &m_socket;
    if (m_line.kind == LineAddress::Kind::Rfc2217)
        m_socket.write(TelnetFilter::opening());
    m_step.reset();
    return {};
}

void SerialLink::close()
{
    QIODevice *const io = m_io;
    // Cleared first: a socket closed on purpose is no line lost.
    m_io = nullptr;
    if (io == &m_socket || m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    if (m_port.isOpen())
        m_port.close();
    m_buffer.clear();
}

bool SerialLink::isOpen() const
{
    return m_io == &m_port
               ? m_port.isOpen()
               : m_io == &m_socket && m_socket.state() == QAbstractSocket::ConnectedState;
}

bool SerialLink::isConnecting() const
{
    return m_io == nullptr && (m_socket.state() == QAbstractSocket::HostLookupState ||
                               m_socket.state() == QAbstractSocket::ConnectingState);
}

bool SerialLink::reopenLost()
{
    if (!m_lost || isOpen())
        return isOpen();
    if (!open(m_device)) {
        m_lost = true;
        return false;
    }
    return true;
}

bool SerialLink::send(const QByteArray &bytes, qsizetype replyBytes)
{
    if (!isOpen())
        return false;
    m_step.sent(replyBytes);
    m_io->write(m_line.kind == LineAddress::Kind::Rfc2217 ? TelnetFilter::escaped(bytes) : bytes);
    // Out now, not on the next turn of the event loop: a frame's reply comes sooner.
    if (m_io == &m_port)
        m_port.flush();
    else
        m_socket.flush();
    emit bytesSent(bytes);
    return true;
}

QByteArray SerialLink::take(qsizetype count)
{
    const QByteArray taken = m_buffer.left(count);
    m_buffer.remove(0, taken.size());
    return taken;
}

void SerialLink::discardInput()
{
    QByteArray dropped;
    dropped.swap(m_buffer);
    if (isOpen()) {
        dropped += readLine();
        if (m_io == &m_port)
            m_port.clear(QSerialPort::Input);
    }
    if (!dropped.isEmpty())
        emit noted(QStringLiteral("discarded %1 byte(s) waiting on the line: %2")
                       .arg(dropped.size())
                       .arg(QString::fromLatin1(dropped.left(16).toHex(' ').toUpper())));
}

void SerialLink::shutdown()
{
    m_shuttingDown = true;
    close();
    emit closing();
}

QByteArray SerialLink::readLine()
{
    const QByteArray raw = m_io->readAll();
    if (m_line.kind != LineAddress::Kind::Rfc2217)
        return raw;
    QByteArray replies;
    const QByteArray data = m_telnet.incoming(raw, replies);
    if (!replies.isEmpty())
        m_socket.write(replies);
    return data;
}

void SerialLink::readAvailable()
{
    if (!m_io)
        return;
    const QByteArray bytes = readLine();
    if (bytes.isEmpty())
        return;
    m_buffer.append(bytes);
    const bool wasInStep = m_step.inStep();
    m_step.arrived(bytes.size());
    emit bytesReceived(bytes);
    if (wasInStep && !m_step.inStep())
        emit noted(QStringLiteral("lost step: %1 byte(s) came that no command was waiting for")
                       .arg(bytes.size()));
    emit received();
}

void SerialLink::handleError(QSerialPort::SerialPortError error)
{
    // Pseudo-terminals refuse the modem-line calls; that is harmless.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError)
        return;
    if (m_io != &m_port || !m_port.isOpen())
        return;
    const QString reason = m_port.errorString();
    m_port.clearError();
    lose(reason);
}

void SerialLink::handleSocketGone()
{
    if (m_io != &m_socket) {
        // Still connecting: the open's wait takes the failure.
        emit connectionSettled();
        return;
    }
    // What came before the bridge went away is read first, as a serial
    // port's driver would have delivered it.
    if (m_socket.bytesAvailable() > 0)
        readAvailable();
    lose(m_socket.errorString());
}

void SerialLink::lose(const QString &reason)
{
    close();
    m_lost = true;
    emit portLost(reason);
}
