// A server history kept first on each machine and pushed: work goes on with
// the server out of reach, and every push, cut short, repeated or run from two
// machines at once, leaves each entry on the server exactly once. Against the
// PostgreSQL server tests/support/pg-server started (ORVA_PG_DIR).
#include "CliRun.h"
#include "FrmOrva.h"
#include "Harness.h"
#include "StatusArea.h"
#include "TestServer.h"
#include "history/ServiceHistory.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

const QString pgUrl = TestServer::url();
const QString pgPassword = TestServer::password();
const QByteArray Admin = "52917\n";

// One SQL statement on a database of the test server; its first column.
QStringList onServer(const QString &database, const QString &sql)
{
    static int count = 0;
    const QString name = QStringLiteral("sync-check-%1").arg(++count);
    QStringList values;
    {
        QSqlDatabase db = TestServer::connection(name, database);
        if (!db.open())
            qFatal("cannot reach the test server: %s", qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        q.exec(sql);
        while (q.next())
            values.append(q.value(0).toString());
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

// A new database for a server history; its name.
QString newDatabase()
{
    return QUrl(TestServer::freshDatabase(QStringLiteral("sync"))).path().mid(1);
}

// The server as the office's router lets it through, or not: a port of its
// own that passes every connection on to the server, and can be shut with
// the connections it carries.
class ServerGate
{
public:
    explicit ServerGate(quint16 serverPort)
        : m_serverPort(serverPort)
    {
        open();
        m_port = m_listener.serverPort();
        QObject::connect(&m_listener, &QTcpServer::newConnection, &m_listener, [this] {
            while (QTcpSocket *in = m_listener.nextPendingConnection()) {
                auto *out = new QTcpSocket(in);
                out->connectToHost(QStringLiteral("127.0.0.1"), m_serverPort);
                QObject::connect(in, &QTcpSocket::readyRead, out,
                                 [in, out] { out->write(in->readAll()); });
                QObject::connect(out, &QTcpSocket::readyRead, in,
                                 [in, out] { in->write(out->readAll()); });
                QObject::connect(out, &QTcpSocket::disconnected, in, &QTcpSocket::close);
                QObject::connect(in, &QTcpSocket::disconnected, in, &QObject::deleteLater);
                m_carried.append(in);
            }
        });
    }
    void open() { QVERIFY(m_listener.listen(QHostAddress::LocalHost, m_port)); }
    void shut()
    {
        m_listener.close();
        for (const QPointer<QTcpSocket> &s : std::as_const(m_carried))
            if (s)
                s->abort();
        m_carried.clear();
    }
    QString url(const QString &database) const
    {
        return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
            .arg(QUrl(pgUrl).userName())
            .arg(m_port)
            .arg(database);
    }

private:
    quint16 m_serverPort;
    quint16 m_port = 0;
    QTcpServer m_listener;
    QList<QPointer<QTcpSocket>> m_carried;
};

// orva-cli with its settings naming a server history.
struct Machine : CliRun
{
    explicit Machine(const QString &url) { useHistory(url, pgPassword); }
    // This machine's copy of the server history, opened here.
    std::unique_ptr<ServiceHistory> copy(const QString &url) const
    {
        HistoryLocation location;
        location.path = home.filePath(
            QStringLiteral("orvaps/servers/") +
            QFileInfo(ServiceHistory::copyPath(*HistoryLocation::fromUrl(url))).fileName());
        auto h = ServiceHistory::open(location);
        if (!h)
            qFatal("%s", qPrintable(h.error().description()));
        return std::move(h.value());
    }
    // Entries of the copy the server has not taken.
    int waiting(const QString &url) const
    {
        const QString name = QStringLiteral("copy-%1").arg(quintptr(this));
        int count = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(copy(url)->location().path);
            db.open();
            QSqlQuery q(db);
            if (q.exec(QStringLiteral(
                    "SELECT COUNT(*) FROM entries WHERE pushed_revision <> revision")) &&
                q.next())
                count = q.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(name);
        return count;
    }
    QProcess *startSync() { return start({"history", "sync"}).release(); }
};

// `count` entries recorded on a machine while its server was away.
void recordOffline(const Machine &m, const QString &url, int count, const QString &serial)
{
    const auto copy = m.copy(url);
    for (int i = 0; i < count; ++i) {
        HistoryEntry e;
        e.serial = serial;
        e.model = QStringLiteral("HT-5000");
        e.program = QStringLiteral("orva-cli");
        e.kind = HistoryEntry::Kind::Read;
        e.outcome = HistoryEntry::Ending::Done;
        e.detail = QString::number(i);
        QVERIFY(copy->add(e));
    }
}

// In an event loop that does not sleep, so the gate passes bytes at once.
bool waitFor(QProcess *p, int ms = 120000)
{
    QSignalSpy finished(p, &QProcess::finished);
    return p->state() == QProcess::NotRunning || finished.wait(ms);
}

} // namespace

class TestSync : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void workGoesOnWithTheServerOutOfReach();
    void pushCutShortAndRepeatedIsExact();
    void twoMachinesPushingAtOnce();
    void listingsAddWhatWaits();
    void olderPushArrivingLateChangesNothing();
    void windowSaysWhatWaits();
};

void TestSync::initTestCase()
{
    if (!TestServer::running())
        QSKIP("no PostgreSQL test server (ORVA_PG_DIR)");
    QVERIFY2(!pgUrl.isEmpty(), "no test server: start tests/support/pg-server");
    qputenv("PGPASSWORD", pgPassword.toUtf8());
    // The window keeps its copies in the data folder of a home of this run's.
    static QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
}

void TestSync::workGoesOnWithTheServerOutOfReach()
{
    const QString database = newDatabase();
    ServerGate gate(quint16(QUrl(pgUrl).port()));
    const QString url = gate.url(database);
    Machine m(url);
    const QJsonObject edited = CliRun::with(m.read(), QStringLiteral("garageName"), "OFFLINE");
    QCOMPARE(m.run({"history", "sync"}).status, 0);
    const int before =
        onServer(database, QStringLiteral("SELECT COUNT(*) FROM entries")).value(0).toInt();
    QCOMPARE(before, 1); // the read, pushed at once

    gate.shut();
    const CliResult write = m.run(QStringList{"write", "--in", m.document(edited)}, Admin);
    QCOMPARE(write.status, 0);
    QVERIFY2(write.err.contains(QStringLiteral("not yet on the server")), qPrintable(write.err));
    QVERIFY(QJsonDocument(m.read()).toJson().contains("OFFLINE")); // the tester took it
    const int waiting = m.waiting(url);
    QVERIFY2(waiting >= 2, qPrintable(QString::number(waiting))); // the send and the read
    // Listed from this machine, what waits marked; sync says so, and fails.
    const QJsonArray listed = QJsonDocument::fromJson(m.run({"history", "--json"}).out).array();
    QCOMPARE(listed.size(), before + waiting);
    for (int i = 0; i < listed.size(); ++i) // the newest, they come first
        QCOMPARE(listed.at(i).toObject().value("onServer") == QJsonValue(false), i < waiting);
    const QByteArray text = m.run({"history"}).out;
    QCOMPARE(text.count("\nlocal-") + int(text.startsWith("local-")), waiting);
    const CliResult failed = m.run({"history", "sync"});
    QCOMPARE(failed.status, 9);
    QVERIFY2(failed.err.contains(QStringLiteral("%1 entries wait").arg(waiting)),
             qPrintable(failed.err));
    QCOMPARE(onServer(database, QStringLiteral("SELECT COUNT(*) FROM entries")).value(0).toInt(),
             before);

    gate.open();
    const QString all = QStringLiteral("%1/%1").arg(before + waiting);
    for (int round = 0; round < 2; ++round) { // a second sync adds nothing
        const CliResult sync = m.run({"history", "sync"});
        QCOMPARE(sync.status, 0);
        QCOMPARE(onServer(database, QStringLiteral("SELECT COUNT(DISTINCT uuid) || '/' || "
                                                   "COUNT(*) FROM entries")),
                 QStringList{all});
    }
    QCOMPARE(m.waiting(url), 0);
    QCOMPARE(onServer(database, QStringLiteral("SELECT outcome FROM entries WHERE kind = 'send'")),
             QStringList{"done"});
    QCOMPARE(
        onServer(database, QStringLiteral("SELECT COUNT(*) FROM testers WHERE garage_name LIKE "
                                          "'OFFLINE%'")),
        QStringList{"1"});
    const QJsonArray after = QJsonDocument::fromJson(m.run({"history", "--json"}).out).array();
    QCOMPARE(after.size(), before + waiting);
    for (const QJsonValue &e : after)
        QVERIFY(!e.toObject().contains("onServer"));
}

void TestSync::pushCutShortAndRepeatedIsExact()
{
    const QString database = newDatabase();
    ServerGate gate(quint16(QUrl(pgUrl).port()));
    const QString url = gate.url(database);
    Machine m(url);
    constexpr int Entries = 600;
    recordOffline(m, url, Entries, QStringLiteral("SN-CUT"));
    // Killed once the server has some of them, not all.
    std::unique_ptr<QProcess> sync(m.startSync());
    const QDeadlineTimer deadline(60000);
    int there = 0;
    while (sync->state() != QProcess::NotRunning && !deadline.hasExpired()) {
        there = onServer(database, QStringLiteral("SELECT COUNT(*) FROM entries")).value(0).toInt();
        if (there > 0) {
            sync->kill();
            break;
        }
        QSignalSpy(sync.get(), &QProcess::finished).wait(5);
    }
    QVERIFY(waitFor(sync.get()));
    QVERIFY2(there < Entries, "the push ended before it could be cut");
    // And a connection dropped in the middle of the next one.
    sync.reset(m.startSync());
    QSignalSpy(sync.get(), &QProcess::finished).wait(300);
    gate.shut();
    QVERIFY(waitFor(sync.get()));
    gate.open();
    sync.reset(m.startSync());
    QVERIFY(waitFor(sync.get()));
    QCOMPARE(sync->exitCode(), 0);
    QCOMPARE(onServer(database,
                      QStringLiteral("SELECT COUNT(DISTINCT uuid) || '/' || COUNT(*) || '/' || "
                                     "COUNT(DISTINCT detail) FROM entries")),
             QStringList{QStringLiteral("%1/%1/%1").arg(Entries)});
    QCOMPARE(m.waiting(url), 0);
}

void TestSync::twoMachinesPushingAtOnce()
{
    const QString database = newDatabase();
    const QString url = QString(pgUrl).replace(QStringLiteral("/postgres"), u'/' + database);
    std::vector<std::unique_ptr<Machine>> machines;
    std::vector<std::unique_ptr<QProcess>> syncs;
    for (const char *serial : {"SN-A", "SN-B"}) {
        machines.push_back(std::make_unique<Machine>(url));
        recordOffline(*machines.back(), url, 400, QString::fromLatin1(serial));
    }
    for (auto &m : machines)
        syncs.emplace_back(m->startSync());
    for (auto &s : syncs) {
        QVERIFY(waitFor(s.get()));
        QCOMPARE(s->exitCode(), 0);
    }
    QCOMPARE(onServer(database, QStringLiteral("SELECT serial || ' ' || COUNT(DISTINCT uuid) || "
                                               "'/' || COUNT(*) FROM entries GROUP BY serial "
                                               "ORDER BY serial")),
             (QStringList{"SN-A 400/400", "SN-B 400/400"}));
    QCOMPARE(onServer(database, QStringLiteral("SELECT COUNT(*) FROM testers")), QStringList{"2"});
}

// An entry recorded here and not yet pushed comes first in a listing of the
// server's, marked, and only once when it is pushed meanwhile.
void TestSync::listingsAddWhatWaits()
{
    const QString url = TestServer::freshDatabase(QStringLiteral("sync"));
    auto configured = ServiceHistory::openConfigured(url);
    QVERIFY2(configured, configured ? "" : qPrintable(configured.error().description()));
    ServiceHistory &history = *configured.value();
    HistoryEntry e;
    e.serial = QStringLiteral("SN-WAIT");
    e.outcome = HistoryEntry::Ending::Done;
    e.detail = QStringLiteral("pushed");
    QVERIFY(history.add(e)); // pushed at once
    HistoryLocation copy;
    copy.path = ServiceHistory::copyPath(*HistoryLocation::fromUrl(url));
    {
        auto plain = ServiceHistory::open(copy); // records without pushing
        QVERIFY(plain);
        e.detail = QStringLiteral("waits");
        QVERIFY(plain.value()->add(e));
    }
    const auto listed = [&] {
        QStringList rows;
        history.list({}, [&](const HistoryEntry &entry) {
            rows << entry.detail + (entry.pending ? QStringLiteral(" here") : QString());
            return true;
        });
        return rows;
    };
    QCOMPARE(listed(), (QStringList{"waits here", "pushed"}));
    const auto waiting = [&] {
        const Result<int> n = history.pendingCount();
        return n ? *n : -1;
    };
    QCOMPARE(waiting(), 1);
    const Result<int> pushed = history.push(true);
    QVERIFY2(pushed, pushed ? "" : qPrintable(pushed.error().description()));
    QCOMPARE(listed(), (QStringList{"waits", "pushed"}));
    QCOMPARE(waiting(), 0);
}

// Two programs of one computer push the same entry, the one before its end
// and the one after: whichever arrives last, the server keeps the end.
void TestSync::olderPushArrivingLateChangesNothing()
{
    const QString url = TestServer::freshDatabase(QStringLiteral("sync"));
    auto opened = ServiceHistory::open(*HistoryLocation::fromUrl(url));
    QVERIFY(opened);
    ServiceHistory &server = *opened.value();
    HistoryEntry started;
    started.uuid = QStringLiteral("0b0e-late");
    started.serial = QStringLiteral("SN-LATE");
    started.kind = HistoryEntry::Kind::Send;
    started.outcome = HistoryEntry::Ending::Started;
    started.revision = 0;
    HistoryEntry done = started;
    done.outcome = HistoryEntry::Ending::Done;
    done.revision = 1;
    for (const HistoryEntry *first : {&done, &started}) {
        QVERIFY(server.receive(*first));
        QVERIFY(server.receive(first == &done ? started : done));
        QCOMPARE(onServer(QUrl(url).path().mid(1),
                          QStringLiteral("SELECT outcome || ' ' || COUNT(*) OVER () FROM entries")),
                 QStringList{"done 1"});
    }
}

// The window records while the server is away, and its status bar says how
// much waits for it.
void TestSync::windowSaysWhatWaits()
{
    const QString database = newDatabase();
    ServerGate gate(quint16(QUrl(pgUrl).port()));
    gate.shut();
    CliRun cli; // its simulator
    Harness h;
    h.create({cli.sim.devicePath()}, gate.url(database));
    QVERIFY(h.start());
    QLabel *waiting = h.window->findChild<QLabel *>(QStringLiteral("UnpushedCount"));
    QVERIFY(waiting);
    QCOMPARE(waiting->text(), QStringLiteral("1 entry not yet on the server")); // the read
    h.window->TestoMarca->setText(QStringLiteral("AWAY"));
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    QVERIFY2(h.prompts.shown.isEmpty(), "a server away is no error of the send");
    QCOMPARE(cli.sim.memory().mid(0x10, 4), QByteArray("AWAY"));
    QCOMPARE(waiting->text(), QStringLiteral("2 entries not yet on the server"));
    QCOMPARE(onServer(database, QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE tablename = "
                                               "'entries'")),
             QStringList{"0"}); // nothing reached it
}

QTEST_MAIN(TestSync)
#include "test_sync.moc"
