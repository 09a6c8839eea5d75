#pragma once

#include "SqlDialect.h"

#include <QStringList>

// The history's tables, version by version. Each version's statements take a
// database of the version before to it; the same statements serve SQLite and
// PostgreSQL but for the key column.
namespace HistorySchema {

constexpr int Current = 5;

// The statements that take a database from version `version - 1` to `version`.
QStringList migration(int version, SqlDialect dialect);

} // namespace HistorySchema
