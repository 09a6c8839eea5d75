#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

// Reads a whole file that must be an ordinary file of at most maxBytes. A
// FIFO, a directory or a device is refused without blocking, so no file name
// a user or a tester gives can hang the program.
namespace RegularFile {

Result<QByteArray> read(const QString &path, qint64 maxBytes);

} // namespace RegularFile
