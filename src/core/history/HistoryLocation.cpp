#include "HistoryLocation.h"

#include "base/SettingsFile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryLocation)
};
} // namespace

QString HistoryLocation::describe() const
{
    if (kind == Kind::SQLite)
        return path;
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

HistoryLocation HistoryLocation::byDefault()
{
    HistoryLocation l;
    l.path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/orvaps/history.sqlite");
    return l;
}

Result<HistoryLocation> HistoryLocation::fromUrl(const QString &text, const QString &password)
{
    const auto malformed = [] {
        return OrvaError(ErrorNumber::InvalidProcedureCall,
                         Texts::tr("The history location is not one of the accepted forms: a "
                                   "file path, sqlite:FILE or "
                                   "postgresql://user@host:port/database."));
    };
    // A scheme is two letters or more: "C:/..." is a Windows path.
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch m = scheme.match(text);
    const QString name = m.hasMatch() ? m.captured(1).toLower() : QString();
    HistoryLocation l;
    if (name == QLatin1String("sqlite")) {
        l.path = text.mid(m.capturedLength());
    } else if (name == QLatin1String("postgresql") || name == QLatin1String("postgres")) {
        const QUrl url(text, QUrl::StrictMode);
        if (!text.mid(m.capturedLength()).startsWith(QLatin1String("//")) || !url.isValid() ||
            url.host().isEmpty() || url.path().size() < 2 || url.path().mid(1).contains(u'/') ||
            url.hasQuery() || url.hasFragment() || url.port() == 0)
            return malformed();
        if (!url.password().isEmpty())
            return OrvaError(ErrorNumber::InvalidProcedureCall,
                             Texts::tr("The history URL carries a password: put it in the "
                                       "settings file (%1) or the PostgreSQL password file "
                                       "(~/.pgpass) instead.")
                                 .arg(SettingsFile::path()));
        l.kind = Kind::PostgreSQL;
        l.host = url.host();
        l.port = url.port(5432);
        l.user = url.userName();
        l.database = url.path().mid(1);
        l.password = password;
    } else if (!name.isEmpty() && text.mid(m.capturedLength()).startsWith(QLatin1String("//"))) {
        return malformed(); // a URL of a kind no history is kept in
    } else {
        l.path = text;
    }
    if (l.kind == Kind::SQLite && l.path.isEmpty())
        return OrvaError(ErrorNumber::InvalidProcedureCall,
                         Texts::tr("The history location names no file."));
    return l;
}

Result<HistoryLocation> HistoryLocation::configured(const QString &url)
{
    const QSettings settings(SettingsFile::path(), QSettings::IniFormat);
    const Result<int> lockWait =
        SettingsFile::milliseconds(settings, QStringLiteral("historyLockMs"), DefaultLockWaitMs);
    if (!lockWait)
        return lockWait.error();
    const QString password = settings.value(QStringLiteral("history/password")).toString();
    const QString stored = settings.value(QStringLiteral("history/url")).toString();
    Result<HistoryLocation> location = !url.isEmpty()      ? fromUrl(url, password)
                                       : !stored.isEmpty() ? fromUrl(stored, password)
                                                           : byDefault();
    if (location)
        location.value().lockWaitMs = *lockWait;
    return location;
}
