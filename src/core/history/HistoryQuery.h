#pragma once

#include "HistoryEntry.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Which entries a listing wants, newest first. Every filter is optional.
struct HistoryQuery
{
    QString serial;
    std::optional<HistoryEntry::Kind> kind;
    std::optional<HistoryEntry::Ending> outcome;
    QDateTime since;     // at or after
    QDateTime until;     // before
    qint64 beforeId = 0; // entries older than this one: the next page
    int limit = 0;       // 0: all
    // Only the entries a machine's copy of a server history has not pushed.
    bool pendingOnly = false;
    // A listing reads no document; a report needs them.
    bool documents = false;
};
