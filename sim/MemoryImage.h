#pragma once

#include <QByteArray>
#include <QString>

// The simulated tester's 64 KiB parameter memory, laid out as the shipped
// parameter file of the firmware version says.
namespace MemoryImage {

constexpr int Size = 0x10000;

// "1.00" or "1.02"; any other version text gets the 1.00 layout with that
// version written in.
QByteArray forVersion(const QString &version = QStringLiteral("1.00"));

// Where a key lives in the layout of a version (-1 when it has none).
int addressOf(const QString &version, const QString &key);

} // namespace MemoryImage
