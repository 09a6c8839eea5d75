#include "SerialTrace.h"

#include "SerialLink.h"

#include <QDateTime>

namespace {
QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

SerialTrace::SerialTrace(SerialLink &link, QObject *parent)
    : QObject(parent)
{
    connect(&link, &SerialLink::bytesSent, this,
            [this](const QByteArray &b) { write(QStringLiteral("TX"), hex(b)); });
    connect(&link, &SerialLink::bytesReceived, this,
            [this](const QByteArray &b) { write(QStringLiteral("RX"), hex(b)); });
    connect(&link, &SerialLink::noted, this,
            [this](const QString &text) { write(QStringLiteral("--"), text); });
    connect(&link, &SerialLink::portLost, this, [this](const QString &reason) {
        write(QStringLiteral("--"), QStringLiteral("port lost: ") + reason);
    });
}

Result<> SerialTrace::open(const QString &path)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return {};
    return OrvaError(ErrorNumber::FileNotFound,
                     tr("cannot write the trace file %1: %2").arg(path, m_file.errorString()));
}

void SerialTrace::write(const QString &direction, const QString &text)
{
    if (!m_file.isOpen())
        return;
    const QString line =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
        QStringLiteral("  ") + direction + QStringLiteral("  ") + text + QLatin1Char('\n');
    // Flushed line by line: a crash or an unplugged PC must not lose the last lines.
    if ((m_file.write(line.toUtf8()) < 0 || !m_file.flush()) && m_failure.isEmpty())
        m_failure = tr("the trace file %1 could not be written: %2")
                        .arg(m_file.fileName(), m_file.errorString());
}
