#pragma once

#include "TesterRecord.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

// The table of each tester's latest known state, kept by the service history
// in the transaction of each entry. Each function returns the database's
// error, empty when it went through.
namespace TesterRegister {

// What `record`'s entry tells, unless the register knows a newer entry of
// that tester. An entry without a document leaves the known state as it is.
QString record(const QSqlDatabase &db, const TesterRecord &record);

// The testers, soonest expiry first, those with no readable date last; with
// `dueBy`, only those due by that day (and those whose date is unreadable).
// `row` returns false to stop.
QString list(const QSqlDatabase &db, const std::optional<QDate> &dueBy,
             const std::function<bool(const TesterRecord &)> &row);

} // namespace TesterRegister
