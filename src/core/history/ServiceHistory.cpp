#include "ServiceHistory.h"

#include "HistorySchema.h"
#include "SqlStatement.h"
#include "TesterRegister.h"
#include "access/Passwords.h"
#include "base/RegularFile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUuid>
#include <QVariant>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ServiceHistory)
};

constexpr int HistoryError = 70; // our own error number for the history

// How long a server may take to answer a connection.
constexpr int ServerConnectSeconds = 5;
// Programs started together on a history that needs a new schema wait for
// the one making it; on a slow computer that takes longer than a write.
constexpr int MigrationBusyMs = 15000;
// An entry still "started" this long after it began was left by a program
// that ended first: no write lasts an hour.
constexpr qint64 StartedLimitSeconds = 3600;

QString json(const QJsonObject &document)
{
    return document.isEmpty()
               ? QString()
               : QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact));
}

QString json(const TesterState &state)
{
    return state.isEmpty() ? QString() : json(state.toDocument());
}

TesterState stateFrom(const QVariant &text)
{
    return text.isNull() ? TesterState()
                         : TesterState::fromDocument(
                               QJsonDocument::fromJson(text.toString().toUtf8()).object());
}

using Statement = SqlStatement;

const QString EntryColumns = QStringLiteral(
    "e.id, e.at, e.serial, e.model, e.firmware, e.parameter_file, e.level, e.program, e.kind, "
    "e.outcome, e.detail, e.changes, c.beam, c.reference_lux, c.reading, c.old_factor, "
    "c.new_factor, c.confirmed, e.line, e.uuid, e.machine, (e.pushed_revision = e.revision)");
const QString DocumentColumns = QStringLiteral(", e.before_doc, e.after_doc");

// A listing's entry carries its stored changes; one read with its documents
// works them out from those.
HistoryEntry entryFrom(const QSqlQuery &q, bool documents)
{
    HistoryEntry e;
    e.id = q.value(0).toLongLong();
    e.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    e.serial = q.value(2).toString();
    e.model = q.value(3).toString();
    e.firmware = q.value(4).toString();
    e.parameterFile = q.value(5).toString();
    e.level = Access::levelFrom(q.value(6).toString());
    e.program = q.value(7).toString();
    e.kind = HistoryEntry::kindFrom(q.value(8).toString()).value_or(HistoryEntry::Kind::Read);
    e.outcome =
        HistoryEntry::endingFrom(q.value(9).toString()).value_or(HistoryEntry::Ending::Started);
    e.detail = q.value(10).toString();
    if (!q.value(12).isNull())
        e.calibration =
            HistoryEntry::Calibration{Beams::byName(q.value(12).toString()).value_or(Beam::Low),
                                      q.value(13).toString(),
                                      q.value(14).toLongLong(),
                                      q.value(15).toString(),
                                      q.value(16).toInt(),
                                      q.value(17).toInt() != 0};
    e.line = q.value(18).toString();
    e.uuid = q.value(19).toString();
    e.machine = q.value(20).toString();
    e.pending = !q.value(21).toBool();
    if (documents) {
        e.before = stateFrom(q.value(22));
        e.after = stateFrom(q.value(23));
    } else {
        QStringList changes;
        for (const QJsonValue &line :
             QJsonDocument::fromJson(q.value(11).toString().toUtf8()).array())
            changes.append(line.toString());
        e.storedChanges = changes;
    }
    return e;
}

QString changesText(const HistoryEntry &entry)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(entry.changes())).toJson(QJsonDocument::Compact));
}

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString thisMachine()
{
    return QSysInfo::machineHostName();
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// A null QString binds as SQL NULL; the text columns want an empty text.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

ServiceHistory::ServiceHistory(const HistoryLocation &location, QString connection)
    : m_location(location)
    , m_connection(std::move(connection))
    , m_pending(location.kind == HistoryLocation::Kind::SQLite
                    ? QFileInfo(location.path).absoluteFilePath()
                    : location.describe())
{}

ServiceHistory::~ServiceHistory()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

OrvaError ServiceHistory::failure(const QString &what, const QString &detail) const
{
    return OrvaError(HistoryError, Texts::tr("The service history %1 %2: %3")
                                       .arg(m_location.describe(), what, detail.trimmed()));
}

Result<std::unique_ptr<ServiceHistory>> ServiceHistory::open(const HistoryLocation &location,
                                                             Mode mode)
{
    static QAtomicInt serial;
    const QString connection =
        QStringLiteral("orvaps-history-%1").arg(serial.fetchAndAddRelaxed(1));
    std::unique_ptr<ServiceHistory> history(new ServiceHistory(location, connection));
    const bool postgres = location.kind == HistoryLocation::Kind::PostgreSQL;
    const QString driver = postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
#ifdef Q_OS_WIN
        if (postgres)
            return history->failure(Texts::tr("cannot be opened"),
                                    Texts::tr("the Windows build keeps its history in a file: "
                                              "give --history a file path, or use a server "
                                              "history from Linux"));
#endif
        return history->failure(Texts::tr("cannot be opened"),
                                Texts::tr("Qt's %1 driver is not installed (Debian package %2)")
                                    .arg(driver, postgres ? QStringLiteral("libqt6sql6-psql")
                                                          : QStringLiteral("libqt6sql6-sqlite")));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection);
    if (postgres) {
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setUserName(location.user);
        db.setDatabaseName(location.database);
        if (!location.password.isEmpty())
            db.setPassword(location.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(ServerConnectSeconds));
    } else {
        const QFileInfo file(location.path);
        if (mode == Mode::Existing && !file.exists())
            return history->failure(Texts::tr("does not exist"),
                                    Texts::tr("nothing has been recorded there; check the "
                                              "history's location"));
        if (!QDir().mkpath(file.absolutePath()))
            return history->failure(
                Texts::tr("cannot be created"),
                Texts::tr("the folder %1 cannot be made").arg(file.absolutePath()));
        db.setDatabaseName(location.path);
        // Another program holding the file: wait a little, then fail, never hang.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(location.lockWaitMs));
    }
    if (!db.open())
        return history->failure(Texts::tr("cannot be opened"), db.lastError().text());
    if (mode == Mode::Existing && postgres) {
        const Result<int> version = history->schemaVersion();
        if (version && *version == 0)
            return history->failure(Texts::tr("does not exist"),
                                    Texts::tr("the database holds no service history"));
    }
    if (const Result<> migrated = history->migrate(); !migrated)
        return migrated.error();
    // A history that takes no write now is still read; what is kept waits.
    history->settle();
    return history;
}

Result<std::unique_ptr<ServiceHistory>> ServiceHistory::openConfigured(const QString &url,
                                                                       Mode mode)
{
    const Result<HistoryLocation> location = HistoryLocation::configured(url);
    if (!location)
        return location.error();
    // Without the server's driver there is nothing a copy could be pushed
    // to: opening the server itself says why.
    if (location->kind == HistoryLocation::Kind::PostgreSQL)
        return QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")) ? openCopy(*location, mode)
                                                                        : open(*location, mode);
    // The user's own history may simply not have been needed yet.
    const bool own = location->kind == HistoryLocation::Kind::SQLite &&
                     location->path == HistoryLocation::byDefault().path;
    Result<std::unique_ptr<ServiceHistory>> history = open(*location, own ? Mode::Create : mode);
    if (history && location->kind == HistoryLocation::Kind::SQLite) {
        if (const Result<int> imported = history.value()->importBackups(backupFolder()); !imported)
            return imported.error();
    }
    return history;
}

QString ServiceHistory::backupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvaps/backups");
}

Result<int> ServiceHistory::schemaVersion() const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // Asked of the database rather than of QSqlDatabase::tables(), which
    // takes a file another program holds for one without a schema.
    Statement table(db, m_location.kind == HistoryLocation::Kind::PostgreSQL
                            ? QStringLiteral("SELECT COUNT(*) FROM information_schema.tables "
                                             "WHERE table_schema = current_schema() AND "
                                             "table_name = 'schema_version'")
                            : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = "
                                             "'table' AND name = 'schema_version'"));
    if (!table.ok() || !table.query.next())
        return failure(Texts::tr("cannot be read"), table.error);
    if (table.query.value(0).toInt() == 0)
        return 0;
    table.query.finish();
    Statement s(db, QStringLiteral("SELECT version FROM schema_version"));
    if (!s.ok() || !s.query.next())
        return failure(Texts::tr("cannot be read"), s.error);
    return s.query.value(0).toInt();
}

Result<> ServiceHistory::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const SqlDialect dialect = m_location.kind == HistoryLocation::Kind::PostgreSQL
                                   ? SqlDialect::PostgreSQL
                                   : SqlDialect::SQLite;
    const Result<int> found = schemaVersion();
    if (found && *found == HistorySchema::Current)
        return {};
    // Known to need a new schema: whoever holds the file is most likely
    // making it, and is waited for longer than a write would be.
    if (found && dialect == SqlDialect::SQLite)
        Statement(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(MigrationBusyMs));
    const auto restoreTimeout = qScopeGuard([&] {
        if (dialect == SqlDialect::SQLite)
            Statement(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(m_location.lockWaitMs));
    });
    // Programs started at once on a new history: one makes the schema while
    // the others wait for it, then find it made.
    const QStringList begin =
        dialect == SqlDialect::PostgreSQL
            ? QStringList{QStringLiteral("BEGIN"),
                          QStringLiteral("SELECT pg_advisory_xact_lock(7262)")}
            : QStringList{QStringLiteral("BEGIN IMMEDIATE")};
    for (const QString &sql : begin) {
        if (Statement s(db, sql); !s.ok()) {
            Statement(db, QStringLiteral("ROLLBACK"));
            return failure(Texts::tr("cannot be written"), s.error);
        }
    }
    const auto rollback = [&](const QString &what, const QString &error) {
        Statement(db, QStringLiteral("ROLLBACK"));
        return failure(what, error);
    };
    const Result<int> version = schemaVersion();
    if (!version)
        return rollback(Texts::tr("cannot be read"), version.error().description());
    if (*version > HistorySchema::Current)
        return rollback(
            Texts::tr("cannot be used"),
            Texts::tr("it was written by a newer version of OrvaPS (schema %1)").arg(*version));
    for (int v = *version + 1; v <= HistorySchema::Current; ++v) {
        QStringList statements = HistorySchema::migration(v, dialect);
        statements.append(QStringLiteral("UPDATE schema_version SET version = %1").arg(v));
        for (const QString &sql : statements) {
            if (Statement s(db, sql); !s.ok())
                return rollback(Texts::tr("cannot be brought to schema %1").arg(v), s.error);
        }
    }
    // With every column there, as a listing reads them.
    if (*version < 4) {
        if (const QString error = fillSummaries(); !error.isEmpty())
            return rollback(Texts::tr("cannot be brought to schema %1").arg(4), error);
    }
    if (Statement commit(db, QStringLiteral("COMMIT")); !commit.ok())
        return rollback(Texts::tr("cannot be written"), commit.error);
    return {};
}

QString ServiceHistory::fillSummaries()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery store(db);
    if (!store.prepare(QStringLiteral("UPDATE entries SET changes = ? WHERE id = ?")))
        return store.lastError().text();
    // A batch at a time: a PostgreSQL session streaming rows runs no other query.
    constexpr int Batch = 500;
    for (qint64 last = 0;;) {
        QList<HistoryEntry> batch;
        {
            Statement s(db,
                        QStringLiteral("SELECT %1%2 FROM entries e LEFT JOIN calibrations c ON "
                                       "c.entry_id = e.id WHERE e.id > ? ORDER BY e.id LIMIT %3")
                            .arg(EntryColumns, DocumentColumns)
                            .arg(Batch),
                        {last}, true);
            if (!s.ok())
                return s.error;
            while (s.query.next())
                batch.append(entryFrom(s.query, true));
        }
        if (batch.isEmpty())
            return {};
        for (const HistoryEntry &e : batch) {
            store.addBindValue(changesText(e));
            store.addBindValue(e.id);
            if (!store.exec())
                return store.lastError().text();
            if (const QString error = TesterRegister::record(db, TesterRecord::from(e));
                !error.isEmpty())
                return error;
        }
        last = batch.last().id;
    }
}

Result<> ServiceHistory::insertCalibration(qint64 id, const HistoryEntry &entry)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement remove(db, QStringLiteral("DELETE FROM calibrations WHERE entry_id = ?"), {id});
    if (!remove.ok())
        return failure(Texts::tr("cannot be written"), remove.error);
    if (!entry.calibration)
        return {};
    const HistoryEntry::Calibration &c = *entry.calibration;
    Statement insert(db,
                     QStringLiteral("INSERT INTO calibrations (entry_id, beam, reference_lux, "
                                    "reading, old_factor, new_factor, confirmed) VALUES "
                                    "(?, ?, ?, ?, ?, ?, ?)"),
                     {id, Beams::name(c.beam), text(c.referenceLux), c.reading, text(c.oldFactor),
                      c.newFactor, c.confirmed ? 1 : 0});
    if (!insert.ok())
        return failure(Texts::tr("cannot be written"), insert.error);
    return {};
}

Result<qint64> ServiceHistory::insert(const HistoryEntry &entry)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return failure(Texts::tr("cannot be written"), db.lastError().text());
    const QDateTime at = entry.at.isValid() ? entry.at : QDateTime::currentDateTimeUtc();
    Statement insert(
        db,
        QStringLiteral("INSERT INTO entries (at, serial, model, firmware, parameter_file, level, "
                       "program, line, kind, outcome, detail, before_doc, after_doc, changes, "
                       "uuid, machine, revision) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?) RETURNING id"),
        {at.toUTC().toString(Qt::ISODateWithMs), text(entry.serial), text(entry.model),
         text(entry.firmware), text(entry.parameterFile), text(entry.levelName()),
         text(entry.program), text(entry.line), HistoryEntry::kindName(entry.kind),
         HistoryEntry::endingName(entry.outcome), text(entry.detail), nullable(json(entry.before)),
         nullable(json(entry.after)), changesText(entry),
         entry.uuid.isEmpty() ? newUuid() : entry.uuid,
         entry.machine.isEmpty() ? thisMachine() : entry.machine, entry.revision.value_or(0)});
    if (!insert.ok() || !insert.query.next()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), insert.error);
    }
    const qint64 id = insert.query.value(0).toLongLong();
    insert.query.finish();
    if (const Result<> c = insertCalibration(id, entry); !c) {
        db.rollback();
        return c.error();
    }
    HistoryEntry recorded = entry;
    recorded.id = id;
    recorded.at = at;
    if (const QString error = TesterRegister::record(db, TesterRecord::from(recorded));
        !error.isEmpty()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), error);
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        return failure(Texts::tr("cannot be written"), error);
    }
    return id;
}

QString ServiceHistory::beginWrite()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_location.kind == HistoryLocation::Kind::PostgreSQL)
        return db.transaction() ? QString() : db.lastError().text();
    // A transaction that reads before it writes takes the write lock first:
    // one that would have to upgrade a read lock fails at once, without
    // waiting, while another program writes.
    Statement begin(db, QStringLiteral("BEGIN IMMEDIATE"));
    return begin.error;
}

Result<> ServiceHistory::update(qint64 id, const HistoryEntry &entry)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (const QString error = beginWrite(); !error.isEmpty())
        return failure(Texts::tr("cannot be written"), error);
    // The changes and the register need what the entry began with.
    Statement begun(db,
                    QStringLiteral("SELECT %1%2 FROM entries e LEFT JOIN calibrations c ON "
                                   "c.entry_id = e.id WHERE e.id = ?")
                        .arg(EntryColumns, DocumentColumns),
                    {id});
    if (!begun.ok()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), begun.error);
    }
    std::optional<HistoryEntry> finished;
    if (begun.query.next()) {
        finished = entryFrom(begun.query, true);
        finished->outcome = entry.outcome;
        finished->detail = entry.detail;
        finished->after = entry.after;
        finished->calibration = entry.calibration;
    }
    begun.query.finish();
    QVariantList values = {HistoryEntry::endingName(entry.outcome), text(entry.detail),
                           nullable(json(entry.after)),
                           finished ? changesText(*finished) : QStringLiteral("[]")};
    // A pushed change waits for the row a newer push of the same entry may
    // hold, then applies only if it is not the older.
    if (entry.revision)
        values << *entry.revision << id << *entry.revision;
    else
        values << id;
    Statement update(db,
                     entry.revision
                         ? QStringLiteral("UPDATE entries SET outcome = ?, detail = ?, after_doc = "
                                          "?, changes = ?, revision = ? WHERE id = ? AND revision "
                                          "<= ?")
                         : QStringLiteral("UPDATE entries SET outcome = ?, detail = ?, after_doc = "
                                          "?, changes = ?, revision = revision + 1 WHERE id = ?"),
                     values);
    if (!update.ok()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), update.error);
    }
    if (entry.revision && update.query.numRowsAffected() == 0) {
        db.rollback(); // the server holds a newer change already
        return {};
    }
    if (const Result<> c = insertCalibration(id, entry); !c) {
        db.rollback();
        return c;
    }
    if (finished) {
        if (const QString error = TesterRegister::record(db, TesterRecord::from(*finished));
            !error.isEmpty()) {
            db.rollback();
            return failure(Texts::tr("cannot be written"), error);
        }
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        return failure(Texts::tr("cannot be written"), error);
    }
    return {};
}

void ServiceHistory::reconnect()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_location.kind != HistoryLocation::Kind::PostgreSQL)
        return; // SQLite's own wait for a lock is the pause between tries
    db.close();
    db.open();
}

template <typename T> Result<T> ServiceHistory::retried(const std::function<Result<T>()> &step)
{
    Result<T> result = step();
    for (int attempt = 1; attempt < 3 && !result; ++attempt) {
        reconnect();
        result = step();
    }
    return result;
}

// ServiceHistoryServer.cpp retries a push's entries too.
template Result<qint64> ServiceHistory::retried<qint64>(const std::function<Result<qint64>()> &);

Result<qint64> ServiceHistory::begin(const HistoryEntry &entry)
{
    const Result<qint64> id = retried<qint64>([&] { return insert(entry); });
    if (id)
        m_pending.started(*id); // without it, the hour-old rule of settle() still holds
    return id;
}

Result<qint64> ServiceHistory::add(const HistoryEntry &entry)
{
    const Result<qint64> id = retried<qint64>([&] { return insert(entry); });
    if (id)
        push(); // the server takes it now if it can, or later
    return id;
}

Result<> ServiceHistory::finish(qint64 id, const HistoryEntry &entry)
{
    const Result<> done = retried<void>([&] { return update(id, entry); });
    if (done) {
        m_pending.finished(id);
        push();
        return done;
    }
    HistoryEntry kept = entry;
    kept.id = id;
    if (const Result<> k = m_pending.keep(kept); !k)
        return OrvaError(HistoryError,
                         Texts::tr("%1\r\nIt could not be kept on this computer either: %2")
                             .arg(done.error().description(), k.error().description()));
    return OrvaError(HistoryError, Texts::tr("%1\r\nIts end is kept on this computer and given "
                                             "to the history when it can take it again.")
                                       .arg(done.error().description()));
}

Result<> ServiceHistory::settle()
{
    Result<> result;
    for (const PendingRecords::Left &left : m_pending.left()) {
        Result<> r;
        if (left.end) {
            r = update(left.id, *left.end);
        } else {
            HistoryEntry interrupted;
            const Result<HistoryEntry> found = entryHere(left.id);
            if (found && found->outcome != HistoryEntry::Ending::Started) {
                m_pending.finished(left.id);
                continue;
            }
            interrupted.outcome = HistoryEntry::Ending::Interrupted;
            interrupted.detail = QStringLiteral("state unknown until the tester is read");
            if (found)
                interrupted.calibration = found->calibration;
            r = found ? update(left.id, interrupted) : Result<>(found.error());
        }
        if (r)
            m_pending.finished(left.id);
        else
            result = r;
    }
    // Left by a program of another machine.
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const QString startedBefore =
        QDateTime::currentDateTimeUtc().addSecs(-StartedLimitSeconds).toString(Qt::ISODateWithMs);
    if (!db.transaction())
        return failure(Texts::tr("cannot be written"), db.lastError().text());
    Statement old(db,
                  QStringLiteral("UPDATE entries SET outcome = 'interrupted', detail = 'state "
                                 "unknown until the tester is read', revision = revision + 1 "
                                 "WHERE outcome = 'started' AND at < ?"),
                  {startedBefore});
    Statement visits(db,
                     QStringLiteral("UPDATE testers SET last_outcome = 'interrupted' WHERE "
                                    "last_outcome = 'started' AND last_at < ?"),
                     {startedBefore});
    const QString error = !old.ok() ? old.error : visits.error;
    if (!error.isEmpty() || !db.commit()) {
        const QString why = error.isEmpty() ? db.lastError().text() : error;
        db.rollback();
        result = failure(Texts::tr("cannot be written"), why);
    }
    return result;
}

Result<> ServiceHistory::closeInterrupted(const QString &serial, const TesterState &state)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (const QString error = beginWrite(); !error.isEmpty())
        return failure(Texts::tr("cannot be written"), error);
    const auto rollback = [&](const QString &error) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), error);
    };
    Statement found(db,
                    QStringLiteral("SELECT %1%2 FROM entries e LEFT JOIN calibrations c ON "
                                   "c.entry_id = e.id WHERE e.serial = ? AND e.outcome = "
                                   "'interrupted' AND e.after_doc IS NULL")
                        .arg(EntryColumns, DocumentColumns),
                    {serial});
    if (!found.ok())
        return rollback(found.error);
    QList<HistoryEntry> interrupted;
    while (found.query.next())
        interrupted.append(entryFrom(found.query, true));
    found.query.finish();
    const QString detail = QStringLiteral("the tester was read at %1: after is what it then held")
                               .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    for (HistoryEntry &e : interrupted) {
        e.after = state;
        e.detail = detail;
        Statement close(db,
                        QStringLiteral("UPDATE entries SET after_doc = ?, detail = ?, changes = ?, "
                                       "revision = revision + 1 WHERE id = ?"),
                        {json(state), detail, changesText(e), e.id});
        if (!close.ok())
            return rollback(close.error);
        if (const QString error = TesterRegister::record(db, TesterRecord::from(e));
            !error.isEmpty())
            return rollback(error);
    }
    if (!db.commit())
        return rollback(db.lastError().text());
    return {};
}

Result<QList<HistoryEntry>> ServiceHistory::entries(const QString &serial) const
{
    HistoryQuery query;
    query.serial = serial;
    query.documents = true;
    return collect(query);
}

Result<QList<HistoryEntry>> ServiceHistory::collect(const HistoryQuery &query) const
{
    QList<HistoryEntry> found;
    const Result<> listed = list(query, [&](const HistoryEntry &e) {
        found.append(e);
        return true;
    });
    if (!listed)
        return listed.error();
    return found;
}

Result<> ServiceHistory::listHere(const HistoryQuery &query,
                                  const std::function<bool(const HistoryEntry &)> &row) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QStringList where;
    QVariantList values;
    const auto filter = [&](const QString &condition, const QVariant &value) {
        where.append(condition);
        values.append(value);
    };
    if (!query.serial.isEmpty())
        filter(QStringLiteral("e.serial = ?"), query.serial);
    if (query.kind)
        filter(QStringLiteral("e.kind = ?"), HistoryEntry::kindName(*query.kind));
    if (query.outcome)
        filter(QStringLiteral("e.outcome = ?"), HistoryEntry::endingName(*query.outcome));
    if (query.since.isValid())
        filter(QStringLiteral("e.at >= ?"), query.since.toUTC().toString(Qt::ISODateWithMs));
    if (query.until.isValid())
        filter(QStringLiteral("e.at < ?"), query.until.toUTC().toString(Qt::ISODateWithMs));
    if (query.beforeId > 0)
        filter(QStringLiteral("e.id < ?"), query.beforeId);
    if (query.pendingOnly)
        where.append(QStringLiteral("e.pushed_revision <> e.revision"));
    QString sql =
        QStringLiteral("SELECT %1%2 FROM entries e LEFT JOIN calibrations c ON "
                       "c.entry_id = e.id %3 ORDER BY e.id DESC")
            .arg(EntryColumns, query.documents ? DocumentColumns : QString(),
                 where.isEmpty() ? QString()
                                 : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")));
    if (query.limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(query.limit);
    Statement s(db, sql, values, true);
    if (!s.ok())
        return failure(Texts::tr("cannot be read"), s.error);
    while (s.query.next()) {
        HistoryEntry e = entryFrom(s.query, query.documents);
        e.pending = e.pending && m_server;
        if (!row(e))
            return {};
    }
    if (s.query.lastError().isValid())
        return failure(Texts::tr("cannot be read"), s.query.lastError().text());
    return {};
}

Result<> ServiceHistory::testersHere(const std::optional<QDate> &dueBy,
                                     const std::function<bool(const TesterRecord &)> &row) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (const QString error = TesterRegister::list(db, dueBy, row); !error.isEmpty())
        return failure(Texts::tr("cannot be read"), error);
    return {};
}

Result<HistoryEntry> ServiceHistory::entryHere(qint64 id) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement s(db,
                QStringLiteral("SELECT %1%2 FROM entries e LEFT JOIN calibrations c ON "
                               "c.entry_id = e.id WHERE e.id = ?")
                    .arg(EntryColumns, DocumentColumns),
                {id});
    if (!s.ok())
        return failure(Texts::tr("cannot be read"), s.error);
    if (!s.query.next())
        return OrvaError(HistoryError, Texts::tr("The service history has no entry %1.").arg(id));
    HistoryEntry e = entryFrom(s.query, true);
    e.pending = e.pending && m_server;
    return e;
}

Result<int> ServiceHistory::importBackups(const QString &folder)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const auto marked = [&]() -> Result<bool> {
        Statement s(db, QStringLiteral("SELECT value FROM history_meta WHERE name = 'backups'"));
        if (!s.ok())
            return failure(Texts::tr("cannot be read"), s.error);
        return s.query.next();
    };
    if (const Result<bool> done = marked(); !done || *done)
        return done ? Result<int>(0) : done.error();
    // Programs started together: the one holding the file imports, the others
    // then find the import made, instead of failing on its mark.
    if (Statement begin(db, QStringLiteral("BEGIN IMMEDIATE")); !begin.ok())
        return failure(Texts::tr("cannot be written"), begin.error);
    const auto rollback = [&](const QString &error) {
        Statement(db, QStringLiteral("ROLLBACK"));
        return failure(Texts::tr("cannot be written"), error);
    };
    if (const Result<bool> done = marked(); !done || *done) {
        Statement(db, QStringLiteral("ROLLBACK"));
        return done ? Result<int>(0) : done.error();
    }
    int imported = 0;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const Result<QByteArray> contents = RegularFile::read(file.filePath(), 1 << 20);
        const QJsonObject doc =
            contents ? QJsonDocument::fromJson(*contents).object() : QJsonObject();
        if (doc.value("format").toInt() != 1 || !doc.value("fields").isObject())
            continue; // not a document this program wrote
        HistoryEntry e;
        e.before = TesterState::fromDocument(doc);
        e.at = QDateTime::fromString(e.before.readAt, Qt::ISODate);
        if (!e.at.isValid())
            e.at = file.lastModified();
        e.serial = e.before.serial();
        e.model = e.before.text(Control::TestoModello).trimmed();
        e.firmware = e.before.firmware.trimmed();
        e.parameterFile = e.before.parameterFile;
        e.kind = HistoryEntry::Kind::Send;
        e.outcome = HistoryEntry::Ending::Imported;
        e.detail = QStringLiteral("backup %1").arg(file.fileName());
        Statement insert(db,
                         QStringLiteral("INSERT INTO entries (at, serial, model, firmware, "
                                        "parameter_file, level, program, kind, outcome, detail, "
                                        "before_doc, uuid, machine) VALUES (?, ?, ?, ?, ?, '', "
                                        "'', ?, ?, ?, ?, ?, ?) RETURNING id"),
                         {e.at.toUTC().toString(Qt::ISODateWithMs), text(e.serial), text(e.model),
                          text(e.firmware), text(e.parameterFile), HistoryEntry::kindName(e.kind),
                          // The file's own document, as it was kept.
                          HistoryEntry::endingName(e.outcome), e.detail, json(doc), newUuid(),
                          thisMachine()});
        if (!insert.ok() || !insert.query.next()) {
            insert.query.finish();
            return rollback(insert.error);
        }
        e.id = insert.query.value(0).toLongLong();
        insert.query.finish();
        if (const QString error = TesterRegister::record(db, TesterRecord::from(e));
            !error.isEmpty())
            return rollback(error);
        ++imported;
    }
    Statement mark(db,
                   QStringLiteral("INSERT INTO history_meta (name, value) VALUES ('backups', ?)"),
                   {QString::number(imported)});
    if (!mark.ok())
        return rollback(mark.error);
    if (Statement commit(db, QStringLiteral("COMMIT")); !commit.ok())
        return rollback(commit.error);
    return imported;
}
