#include "CoreRig.h"

#include "ops/ParameterDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).trimmed();
}

SessionOptions optionsIn(const QTemporaryDir &folder)
{
    // Records kept on this machine go to the rig's own folder, not the
    // user's, nor another test's running beside it.
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    for (const QString &name : QDir(QStringLiteral(ORVA_DATA_DIR)).entryList({"*.ini"}))
        QFile::copy(QStringLiteral(ORVA_DATA_DIR "/") + name, folder.filePath(name));
    return SessionOptions{folder.path(), {}, false};
}

} // namespace

CoreRig::CoreRig()
    : session(form, optionsIn(folder))
{
    QString error;
    if (!sim.start(&error))
        qFatal("cannot start the simulator: %s", qPrintable(error));
    // As orva-cli wires its session: a tester that does not answer ends the
    // load, and nothing reloads behind the test's back.
    session.policy().giveUpAfterMs = 4000;
    session.policy().reloadWhenNoTester = false;
    session.prepare();
    setLevel(AccessLevel::Administrator);
}

CoreRig::~CoreRig()
{
    session.setHistory(nullptr);
}

void CoreRig::setLevel(AccessLevel level)
{
    session.state().accessLevel = [level] { return level; };
}

void CoreRig::useHistory()
{
    QString url = path(QStringLiteral("history.sqlite"));
    QString password;
    const QString server = qEnvironmentVariable("ORVA_PG_DIR");
    m_postgres = !server.isEmpty();
    if (m_postgres) {
        static int count = 0;
        const QUrl admin(readFile(server + QStringLiteral("/url")));
        password = readFile(server + QStringLiteral("/password"));
        const QString name =
            QStringLiteral("core_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(admin.host());
            db.setPort(admin.port());
            db.setUserName(admin.userName());
            db.setPassword(password);
            db.setDatabaseName(QStringLiteral("postgres"));
            if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
                qFatal("cannot make a database on the test server: %s",
                       qPrintable(db.lastError().text()));
        }
        QSqlDatabase::removeDatabase(name);
        url = admin.toString().replace(QStringLiteral("/postgres"), u'/' + name);
    }
    const Result<HistoryLocation> location = HistoryLocation::fromUrl(url, password);
    if (!location)
        qFatal("%s", qPrintable(location.error().description()));
    auto opened = ServiceHistory::open(*location);
    if (!opened)
        qFatal("%s", qPrintable(opened.error().description()));
    history = std::move(opened.value());
    session.setHistory(history.get());
}

bool CoreRig::start()
{
    if (!session.serial().open(sim.devicePath()))
        return false;
    return session.load().succeeded();
}

void CoreRig::shortLimits()
{
    TesterLink::Limits &l = session.link().limits;
    l.connectionMs = 300;
    l.readMs = 300;
    l.ackMs = 300;
    l.photodiodeMs = 300;
    l.quietMs = 200;
    session.policy().giveUpAfterMs = 1000;
}

HistoryEntry CoreRig::latest() const
{
    const auto entries = history->entries();
    if (!entries || entries->isEmpty())
        return {};
    return entries->first();
}

QJsonObject CoreRig::documentOf(const HistoryEntry &entry, Which which)
{
    return entry.toJson(true).value(which == Which::Before ? "before" : "after").toObject();
}

QJsonObject CoreRig::fields() const
{
    return session.document().value("fields").toObject();
}

QStringList CoreRig::apply(const QJsonObject &fields, AccessLevel level, bool factors)
{
    QJsonObject document = session.document();
    QJsonObject all = document.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        all.insert(it.key(), *it);
    document.insert("fields", all);
    const ParameterDocument::Problems p = ParameterDocument::apply(form, document, level, factors);
    return p.refused + p.invalid;
}
