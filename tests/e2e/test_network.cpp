// orva-cli against the simulator behind a real serial-to-network bridge on
// the loopback address: socat for a raw tcp:// line, ser2net for rfc2217://,
// and small proxies here for latency and stray telnet bytes.
#include "CliRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace {

const QByteArray Admin = "52917\n";
const QByteArray Dealer = "27754\n";

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A bridge program between 127.0.0.1:port and the simulator's pty. socat
// serves one connection and ends; ser2net serves one after another.
class Bridge
{
public:
    enum class Kind { Socat, Ser2net };

    Bridge(Kind kind, const QString &pty)
        : m_kind(kind)
        , m_pty(pty)
        , port(freePort())
    {}
    ~Bridge() { stop(); }

    QString url() const
    {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(m_kind == Kind::Socat ? QStringLiteral("tcp") : QStringLiteral("rfc2217"))
            .arg(port);
    }

    // Returns once it listens, or false after a few seconds.
    bool start()
    {
        stop();
        m_process = std::make_unique<QProcess>();
        if (m_kind == Kind::Socat) {
            m_process->start(QStringLiteral("socat"),
                             {QStringLiteral("-d"), QStringLiteral("-d"),
                              QStringLiteral("TCP-LISTEN:%1,bind=127.0.0.1,reuseaddr").arg(port),
                              QStringLiteral("FILE:%1,raw,echo=0").arg(m_pty)});
            QByteArray said;
            return QTest::qWaitFor(
                [&] {
                    said += m_process->readAllStandardError();
                    return said.contains("listening on");
                },
                5000);
        }
        QFile config(m_dir.filePath(QStringLiteral("ser2net.yaml")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("connection: &tester\n"
                                    "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                                    "  connector: serialdev,%2,2400n81,local\n"
                                    "  options:\n"
                                    "    kickolduser: true\n"
                                    // Bytes go on at once, as a tester's replies need.
                                    "    chardelay: false\n")
                         .arg(port)
                         .arg(m_pty)
                         .toUtf8());
        config.close();
        m_process->start(QStringLiteral("ser2net"),
                         {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-c"),
                          config.fileName(), QStringLiteral("-P"),
                          m_dir.filePath(QStringLiteral("pid"))});
        return QTest::qWaitFor(
            [&] {
                QTcpSocket probe;
                probe.connectToHost(QHostAddress::LocalHost, port);
                return probe.waitForConnected(200);
            },
            5000);
    }

    void stop()
    {
        if (!m_process)
            return;
        m_process->kill();
        m_process->waitForFinished(5000);
        m_process.reset();
    }

    static bool available(Kind kind)
    {
        return !QStandardPaths::findExecutable(kind == Kind::Socat ? QStringLiteral("socat")
                                                                   : QStringLiteral("ser2net"))
                    .isEmpty();
    }

private:
    Kind m_kind;
    QString m_pty;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;

public:
    quint16 port;
};

// A bridge's bridge: forwards one connection to `target`, and may hold back
// or add to what comes from the tester's side, reply by reply.
class Proxy
{
public:
    std::function<int(int reply)> delayMs = [](int) { return 0; };
    // Added to the next reply from the tester's side.
    QByteArray injectNext;

    explicit Proxy(quint16 target)
        : m_target(target)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            m_client = m_server.nextPendingConnection();
            m_upstream.connectToHost(QHostAddress::LocalHost, m_target);
            QObject::connect(m_client, &QTcpSocket::readyRead, m_client,
                             [this] { m_upstream.write(m_client->readAll()); });
            QObject::connect(m_client, &QTcpSocket::disconnected, &m_upstream,
                             &QTcpSocket::disconnectFromHost);
        });
        QObject::connect(&m_upstream, &QTcpSocket::readyRead, &m_upstream, [this] {
            const int reply = m_replies++;
            const QByteArray bytes = m_upstream.readAll() + injectNext;
            injectNext.clear();
            // Replies keep their order, each no sooner than its own delay:
            // whichever timer fires, the queue goes out from its front.
            // One reading of the clock: read twice, a tick between the two made
            // a negative timeout, which QTimer drops, and the reply was lost.
            const qint64 now = m_clock.elapsed();
            const qint64 due = std::max(now + delayMs(reply), m_lastDue);
            m_lastDue = due;
            m_queue.push_back(bytes);
            const qint64 sequence = m_queued++;
            QTimer::singleShot(int(due - now), Qt::PreciseTimer, m_client,
                               [this, sequence] { flushThrough(sequence); });
        });
        m_clock.start();
    }
    QString url() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    // Sends every reply up to this one: an earlier reply's timer may fire later.
    void flushThrough(qint64 sequence)
    {
        for (; m_sent <= sequence && !m_queue.empty(); ++m_sent) {
            if (m_client)
                m_client->write(m_queue.front());
            m_queue.pop_front();
        }
    }

    quint16 m_target;
    std::deque<QByteArray> m_queue;
    qint64 m_queued = 0;
    qint64 m_sent = 0;
    QTcpServer m_server;
    QTcpSocket *m_client = nullptr;
    QTcpSocket m_upstream;
    QElapsedTimer m_clock;
    qint64 m_lastDue = 0;
    int m_replies = 0;
};

QJsonObject fieldsOf(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object().value("fields").toObject();
}

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void endToEnd_data();
    void endToEnd();
    void faults_data();
    void faults();
};

void TestNetwork::initTestCase()
{
    if (!Bridge::available(Bridge::Kind::Socat) || !Bridge::available(Bridge::Kind::Ser2net))
        QSKIP("socat and ser2net are needed (scripts/install-deps)");
}

// A proxy timer that would never fire loses a reply without a trace.
void TestNetwork::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("negative timeouts")));
}

void TestNetwork::endToEnd_data()
{
    QTest::addColumn<Bridge::Kind>("kind");
    QTest::addColumn<bool>("everyCommand"); // else a read and a write
    QTest::newRow("tcp through socat") << Bridge::Kind::Socat << true;
    QTest::newRow("rfc2217 through ser2net") << Bridge::Kind::Ser2net << false;
}

// Read, write with read-back, restore and calibrate, each over the bridge;
// every entry names the line.
void TestNetwork::endToEnd()
{
    QFETCH(Bridge::Kind, kind);
    QFETCH(bool, everyCommand);
    CliRun cli;
    cli.shortLimits();
    const QByteArray original = cli.sim.memory();
    const QJsonObject direct = fieldsOf(cli.run({"read"}).out);
    Bridge bridge(kind, cli.sim.devicePath());
    const auto over = [&](QStringList args, const QByteArray &input = {}) {
        if (!bridge.start())
            return CliResult{};
        return cli.run(args << QStringLiteral("--port") << bridge.url(), input);
    };

    const CliResult read = over({"read"});
    QCOMPARE(read.status, 0);
    QCOMPARE(fieldsOf(read.out), direct);

    QJsonObject doc = QJsonDocument::fromJson(read.out).object();
    // 0FFh in a field travels doubled on a telnet line.
    doc = CliRun::with(doc, QStringLiteral("manufacturer"), "ACME");
    const CliResult write = over({"write", "--in", cli.document(doc)}, Admin);
    QCOMPARE(write.status, 0);
    QCOMPARE(cli.sim.memory().mid(0x10, 10), QByteArray("ACME      "));
    const QJsonObject sent = cli.history().first().toObject();
    QCOMPARE(sent.value("kind").toString(), QStringLiteral("send"));
    QCOMPARE(sent.value("outcome").toString(), QStringLiteral("done"));
    if (!everyCommand)
        return;

    const CliResult restore =
        over({"restore", QString::number(sent.value("id").toInteger())}, Admin);
    QCOMPARE(restore.status, 0);
    QCOMPARE(cli.sim.memory(), original);

    cli.sim.setReading(9, 7700);
    const CliResult calibrate =
        over({"calibrate", "--beam", "high", "--lux", "35", "--yes"}, Dealer);
    QCOMPARE(calibrate.status, 0);
    QCOMPARE(cli.sim.memory().mid(0x122, 2), QByteArray::fromHex("dc00"));

    // The first read went over the pty; every other entry over the bridge.
    const QJsonArray entries = cli.history();
    QVERIFY(entries.size() >= 5);
    for (qsizetype k = 0; k + 1 < entries.size(); ++k)
        QCOMPARE(entries.at(k).toObject().value("line").toString(), bridge.url());
    QCOMPARE(entries.last().toObject().value("line").toString(), cli.sim.devicePath());
}

void TestNetwork::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // %URL%: the line
    const auto row = [](const char *name, const char *fault, const char *command, int status,
                        const char *message) {
        QTest::newRow(name) << QString::fromLatin1(fault) << QString::fromLatin1(command) << status
                            << QString::fromLatin1(message);
    };
    row("nothing listens", "refused", "read", 4, "%URL% cannot be reached");
    row("host unreachable", "unreachable", "read", 4, "%URL% cannot be reached");
    row("dropped mid-load", "drop", "read", 3, "no tester answered on %URL%");
    row("dropped mid-send", "drop", "write", 3, "");
    row("tester off behind the bridge", "off", "read", 3, "no tester answered on %URL% within 1 s");
    row("latency 50-300 ms, read", "latency", "read", 0, "");
    row("latency 50-300 ms, write", "latency", "write", 0, "");
    row("telnet bytes on a raw line, read", "telnet", "read", 0, "");
    row("telnet bytes on a raw line, write", "telnet", "write", 8,
        "Transmission Parameters INCOMPLETE");
}

// Each fault gives what the same fault on a serial line gives; then the
// tester's memory and the history are checked against what was reported.
void TestNetwork::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, message);
    CliRun cli;
    if (fault != QLatin1String("latency")) // the program's own network allowance is tested there
        cli.shortLimits();
    const QByteArray original = cli.sim.memory();
    const QByteArray direct = cli.run({"read"}).out;
    const int entriesBefore = int(cli.history().size());
    Bridge bridge(Bridge::Kind::Socat, cli.sim.devicePath());
    std::unique_ptr<Proxy> proxy;
    QString url = bridge.url();
    if (fault == QLatin1String("unreachable")) {
        url = QStringLiteral("tcp://192.0.2.1:%1").arg(bridge.port); // documentation-only net
    } else if (fault != QLatin1String("refused")) {
        QVERIFY(bridge.start());
    }
    if (fault == QLatin1String("off"))
        cli.sim.setPowered(false);
    if (fault == QLatin1String("latency") || fault == QLatin1String("telnet")) {
        proxy = std::make_unique<Proxy>(bridge.port);
        url = proxy->url();
    }
    if (fault == QLatin1String("latency")) {
        // 50 to 300 ms on the connection check and on every 64th reply.
        proxy->delayMs = [](int reply) { return reply % 64 ? 0 : 50 + (reply / 64 * 50) % 300; };
    } else if (fault == QLatin1String("telnet") || fault == QLatin1String("drop")) {
        // Mid-load at the 40th byte read, mid-send at the 5th written.
        const char frame = command == QLatin1String("read") ? 'R' : 'W';
        const int count = frame == 'R' ? 40 : 5;
        onFrames(cli.sim, frame, count, [&] {
            if (proxy) // IAC WILL COM-PORT-OPTION, as a telnet bridge says it
                proxy->injectNext = QByteArray::fromHex("fffb2c");
            else
                QTimer::singleShot(0, &cli.sim, [&] { bridge.stop(); });
        });
    }
    cli.sim.clearFrames();

    const QString trace = cli.home.filePath(QStringLiteral("trace.txt"));
    QStringList args = {command, QStringLiteral("--port"), url, QStringLiteral("--trace"), trace,
                        QStringLiteral("--timeout"),
                        // Short where no tester can answer; where one does, a slow
                        // machine (or a sanitizer) must not make a fault of latency.
                        fault == QLatin1String("latency") || fault == QLatin1String("telnet")
                            ? QStringLiteral("30")
                            : QStringLiteral("1")};
    const QJsonObject edited = CliRun::with(QJsonDocument::fromJson(direct).object(),
                                            QStringLiteral("manufacturer"), "ACME");
    if (command == QLatin1String("write"))
        args << QStringLiteral("--in") << cli.document(edited);
    const CliResult r = cli.run(args, Admin);
    QVERIFY2(r.status == status, qPrintable(r.err));
    QVERIFY2(r.err.contains(QString(message).replace(QStringLiteral("%URL%"), url)),
             qPrintable(r.err));

    const QJsonArray entries = cli.history();
    const QByteArray memory = cli.sim.memory();
    if (status == 4 || fault == QLatin1String("off") ||
        (fault == QLatin1String("drop") && command == QLatin1String("read"))) {
        // Nothing was read, so nothing is recorded and nothing written.
        QCOMPARE(entries.size(), entriesBefore);
        QCOMPARE(memory, original);
        QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
        return;
    }
    if (command == QLatin1String("read")) {
        // Latency or bytes out of step: the read is the tester's, nothing else.
        QCOMPARE(r.out.isEmpty(), false);
        QCOMPARE(fieldsOf(r.out), fieldsOf(direct));
        QCOMPARE(memory, original);
        QCOMPARE(entries.first().toObject().value("line").toString(), url);
        if (fault == QLatin1String("telnet")) {
            QFile t(trace);
            QVERIFY(t.open(QIODevice::ReadOnly));
            QVERIFY(t.readAll().contains("lost step"));
        }
        return;
    }
    // A write: its entry says what the tester holds.
    const QJsonObject sent = entries.first().toObject();
    QCOMPARE(sent.value("kind").toString(), QStringLiteral("send"));
    QCOMPARE(sent.value("line").toString(), url);
    const QString recorded = cli.entry(sent.value("id").toInteger())
                                 .value("after")
                                 .toObject()
                                 .value("fields")
                                 .toObject()
                                 .value("manufacturer")
                                 .toString();
    QCOMPARE(QString::fromLatin1(memory.mid(0x10, 10)), recorded);
    if (status == 0) {
        QCOMPARE(sent.value("outcome").toString(), QStringLiteral("done"));
        QCOMPARE(memory.mid(0x10, 10), QByteArray("ACME      "));
        return;
    }
    QVERIFY(sent.value("outcome").toString() != QLatin1String("done"));
    QVERIFY(sent.value("outcome").toString() != QLatin1String("started"));
    // Outside the field the write was changing, the tester is as it was.
    QCOMPARE(memory.left(0x10), original.left(0x10));
    QCOMPARE(memory.mid(0x1A, 0x100), original.mid(0x1A, 0x100));
}

QTEST_GUILESS_MAIN(TestNetwork)
#include "test_network.moc"
