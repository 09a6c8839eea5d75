#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

struct HistoryEntry;

// A tester's latest known state in the register of testers: what its newest
// entry's document says of it, and that entry.
struct TesterRecord
{
    QString serial;
    QString model;
    QString firmware;
    QString garageName;
    QString town;
    QString expiryAsHeld; // "DD/MM/YYYY" as the tester holds it, odd or not
    QDate expiry;         // invalid when what it holds is no date
    qint64 lastEntry = 0;
    QDateTime lastAt; // UTC
    QString lastKind;
    QString lastOutcome;
    QString lastLevel;
    QString lastProgram;
    std::optional<int> lowBeamFactor;
    std::optional<int> highBeamFactor;

    // What an entry tells of its tester; the document is the state after it
    // (or before, when it has no after). Without a document only the visit
    // is known.
    static TesterRecord from(const HistoryEntry &entry);
    bool stateKnown = false; // false: the entry had no document

    // Days until the expiry date from `today`; none for an unreadable date.
    std::optional<qint64> daysLeft(const QDate &today) const;
    // "overdue", "due" (within `dueDays`), "ok" or "unknown" (no readable date).
    QString status(const QDate &today, int dueDays = 30) const;
    // As orva-cli testers --json prints it.
    QJsonObject toJson(const QDate &today) const;
};
