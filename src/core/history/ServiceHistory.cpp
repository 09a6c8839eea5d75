#include "ServiceHistory.h"

#include "HistorySchema.h"
#include "base/RegularFile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ServiceHistory)
};

constexpr int HistoryError = 70; // our own error number for the history

QString json(const QJsonObject &document)
{
    return document.isEmpty()
               ? QString()
               : QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact));
}

QJsonObject document(const QVariant &text)
{
    return text.isNull() ? QJsonObject()
                         : QJsonDocument::fromJson(text.toString().toUtf8()).object();
}

// A query that runs or says why not.
struct Statement
{
    QSqlQuery query;
    QString error;

    Statement(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
        : query(db)
    {
        // PostgreSQL cannot prepare a table's definition: statements without
        // values run as they are.
        if (values.isEmpty()) {
            if (!query.exec(sql))
                error = query.lastError().text();
            return;
        }
        if (!query.prepare(sql)) {
            error = query.lastError().text();
            return;
        }
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            error = query.lastError().text();
    }
    bool ok() const { return error.isEmpty(); }
};

const QString EntryColumns = QStringLiteral(
    "e.id, e.at, e.serial, e.model, e.firmware, e.parameter_file, e.level, e.program, e.kind, "
    "e.outcome, e.detail, e.before_doc, e.after_doc, c.beam, c.reference_lux, c.reading, "
    "c.old_factor, c.new_factor, c.confirmed, e.line");

HistoryEntry entryFrom(const QSqlQuery &q)
{
    HistoryEntry e;
    e.id = q.value(0).toLongLong();
    e.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    e.serial = q.value(2).toString();
    e.model = q.value(3).toString();
    e.firmware = q.value(4).toString();
    e.parameterFile = q.value(5).toString();
    e.level = q.value(6).toString();
    e.program = q.value(7).toString();
    e.kind = HistoryEntry::kindFrom(q.value(8).toString()).value_or(HistoryEntry::Kind::Read);
    e.outcome = q.value(9).toString();
    e.detail = q.value(10).toString();
    e.before = document(q.value(11));
    e.after = document(q.value(12));
    if (!q.value(13).isNull())
        e.calibration = HistoryEntry::Calibration{
            q.value(13).toString(), q.value(14).toString(), q.value(15).toLongLong(),
            q.value(16).toString(), q.value(17).toInt(),    q.value(18).toInt() != 0};
    e.line = q.value(19).toString();
    return e;
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
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
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
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
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
    if (!db.tables().contains(QStringLiteral("schema_version")))
        return 0;
    Statement s(db, QStringLiteral("SELECT version FROM schema_version"));
    if (!s.ok() || !s.query.next())
        return failure(Texts::tr("cannot be read"), s.error);
    return s.query.value(0).toInt();
}

Result<> ServiceHistory::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const bool postgres = m_location.kind == HistoryLocation::Kind::PostgreSQL;
    if (const Result<int> version = schemaVersion(); version && *version == HistorySchema::Current)
        return {};
    // Programs started at once on a new history: one makes the schema while
    // the others wait for it, then find it made.
    const QStringList begin =
        postgres ? QStringList{QStringLiteral("BEGIN"),
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
        QStringList statements = HistorySchema::migration(v, postgres);
        statements.append(QStringLiteral("UPDATE schema_version SET version = %1").arg(v));
        for (const QString &sql : statements) {
            if (Statement s(db, sql); !s.ok())
                return rollback(Texts::tr("cannot be brought to schema %1").arg(v), s.error);
        }
    }
    if (Statement commit(db, QStringLiteral("COMMIT")); !commit.ok())
        return rollback(Texts::tr("cannot be written"), commit.error);
    return {};
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
                     {id, text(c.beam), text(c.referenceLux), c.reading, text(c.oldFactor),
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
                       "program, line, kind, outcome, detail, before_doc, after_doc) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
        {at.toUTC().toString(Qt::ISODateWithMs), text(entry.serial), text(entry.model),
         text(entry.firmware), text(entry.parameterFile), text(entry.level), text(entry.program),
         text(entry.line), HistoryEntry::kindName(entry.kind),
         entry.outcome.isEmpty() ? QStringLiteral("started") : entry.outcome, text(entry.detail),
         nullable(json(entry.before)), nullable(json(entry.after))});
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
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        return failure(Texts::tr("cannot be written"), error);
    }
    return id;
}

Result<> ServiceHistory::update(qint64 id, const HistoryEntry &entry)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return failure(Texts::tr("cannot be written"), db.lastError().text());
    Statement update(db,
                     QStringLiteral("UPDATE entries SET outcome = ?, detail = ?, after_doc = ? "
                                    "WHERE id = ?"),
                     {text(entry.outcome), text(entry.detail), nullable(json(entry.after)), id});
    if (!update.ok()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), update.error);
    }
    if (const Result<> c = insertCalibration(id, entry); !c) {
        db.rollback();
        return c;
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

Result<qint64> ServiceHistory::begin(const HistoryEntry &entry)
{
    const Result<qint64> id = retried<qint64>([&] { return insert(entry); });
    if (id)
        m_pending.started(*id); // without it, the hour-old rule of settle() still holds
    return id;
}

Result<qint64> ServiceHistory::add(const HistoryEntry &entry)
{
    return retried<qint64>([&] { return insert(entry); });
}

Result<> ServiceHistory::finish(qint64 id, const HistoryEntry &entry)
{
    const Result<> done = retried<void>([&] { return update(id, entry); });
    if (done) {
        m_pending.finished(id);
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
            const Result<HistoryEntry> found = entry(left.id);
            if (found && found->outcome != QLatin1String("started")) {
                m_pending.finished(left.id);
                continue;
            }
            interrupted.outcome = QStringLiteral("interrupted");
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
    // Left by a program of another machine: no write lasts an hour.
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement old(db,
                  QStringLiteral("UPDATE entries SET outcome = 'interrupted', detail = 'state "
                                 "unknown until the tester is read' WHERE outcome = 'started' "
                                 "AND at < ?"),
                  {QDateTime::currentDateTimeUtc().addSecs(-3600).toString(Qt::ISODateWithMs)});
    if (!old.ok())
        result = failure(Texts::tr("cannot be written"), old.error);
    return result;
}

Result<> ServiceHistory::closeInterrupted(const QString &serial, const QJsonObject &document)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement close(db,
                    QStringLiteral("UPDATE entries SET after_doc = ?, detail = ? WHERE serial = ? "
                                   "AND outcome = 'interrupted' AND after_doc IS NULL"),
                    {json(document),
                     QStringLiteral("the tester was read at %1: after is what it then held")
                         .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
                     serial});
    if (!close.ok())
        return failure(Texts::tr("cannot be written"), close.error);
    return {};
}

Result<QList<HistoryEntry>> ServiceHistory::entries(const QString &serial) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const QString sql =
        QStringLiteral("SELECT %1 FROM entries e LEFT JOIN calibrations c ON c.entry_id = e.id %2 "
                       "ORDER BY e.id DESC")
            .arg(EntryColumns, serial.isEmpty() ? QString() : QStringLiteral("WHERE e.serial = ?"));
    Statement s(db, sql, serial.isEmpty() ? QVariantList() : QVariantList{serial});
    if (!s.ok())
        return failure(Texts::tr("cannot be read"), s.error);
    QList<HistoryEntry> found;
    while (s.query.next())
        found.append(entryFrom(s.query));
    return found;
}

Result<HistoryEntry> ServiceHistory::entry(qint64 id) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement s(db,
                QStringLiteral("SELECT %1 FROM entries e LEFT JOIN calibrations c ON c.entry_id "
                               "= e.id WHERE e.id = ?")
                    .arg(EntryColumns),
                {id});
    if (!s.ok())
        return failure(Texts::tr("cannot be read"), s.error);
    if (!s.query.next())
        return OrvaError(HistoryError, Texts::tr("The service history has no entry %1.").arg(id));
    return entryFrom(s.query);
}

Result<int> ServiceHistory::importBackups(const QString &folder)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Statement done(db, QStringLiteral("SELECT value FROM history_meta WHERE name = 'backups'"));
    if (!done.ok())
        return failure(Texts::tr("cannot be read"), done.error);
    if (done.query.next())
        return 0;
    done.query.finish();
    int imported = 0;
    if (!db.transaction())
        return failure(Texts::tr("cannot be written"), db.lastError().text());
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const Result<QByteArray> contents = RegularFile::read(file.filePath(), 1 << 20);
        const QJsonObject doc =
            contents ? QJsonDocument::fromJson(*contents).object() : QJsonObject();
        if (doc.value("format").toInt() != 1 || !doc.value("fields").isObject())
            continue; // not a document this program wrote
        const QJsonObject fields = doc.value("fields").toObject();
        HistoryEntry e;
        e.at = QDateTime::fromString(doc.value("readAt").toString(), Qt::ISODate);
        if (!e.at.isValid())
            e.at = file.lastModified();
        e.serial = HistoryEntry::serialOf(doc);
        e.model = fields.value("model").toString().trimmed();
        e.firmware = doc.value("firmwareVersion").toString().trimmed();
        e.parameterFile = doc.value("parameterFile").toString();
        e.kind = HistoryEntry::Kind::Send;
        e.outcome = QStringLiteral("imported");
        e.detail = QStringLiteral("backup %1").arg(file.fileName());
        e.before = doc;
        Statement insert(db,
                         QStringLiteral("INSERT INTO entries (at, serial, model, firmware, "
                                        "parameter_file, level, program, kind, outcome, detail, "
                                        "before_doc) VALUES (?, ?, ?, ?, ?, '', '', ?, ?, ?, ?)"),
                         {e.at.toUTC().toString(Qt::ISODateWithMs), text(e.serial), text(e.model),
                          text(e.firmware), text(e.parameterFile), HistoryEntry::kindName(e.kind),
                          e.outcome, e.detail, json(e.before)});
        if (!insert.ok()) {
            db.rollback();
            return failure(Texts::tr("cannot be written"), insert.error);
        }
        ++imported;
    }
    Statement mark(db,
                   QStringLiteral("INSERT INTO history_meta (name, value) VALUES ('backups', ?)"),
                   {QString::number(imported)});
    if (!mark.ok() || !db.commit()) {
        db.rollback();
        return failure(Texts::tr("cannot be written"), mark.error);
    }
    return imported;
}
