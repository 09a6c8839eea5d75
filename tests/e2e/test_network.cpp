// orva-cli against the simulator behind a real serial-to-network bridge on
// the loopback address: socat for a raw tcp:// line, ser2net for rfc2217://,
// with latency and stray telnet bytes from the tester's side of the bridge.
#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

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

private:
    Kind m_kind;
    QString m_pty;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;

public:
    quint16 port;
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
    void endToEnd();
    void faults_data();
    void faults();
};

void TestNetwork::initTestCase()
{
    for (const char *bridge : {"socat", "ser2net"})
        if (QStandardPaths::findExecutable(QLatin1String(bridge)).isEmpty())
            QSKIP("socat and ser2net are needed (scripts/install-deps)");
}

// Read, write with read-back, restore and calibrate, each over ser2net's
// rfc2217 line (socat's raw line: faults); every entry names the line.
void TestNetwork::endToEnd()
{
    CliRun cli;
    cli.shortLimits();
    const QByteArray original = cli.sim.memory();
    const QJsonObject direct = fieldsOf(cli.run({"read"}).out);
    Bridge bridge(Bridge::Kind::Ser2net, cli.sim.devicePath());
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
    QString url = bridge.url();
    if (fault == QLatin1String("unreachable")) {
        url = QStringLiteral("tcp://192.0.2.1:%1").arg(bridge.port); // documentation-only net
    } else if (fault != QLatin1String("refused")) {
        QVERIFY(bridge.start());
    }
    if (fault == QLatin1String("off"))
        cli.sim.setPowered(false);
    if (fault == QLatin1String("latency")) {
        // 50 to 300 ms on the connection check and on every 64th reply.
        int replies = 0;
        QObject::connect(&cli.sim, &TesterSimulator::frameReceived, &cli.sim,
                         [&, replies]() mutable {
                             const int reply = replies++;
                             cli.sim.setReplyDelayMs(reply % 64 ? 0 : 50 + (reply / 64 * 50) % 300);
                         });
    } else if (fault == QLatin1String("telnet") || fault == QLatin1String("drop")) {
        // Mid-load at the 40th byte read, mid-send at the 5th written.
        const char frame = command == QLatin1String("read") ? 'R' : 'W';
        const int count = frame == 'R' ? 40 : 5;
        onFrames(cli.sim, frame, count, [&] {
            if (fault == QLatin1String("drop"))
                QTimer::singleShot(0, &cli.sim, [&] { bridge.stop(); });
            else // IAC WILL COM-PORT-OPTION, as a telnet bridge says it
                for (const char c : QByteArray::fromHex("fffb2c"))
                    cli.sim.appendToNextReply(c);
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
