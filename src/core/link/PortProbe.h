#pragma once

#include <QString>

// Whether a serial device opens now, by opening and closing it again.
namespace PortProbe {
bool opens(const QString &device);
}
