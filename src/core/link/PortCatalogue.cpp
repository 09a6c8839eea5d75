#include "PortCatalogue.h"

#include "LineAddress.h"
#include "SerialLink.h"

#include <QSerialPortInfo>

#include <QCoreApplication>
#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PortCatalogue)
};
} // namespace

PortCatalogue::PortCatalogue(const QStringList &extraDevices, bool withSystemPorts)
{
    for (const QString &d : extraDevices) {
        const Result<LineAddress> line = LineAddress::parse(d);
        if (line && line->isNetwork())
            m_ports.append({line->name(), Texts::tr("serial-to-network bridge"), true});
        else
            m_ports.append({d, Texts::tr("named on the command line"), false});
    }
#ifndef Q_OS_WIN
    if (!withSystemPorts)
        return;
    auto infos = QSerialPortInfo::availablePorts();
    std::sort(infos.begin(), infos.end(),
              [](const auto &a, const auto &b) { return a.systemLocation() < b.systemLocation(); });
    for (const auto &info : infos) {
        if (extraDevices.contains(info.systemLocation()))
            continue;
        QStringList parts;
        if (!info.description().isEmpty())
            parts << info.description();
        if (!info.manufacturer().isEmpty())
            parts << info.manufacturer();
        if (!info.serialNumber().isEmpty())
            parts << Texts::tr("serial %1").arg(info.serialNumber());
        m_ports.append({info.systemLocation(), parts.join(QStringLiteral(", ")), false});
    }
#else
    Q_UNUSED(withSystemPorts);
#endif
}

std::optional<QString> PortCatalogue::device(int number) const
{
    if (number < 1 || number > MaxPorts)
        return std::nullopt;
#ifdef Q_OS_WIN
    if (number > m_ports.size())
        return QStringLiteral("COM%1").arg(number);
#endif
    if (number > m_ports.size())
        return std::nullopt;
    return m_ports[number - 1].device;
}

QString PortCatalogue::tooltip(int number) const
{
    const QString d = device(number).value_or(QString());
    if (number < 1 || number > m_ports.size())
        return d;
    const QString &description = m_ports[number - 1].description;
    return description.isEmpty() ? d : QStringLiteral("%1 (%2)").arg(d, description);
}

QList<int> PortCatalogue::usableNumbers() const
{
    QList<int> usable;
    SerialLink probe;
    for (int n = 1; n <= MaxPorts; ++n) {
        const auto d = device(n);
        // A bridge is offered unprobed: connecting may take seconds, and it
        // may be switched on after the program.
        if (n <= m_ports.size() && m_ports[n - 1].network)
            usable.append(n);
        else if (d && probe.open(*d))
            usable.append(n);
        probe.close();
    }
    return usable;
}

QString PortCatalogue::entry(int number) const
{
    if (number >= 1 && number <= m_ports.size() && m_ports[number - 1].network)
        return QStringLiteral("Com%1 %2").arg(number).arg(m_ports[number - 1].device);
    return entryText(number);
}

QString PortCatalogue::entryText(int number)
{
    return QStringLiteral("Com%1 :2400,8,n,1").arg(number);
}

std::optional<int> PortCatalogue::numberOf(const QString &entry)
{
    if (!entry.startsWith(QLatin1String("Com")) || entry.size() < 4 || !entry.at(3).isDigit())
        return std::nullopt;
    int n = 0;
    for (qsizetype i = 3; i < entry.size() && entry.at(i).isDigit(); ++i)
        n = std::min(n * 10 + entry.at(i).digitValue(), 1000);
    return n;
}
