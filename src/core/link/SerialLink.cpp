#include "SerialLink.h"

SerialLink::SerialLink(QObject *parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::handleError);
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
    // Bytes left by an earlier program (one killed mid-send) are no reply to us.
    discardInput();
    m_step.reset();
    return {};
}

void SerialLink::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_buffer.clear();
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

bool SerialLink::reopenLost()
{
    if (!m_lost || m_port.isOpen())
        return m_port.isOpen();
    if (!open(m_device)) {
        m_lost = true;
        return false;
    }
    return true;
}

bool SerialLink::send(const QByteArray &bytes, qsizetype replyBytes)
{
    if (!m_port.isOpen())
        return false;
    m_step.sent(replyBytes);
    m_port.write(bytes);
    // Out now, not on the next turn of the event loop: a frame's reply comes sooner.
    m_port.flush();
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
    if (m_port.isOpen()) {
        dropped += m_port.readAll();
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

void SerialLink::readAvailable()
{
    const QByteArray bytes = m_port.readAll();
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
    if (!m_port.isOpen())
        return;
    const QString reason = m_port.errorString();
    m_port.clearError();
    m_port.close();
    m_lost = true;
    emit portLost(reason);
}
