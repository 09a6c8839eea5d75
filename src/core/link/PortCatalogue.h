#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// "Com n" (1 to 16) to a device. By COM number, as Windows names its ports:
// "Com3" is COM3, and a device or network line named on the command line
// takes the first number no port of the system has. By position elsewhere:
// the devices and network lines named on the command line first, then the
// system's serial devices sorted by name.
class PortCatalogue
{
public:
    static constexpr int MaxPorts = 16;

    enum class Naming { ByPosition, ByComNumber };
    struct SystemPort
    {
        QString device;
        QString description;
    };

    // The system's ports as this platform names them.
    explicit PortCatalogue(const QStringList &extraDevices = {}, bool withSystemPorts = true);
    PortCatalogue(const QStringList &extraDevices, const QList<SystemPort> &systemPorts,
                  Naming naming);

    static Naming platformNaming();
    static QList<SystemPort> systemPorts();

    // The device of "Com n"; none when the list has no n-th device.
    std::optional<QString> device(int number) const;
    QString tooltip(int number) const;
    // The numbers whose device opens now, in order: what the port list offers.
    QList<int> usableNumbers() const;

    // The port list's text of "Com n": a network line shows its address.
    QString entry(int number) const;
    static QString entryText(int number);
    // The number written after "Com" in an entry, up to the blank.
    static std::optional<int> numberOf(const QString &entry);

private:
    struct Port
    {
        QString device; // empty: no port has this number
        QString description;
        bool network = false;
    };
    void byPosition(const QList<Port> &extras, const QList<SystemPort> &systemPorts);
    void byComNumber(const QList<Port> &extras, const QList<SystemPort> &systemPorts);
    const Port *port(int number) const;

    QList<Port> m_ports; // index: number - 1
};
