#pragma once

#include "base/Result.h"
#include "history/HistoryEntry.h"

#include <QByteArray>
#include <QList>

// The record of a visit to hand to the workshop, one page of PDF: the tester,
// the workshop, each changed parameter and each calibration, the new expiry
// date, who did it, and a line to sign.
namespace ServiceReport {

// The entries of one tester: one day's, or a single one, oldest first.
QString html(const QList<HistoryEntry> &entries);
Result<QByteArray> pdf(const QList<HistoryEntry> &entries);

// The entries of `serial` on `day` (local time), oldest first.
QList<HistoryEntry> visit(const QList<HistoryEntry> &entries, const QString &serial,
                          const QDate &day);

} // namespace ServiceReport
