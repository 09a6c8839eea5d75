#include "HistoryLocation.h"

#include <QCoreApplication>
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
    HistoryLocation l;
    if (text.startsWith(QLatin1String("sqlite:"))) {
        l.path = text.mid(7);
    } else if (text.startsWith(QLatin1String("postgresql://")) ||
               text.startsWith(QLatin1String("postgres://"))) {
        const QUrl url(text);
        if (!url.isValid() || url.host().isEmpty() || url.path().size() < 2)
            return OrvaError(ErrorNumber::InvalidProcedureCall,
                             Texts::tr("The history location is not a PostgreSQL URL of the "
                                       "form postgresql://user@host:port/database."));
        if (!url.password().isEmpty())
            return OrvaError(ErrorNumber::InvalidProcedureCall,
                             Texts::tr("The history URL carries a password: put it in the "
                                       "settings file (%1) or the PostgreSQL password file "
                                       "(~/.pgpass) instead.")
                                 .arg(settingsFile()));
        l.kind = Kind::PostgreSQL;
        l.host = url.host();
        l.port = url.port(5432);
        l.user = url.userName();
        l.database = url.path().mid(1);
        l.password = password;
    } else {
        l.path = text;
    }
    if (l.kind == Kind::SQLite && l.path.isEmpty())
        return OrvaError(ErrorNumber::InvalidProcedureCall,
                         Texts::tr("The history location names no file."));
    return l;
}

QString HistoryLocation::settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/orvaps/orvaps.ini");
}

Result<HistoryLocation> HistoryLocation::configured(const QString &url)
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QString password = settings.value(QStringLiteral("history/password")).toString();
    if (!url.isEmpty())
        return fromUrl(url, password);
    const QString stored = settings.value(QStringLiteral("history/url")).toString();
    if (!stored.isEmpty())
        return fromUrl(stored, password);
    return byDefault();
}
