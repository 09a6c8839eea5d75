#pragma once

#include <QSqlDatabase>
#include <QString>

// The PostgreSQL server tests/support/pg-server started for the suite, in the
// folder ORVA_PG_DIR names; without it, the tests keep their histories in
// SQLite files.
namespace TestServer {
bool running();
QString url(); // its maintenance database
QString password();
// A connection to one of its databases, not yet open.
QSqlDatabase connection(const QString &name, const QString &database = QStringLiteral("postgres"));
// A new, empty database named after `prefix`, this process and a count; its URL.
QString freshDatabase(const QString &prefix);
} // namespace TestServer
