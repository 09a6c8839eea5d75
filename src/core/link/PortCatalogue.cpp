#include "PortCatalogue.h"

#include "LineAddress.h"
#include "PortProbe.h"

#include <QSerialPortInfo>

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PortCatalogue)
};

// The n of "COMn" (any case), or 0.
int comNumber(const QString &device)
{
    static const QRegularExpression com(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?COM([1-9][0-9]?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(device);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
} // namespace

PortCatalogue::PortCatalogue(const QStringList &extraDevices, bool withSystemPorts)
    : PortCatalogue(extraDevices, withSystemPorts ? systemPorts() : QList<SystemPort>(),
                    platformNaming())
{}

PortCatalogue::PortCatalogue(const QStringList &extraDevices, const QList<SystemPort> &systemPorts,
                             Naming naming)
{
    QList<Port> extras;
    for (const QString &d : extraDevices) {
        const Result<LineAddress> line = LineAddress::parse(d);
        if (line && line->isNetwork())
            extras.append({line->name(), Texts::tr("serial-to-network bridge"), true});
        else
            extras.append({d, Texts::tr("named on the command line"), false});
    }
    if (naming == Naming::ByComNumber)
        byComNumber(extras, systemPorts);
    else
        byPosition(extras, systemPorts);
}

PortCatalogue::Naming PortCatalogue::platformNaming()
{
#ifdef Q_OS_WIN
    return Naming::ByComNumber;
#else
    return Naming::ByPosition;
#endif
}

QList<PortCatalogue::SystemPort> PortCatalogue::systemPorts()
{
    QList<SystemPort> ports;
    for (const auto &info : QSerialPortInfo::availablePorts()) {
        QStringList parts;
        if (!info.description().isEmpty())
            parts << info.description();
        if (!info.manufacturer().isEmpty())
            parts << info.manufacturer();
        if (!info.serialNumber().isEmpty())
            parts << Texts::tr("serial %1").arg(info.serialNumber());
        // Windows' "location" is \\.\COMn; its port name is what users know.
        const QString device =
            platformNaming() == Naming::ByComNumber ? info.portName() : info.systemLocation();
        ports.append({device, parts.join(QStringLiteral(", "))});
    }
    return ports;
}

void PortCatalogue::byPosition(const QList<Port> &extras, const QList<SystemPort> &systemPorts)
{
    m_ports = extras;
    QList<SystemPort> sorted = systemPorts;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto &a, const auto &b) { return a.device < b.device; });
    for (const SystemPort &p : sorted) {
        if (std::none_of(extras.begin(), extras.end(),
                         [&](const Port &e) { return e.device == p.device; }))
            m_ports.append({p.device, p.description, false});
    }
    m_ports = m_ports.mid(0, MaxPorts);
}

void PortCatalogue::byComNumber(const QList<Port> &extras, const QList<SystemPort> &systemPorts)
{
    QList<bool> taken(MaxPorts, false);
    for (int n = 1; n <= MaxPorts; ++n)
        m_ports.append({QStringLiteral("COM%1").arg(n), QString(), false});
    for (const SystemPort &p : systemPorts) {
        const int n = comNumber(p.device);
        if (n >= 1 && n <= MaxPorts) {
            m_ports[n - 1].description = p.description;
            taken[n - 1] = true;
        }
    }
    // A COM port named again keeps its number; anything else takes the first
    // number no port has, so the system's ports do not move. With all sixteen
    // taken, what the user named is still offered, on the last numbers.
    QList<bool> named(MaxPorts, false);
    QList<Port> others;
    for (const Port &e : extras) {
        const int n = e.network ? 0 : comNumber(e.device);
        if (n >= 1 && n <= MaxPorts) {
            m_ports[n - 1] = {QStringLiteral("COM%1").arg(n), e.description, false};
            taken[n - 1] = named[n - 1] = true;
        } else {
            others.append(e);
        }
    }
    QList<int> numbers;
    for (int i = 0; i < MaxPorts && numbers.size() < others.size(); ++i)
        if (!taken[i])
            numbers.append(i);
    for (int i = MaxPorts - 1; i >= 0 && numbers.size() < others.size(); --i)
        if (taken[i] && !named[i])
            numbers.append(i);
    std::sort(numbers.begin(), numbers.end());
    for (int k = 0; k < numbers.size(); ++k)
        m_ports[numbers[k]] = others[k];
}

const PortCatalogue::Port *PortCatalogue::port(int number) const
{
    if (number < 1 || number > m_ports.size() || m_ports[number - 1].device.isEmpty())
        return nullptr;
    return &m_ports[number - 1];
}

std::optional<QString> PortCatalogue::device(int number) const
{
    if (const Port *p = port(number))
        return p->device;
    return std::nullopt;
}

QString PortCatalogue::tooltip(int number) const
{
    const Port *p = port(number);
    if (!p)
        return QString();
    return p->description.isEmpty() ? p->device
                                    : QStringLiteral("%1 (%2)").arg(p->device, p->description);
}

QList<int> PortCatalogue::usableNumbers() const
{
    QList<int> usable;
    for (int n = 1; n <= MaxPorts; ++n) {
        const Port *p = port(n);
        // A bridge is offered unprobed: connecting may take seconds, and it
        // may be switched on after the program.
        if (p && (p->network || PortProbe::opens(p->device)))
            usable.append(n);
    }
    return usable;
}

QString PortCatalogue::entry(int number) const
{
    if (const Port *p = port(number); p && p->network)
        return QStringLiteral("Com%1 %2").arg(number).arg(p->device);
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
