#pragma once

#include "HistoryEntry.h"
#include "HistoryLocation.h"
#include "HistoryQuery.h"
#include "PendingRecords.h"
#include "TesterRecord.h"
#include "base/Result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The service history: one entry per operation on a tester, in an SQLite file
// or on a PostgreSQL server, with its schema brought up to date when opened.
// Every change is one transaction, committed before the call returns.
//
// A server history is kept first in this machine's copy of it, an SQLite
// file: what is recorded there is pushed to the server when it can be
// reached, so work goes on without it. Reads go to the server and add the
// entries not yet pushed; without the server they show the copy.
class ServiceHistory
{
public:
    ~ServiceHistory();
    ServiceHistory(const ServiceHistory &) = delete;
    ServiceHistory &operator=(const ServiceHistory &) = delete;

    // To read a history that is not there is a mistake to report; to write
    // one creates it.
    enum class Mode { Create, Existing };
    // Opens, creating and migrating as needed. A history that cannot be
    // opened says where and why. Records this machine kept of it are given
    // to it (settle()).
    static Result<std::unique_ptr<ServiceHistory>> open(const HistoryLocation &location,
                                                        Mode mode = Mode::Create);
    // The history at `url`, or the settings file's, or the user's own; a
    // local one takes in the backups an earlier version left, once.
    static Result<std::unique_ptr<ServiceHistory>> openConfigured(const QString &url = {},
                                                                  Mode mode = Mode::Create);
    // Where earlier versions kept their backups.
    static QString backupFolder();

    // Where the user keeps it: for a server history, the server.
    const HistoryLocation &location() const { return m_server ? *m_server : m_location; }
    // This machine's copy of a server history: the file.
    static QString copyPath(const HistoryLocation &server);
    Result<int> schemaVersion() const;

    // The entry of an operation about to write, committed before it starts
    // (outcome "started"); its id.
    Result<qint64> begin(const HistoryEntry &entry);
    // The outcome, what the tester acknowledged and a calibration's answer.
    // A history that cannot take it, even after a few tries and a new
    // session with the server, gets it later: it is kept on this machine.
    Result<> finish(qint64 id, const HistoryEntry &entry);
    // An operation that wrote nothing, recorded whole.
    Result<qint64> add(const HistoryEntry &entry);

    // Gives the history the ends this machine kept, and marks "interrupted"
    // the entries whose programs ended before they did.
    Result<> settle();
    // A read of the tester closes its interrupted entries with what it holds.
    Result<> closeInterrupted(const QString &serial, const TesterState &state);

    // Newest first, with their documents; of one tester when a serial number is given.
    Result<QList<HistoryEntry>> entries(const QString &serial = {}) const;
    // The entries a query asks for, all at once.
    Result<QList<HistoryEntry>> collect(const HistoryQuery &query) const;
    // The entries a query asks for, newest first, one at a time as they are
    // read: memory does not grow with the history. `row` returns false to stop.
    Result<> list(const HistoryQuery &query,
                  const std::function<bool(const HistoryEntry &)> &row) const;
    // The register of testers, soonest expiry first (see TesterRegister::list).
    Result<> testers(const std::optional<QDate> &dueBy,
                     const std::function<bool(const TesterRecord &)> &row) const;
    Result<HistoryEntry> entry(qint64 id) const;

    // Of a server history: gives the server what this machine's copy holds
    // that it does not (every entry once, whatever is repeated or cut short);
    // how many entries went. Tries the server at most every minute unless
    // `now` is asked.
    Result<int> push(bool now = false);
    // Entries of this machine not yet on the server.
    Result<int> pendingCount() const;
    // The number an entry recorded here has where the user looks for it: on
    // the server, once pushed; none while it waits on this machine.
    std::optional<qint64> shownId(qint64 id) const;
    // Why the server could not be used at the last try; empty when it could.
    QString serverProblem() const { return m_serverProblem; }
    // On the server: an entry pushed by a machine, added, or brought up to
    // date when its uuid is known; its id there.
    Result<qint64> receive(const HistoryEntry &entry);

    // The parameter documents an earlier version kept in `folder`, taken in
    // once: later calls import nothing, and the folder is left as it is.
    Result<int> importBackups(const QString &folder);

private:
    ServiceHistory(const HistoryLocation &location, QString connection);
    static Result<std::unique_ptr<ServiceHistory>> openCopy(const HistoryLocation &server,
                                                            Mode mode);
    ServiceHistory *server() const;
    Result<> listHere(const HistoryQuery &query,
                      const std::function<bool(const HistoryEntry &)> &row) const;
    Result<> testersHere(const std::optional<QDate> &dueBy,
                         const std::function<bool(const TesterRecord &)> &row) const;
    Result<HistoryEntry> entryHere(qint64 id) const;
    Result<> markPushed(qint64 id, qint64 revision, qint64 serverId);
    Result<> migrate();
    // What a listing and the register need, worked out once for the entries
    // an older schema holds; the database's error, or empty.
    QString fillSummaries();
    // Begins a transaction that will write; why it cannot, or empty.
    QString beginWrite();
    Result<qint64> insert(const HistoryEntry &entry);
    Result<> update(qint64 id, const HistoryEntry &entry);
    // Runs `step` again, on a new session, while it fails, a few times.
    template <typename T> Result<T> retried(const std::function<Result<T>()> &step);
    void reconnect();
    Result<> insertCalibration(qint64 id, const HistoryEntry &entry);
    OrvaError failure(const QString &what, const QString &detail) const;

    HistoryLocation m_location;
    QString m_connection;
    PendingRecords m_pending;
    // Of a machine's copy: the server it keeps, once opened.
    std::optional<HistoryLocation> m_server;
    Mode m_serverMode = Mode::Create;
    mutable std::unique_ptr<ServiceHistory> m_serverHistory;
    mutable QDateTime m_serverTried;
    mutable QString m_serverProblem;
};
