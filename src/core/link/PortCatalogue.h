#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// "Com n" (1 to 16) to a device. On Windows the device COMn; elsewhere the
// n-th of a stable list: the devices and network lines named on the command
// line first, then the system's serial devices sorted by name.
class PortCatalogue
{
public:
    static constexpr int MaxPorts = 16;

    explicit PortCatalogue(const QStringList &extraDevices = {}, bool withSystemPorts = true);

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
        QString device;
        QString description;
        bool network = false;
    };
    QList<Port> m_ports;
};
