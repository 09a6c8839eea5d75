#include "HistorySchema.h"

QStringList HistorySchema::migration(int version, SqlDialect dialect)
{
    const QString key = dialect == SqlDialect::PostgreSQL
                            ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                            : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    switch (version) {
    case 1:
        return {
            QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
            QStringLiteral("CREATE TABLE history_meta (name VARCHAR(64) PRIMARY KEY, "
                           "value TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE entries (id %1, at TEXT NOT NULL, serial TEXT NOT NULL, "
                           "model TEXT NOT NULL, firmware TEXT NOT NULL, parameter_file TEXT NOT "
                           "NULL, level TEXT NOT NULL, kind TEXT NOT NULL, outcome TEXT NOT NULL, "
                           "detail TEXT NOT NULL, before_doc TEXT, after_doc TEXT)")
                .arg(key),
        };
    case 2:
        // Calibrations in a table of their own, which program made an
        // entry, and entries found by tester.
        return {
            QStringLiteral("CREATE TABLE calibrations (entry_id BIGINT PRIMARY KEY REFERENCES "
                           "entries(id), beam TEXT NOT NULL, reference_lux TEXT NOT NULL, "
                           "reading BIGINT NOT NULL, old_factor TEXT NOT NULL, new_factor "
                           "INTEGER NOT NULL, confirmed INTEGER NOT NULL)"),
            QStringLiteral("ALTER TABLE entries ADD COLUMN program TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("CREATE INDEX entries_by_serial ON entries (serial, at)"),
        };
    case 3:
        // The line an entry went over: a serial device or a network bridge.
        return {
            QStringLiteral("ALTER TABLE entries ADD COLUMN line TEXT NOT NULL DEFAULT ''"),
        };
    case 4:
        // What a listing shows, stored with each entry so that it reads no
        // document, and the register of testers: each one's latest known
        // state. Both are filled for the entries already there in the same
        // transaction (ServiceHistory::migrate).
        return {
            QStringLiteral("ALTER TABLE entries ADD COLUMN changes TEXT NOT NULL DEFAULT '[]'"),
            QStringLiteral("CREATE INDEX entries_by_kind ON entries (kind, id)"),
            QStringLiteral("CREATE INDEX entries_by_outcome ON entries (outcome, id)"),
            QStringLiteral("CREATE INDEX entries_by_time ON entries (at)"),
            QStringLiteral("CREATE TABLE testers (serial TEXT PRIMARY KEY, model TEXT NOT NULL, "
                           "firmware TEXT NOT NULL, garage_name TEXT, town TEXT, expiry_as_held "
                           "TEXT, expiry_date TEXT, last_entry BIGINT NOT NULL, last_at TEXT NOT "
                           "NULL, last_kind TEXT NOT NULL, last_outcome TEXT NOT NULL, last_level "
                           "TEXT NOT NULL, last_program TEXT NOT NULL, low_factor INTEGER, "
                           "high_factor INTEGER)"),
            QStringLiteral("CREATE INDEX testers_by_expiry ON testers (expiry_date)"),
        };
    case 5:
        // Entries known by an identity of their own wherever they are kept, so
        // a machine's copy of a server history can push them more than once
        // without duplicating any. A copy counts the changes of each entry
        // and the last one the server took.
        return {
            QStringLiteral("ALTER TABLE entries ADD COLUMN uuid TEXT"),
            QStringLiteral("ALTER TABLE entries ADD COLUMN machine TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("ALTER TABLE entries ADD COLUMN revision INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral(
                "ALTER TABLE entries ADD COLUMN pushed_revision INTEGER NOT NULL DEFAULT -1"),
            QStringLiteral("ALTER TABLE entries ADD COLUMN server_id BIGINT"),
            dialect == SqlDialect::PostgreSQL
                ? QStringLiteral("UPDATE entries SET uuid = md5(random()::text || "
                                 "clock_timestamp()::text || id::text)")
                : QStringLiteral("UPDATE entries SET uuid = lower(hex(randomblob(16)))"),
            QStringLiteral("CREATE UNIQUE INDEX entries_by_uuid ON entries (uuid)"),
        };
    default:
        return {};
    }
}
