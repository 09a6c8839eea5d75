#pragma once

#include "HistoryEntry.h"
#include "base/Result.h"

#include <QList>
#include <QLockFile>
#include <QString>

#include <map>
#include <memory>

// What this machine knows of the records of one history that the history
// itself may not: which entries a program here is writing right now (a lock
// it holds while the write runs), and the end of a record the history could
// not take, kept until it can. Files in the user's data folder, so a
// history that is locked, full or out of reach loses nothing.
class PendingRecords
{
public:
    // `history` names the history (its location, as described).
    explicit PendingRecords(const QString &history, const QString &folder = defaultFolder());
    ~PendingRecords();
    PendingRecords(const PendingRecords &) = delete;
    PendingRecords &operator=(const PendingRecords &) = delete;

    static QString defaultFolder();

    // The entry is being written by this program until finished() or kept().
    Result<> started(qint64 id);
    // The entry's end, to be given to the history later.
    Result<> keep(const HistoryEntry &entry);
    // The history has the entry's end: nothing is kept of it any more.
    void finished(qint64 id);

    struct Left
    {
        qint64 id = 0;
        std::optional<HistoryEntry> end; // none: its program ended before it did
    };
    // The entries of this history whose programs ended without finishing
    // them; those still being written are not listed.
    QList<Left> left() const;

private:
    QString path(qint64 id, const char *suffix) const;

    QString m_folder;
    QString m_prefix;
    std::map<qint64, std::unique_ptr<QLockFile>> m_locks;
};
