#include "PortProbe.h"

#include "SerialLink.h"

bool PortProbe::opens(const QString &device)
{
    SerialLink probe;
    const bool opened = bool(probe.open(device));
    probe.close();
    return opened;
}
