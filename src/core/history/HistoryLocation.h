#pragma once

#include "base/Result.h"

#include <QString>

// Where the service history lives: an SQLite file (by default in the user's
// data folder), or a PostgreSQL database shared by a service organisation.
// The server's password comes from the settings file or the PostgreSQL
// password file, never from a command line, and is never shown.
struct HistoryLocation
{
    enum class Kind { SQLite, PostgreSQL } kind = Kind::SQLite;
    QString path; // SQLite
    QString host;
    int port = 5432;
    QString user;
    QString database;
    QString password; // from the settings file; empty: libpq's password file
    // How long to wait for another program that holds an SQLite file before
    // the operation fails (and a write's record is kept on this computer).
    int lockWaitMs = DefaultLockWaitMs;
    static constexpr int DefaultLockWaitMs = 2000;

    // The file name or the URL without any password, for messages.
    QString describe() const;

    // The SQLite file in the user's data folder.
    static HistoryLocation byDefault();
    // "postgresql://user@host:port/database", "sqlite:PATH" or a file path.
    // A URL that carries a password is refused.
    static Result<HistoryLocation> fromUrl(const QString &url, const QString &password = {});
    // `url` when given, else the settings file's [history] url (and
    // password), else the default; the lock wait from its [limits].
    static Result<HistoryLocation> configured(const QString &url = {});
};
