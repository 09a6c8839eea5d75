// ServiceHistory as this machine's copy of a server history: recording goes
// to the copy, pushing gives the server what the copy holds, reads go to the
// server and add what has not reached it.
#include "ServiceHistory.h"

#include "SqlStatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ServiceHistory)
};

constexpr int HistoryError = 70;
constexpr int ServerRetrySeconds = 60; // a server out of reach is not asked at every step
constexpr int PushBatch = 200;
} // namespace

QString ServiceHistory::copyPath(const HistoryLocation &server)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    const QString name = QStringLiteral("%1@%2_%3_%4")
                             .arg(server.user, server.host)
                             .arg(server.port)
                             .arg(server.database)
                             .replace(unsafe, QStringLiteral("_"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvaps/servers/%1.sqlite").arg(name);
}

Result<std::unique_ptr<ServiceHistory>> ServiceHistory::openCopy(const HistoryLocation &server,
                                                                 Mode mode)
{
    HistoryLocation copy;
    copy.path = copyPath(server);
    copy.lockWaitMs = server.lockWaitMs;
    Result<std::unique_ptr<ServiceHistory>> history = open(copy, Mode::Create);
    if (!history)
        return history;
    history.value()->m_server = server;
    history.value()->m_serverMode = mode;
    history.value()->push(true); // what an earlier run left; without the server, later
    return history;
}

ServiceHistory *ServiceHistory::server() const
{
    if (!m_server)
        return nullptr;
    if (m_serverHistory)
        return m_serverHistory.get();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_serverTried.isValid() && m_serverTried.secsTo(now) < ServerRetrySeconds)
        return nullptr;
    m_serverTried = now;
    Result<std::unique_ptr<ServiceHistory>> opened = open(*m_server, m_serverMode);
    if (!opened) {
        m_serverProblem = opened.error().description();
        return nullptr;
    }
    m_serverProblem.clear();
    m_serverHistory = std::move(opened.value());
    return m_serverHistory.get();
}

Result<int> ServiceHistory::push(bool now)
{
    if (!m_server)
        return 0;
    if (now && !m_serverHistory)
        m_serverTried = QDateTime();
    ServiceHistory *target = server();
    if (!target)
        return OrvaError(HistoryError, m_serverProblem.isEmpty()
                                           ? Texts::tr("The server history was tried less than "
                                                       "a minute ago.")
                                           : m_serverProblem);
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    int pushed = 0;
    for (;;) {
        QList<std::pair<qint64, qint64>> waiting; // id, revision
        {
            SqlStatement s(db, QStringLiteral("SELECT id, revision FROM entries WHERE "
                                              "pushed_revision <> revision ORDER BY id LIMIT %1")
                                   .arg(PushBatch));
            if (!s.ok())
                return failure(Texts::tr("cannot be read"), s.error);
            while (s.query.next())
                waiting.append({s.query.value(0).toLongLong(), s.query.value(1).toLongLong()});
        }
        int marked = 0;
        for (const auto &[id, revision] : waiting) {
            Result<HistoryEntry> entry = entryHere(id);
            if (!entry)
                return entry.error();
            // Read after its revision: what goes is never older than its label.
            entry.value().revision = revision;
            const Result<qint64> serverId = target->receive(*entry);
            if (!serverId) {
                // A session that failed is opened anew at the next try.
                m_serverProblem = serverId.error().description();
                m_serverHistory.reset();
                m_serverTried = QDateTime::currentDateTimeUtc();
                return serverId.error();
            }
            if (const Result<> m = markPushed(id, revision, *serverId); !m)
                return m.error();
            ++marked;
        }
        pushed += marked;
        // A batch short of full was the last; one whose entries all changed
        // while it went is taken again next time, not now.
        if (waiting.size() < PushBatch || marked == 0)
            return pushed;
    }
}

Result<> ServiceHistory::markPushed(qint64 id, qint64 revision, qint64 serverId)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // Changed since it was read: the change goes at the next push.
    SqlStatement s(db,
                   QStringLiteral("UPDATE entries SET pushed_revision = ?, server_id = ? WHERE "
                                  "id = ? AND revision = ?"),
                   {revision, serverId, id, revision});
    if (!s.ok())
        return failure(Texts::tr("cannot be written"), s.error);
    return {};
}

Result<int> ServiceHistory::pendingCount() const
{
    if (!m_server)
        return 0;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    SqlStatement s(db, QStringLiteral("SELECT COUNT(*) FROM entries WHERE pushed_revision <> "
                                      "revision"));
    if (!s.ok() || !s.query.next())
        return failure(Texts::tr("cannot be read"), s.error);
    return s.query.value(0).toInt();
}

std::optional<qint64> ServiceHistory::shownId(qint64 id) const
{
    if (!m_server)
        return id;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    SqlStatement s(db,
                   QStringLiteral("SELECT server_id FROM entries WHERE id = ? AND "
                                  "pushed_revision = revision"),
                   {id});
    if (!s.ok() || !s.query.next() || s.query.value(0).isNull())
        return std::nullopt;
    return s.query.value(0).toLongLong();
}

Result<qint64> ServiceHistory::receive(const HistoryEntry &entry)
{
    return retried<qint64>([&]() -> Result<qint64> {
        const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        qint64 id = 0;
        {
            SqlStatement found(db, QStringLiteral("SELECT id FROM entries WHERE uuid = ?"),
                               {entry.uuid});
            if (!found.ok())
                return failure(Texts::tr("cannot be read"), found.error);
            if (found.query.next())
                id = found.query.value(0).toLongLong();
        }
        // Two machines pushing the same entry at once: the second insert
        // fails on the uuid, and its retry finds the entry.
        if (id == 0)
            return insert(entry);
        if (const Result<> updated = update(id, entry); !updated)
            return updated.error();
        return id;
    });
}

Result<> ServiceHistory::list(const HistoryQuery &query,
                              const std::function<bool(const HistoryEntry &)> &row) const
{
    ServiceHistory *target = server();
    if (!target)
        return listHere(query, row); // the copy: every entry this machine made
    // This machine's entries not yet on the server are the newest: they come
    // first, on the first page.
    QSet<QString> shown;
    bool stopped = false;
    if (query.beforeId == 0) {
        HistoryQuery mine = query;
        mine.pendingOnly = true;
        const Result<> listed = listHere(mine, [&](const HistoryEntry &e) {
            shown.insert(e.uuid);
            stopped = !row(e);
            return !stopped;
        });
        if (!listed || stopped)
            return listed;
    }
    HistoryQuery theirs = query;
    if (query.limit > 0 && (theirs.limit = query.limit - int(shown.size())) <= 0)
        return {};
    const Result<> listed = target->list(theirs, [&](const HistoryEntry &e) {
        return shown.contains(e.uuid) || row(e); // pushed while listed
    });
    if (!listed) {
        m_serverProblem = listed.error().description();
        m_serverHistory.reset();
    }
    return listed;
}

// A copy's entries not yet on the server are pushed at its start; one that
// could not be leaves the server unused for a minute, and the copy's own
// register answers meanwhile.
Result<> ServiceHistory::testers(const std::optional<QDate> &dueBy,
                                 const std::function<bool(const TesterRecord &)> &row) const
{
    if (ServiceHistory *target = server())
        return target->testers(dueBy, row);
    return testersHere(dueBy, row);
}

Result<HistoryEntry> ServiceHistory::entry(qint64 id) const
{
    if (ServiceHistory *target = server())
        return target->entry(id);
    return entryHere(id);
}
