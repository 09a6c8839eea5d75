#include "TestServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {
QString fromServerFolder(const char *name)
{
    if (!TestServer::running())
        return {};
    QFile f(qEnvironmentVariable("ORVA_PG_DIR") + u'/' + QLatin1String(name));
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).trimmed();
}
} // namespace

bool TestServer::running()
{
    return !qEnvironmentVariable("ORVA_PG_DIR").isEmpty();
}

QString TestServer::url()
{
    static const QString url = fromServerFolder("url");
    return url;
}

QString TestServer::password()
{
    static const QString password = fromServerFolder("password");
    return password;
}

QSqlDatabase TestServer::connection(const QString &name, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    const QUrl server(url());
    db.setHostName(server.host());
    db.setPort(server.port());
    db.setUserName(server.userName());
    db.setPassword(password());
    db.setDatabaseName(database);
    return db;
}

QString TestServer::freshDatabase(const QString &prefix)
{
    static int count = 0;
    const QString name =
        QStringLiteral("%1_%2_%3").arg(prefix).arg(QCoreApplication::applicationPid()).arg(++count);
    {
        QSqlDatabase admin = connection(name);
        if (!admin.open() || !QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
            qFatal("cannot make a database on the test server: %s",
                   qPrintable(admin.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
    return QString(url()).replace(QStringLiteral("/postgres"), u'/' + name);
}
