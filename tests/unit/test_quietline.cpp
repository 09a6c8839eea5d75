// The wait for a quiet line, against a peer that chatters for a while: only a
// whole quiet spell within the limit counts.
#include "link/LinkWait.h"
#include "link/SerialLink.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

class TestQuietLine : public QObject
{
    Q_OBJECT
private slots:
    void quiet_data();
    void quiet();
};

void TestQuietLine::quiet_data()
{
    QTest::addColumn<int>("chatterMs"); // the peer sends a byte every 20 ms this long
    QTest::addColumn<int>("quietMs");
    QTest::addColumn<int>("maxMs");
    QTest::addColumn<bool>("ready");
    // Spells long enough that a busy machine's pauses do not make them.
    QTest::newRow("quiet from the start") << 0 << 200 << 600 << true;
    QTest::newRow("falls quiet in time") << 300 << 300 << 1500 << true;
    QTest::newRow("quiet spell cut by the limit") << 900 << 600 << 1200 << false;
    QTest::newRow("never quiet") << 3000 << 500 << 1000 << false;
}

void TestQuietLine::quiet()
{
    QFETCH(int, chatterMs);
    QFETCH(int, quietMs);
    QFETCH(int, maxMs);
    QFETCH(bool, ready);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    SerialLink link;
    QVERIFY(link.open(QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort())));
    QCOMPARE(LinkWait::forConnection(link, 5000), WaitResult::Ready);
    QVERIFY(server.hasPendingConnections() || server.waitForNewConnection(5000));
    QTcpSocket *peer = server.nextPendingConnection();

    QElapsedTimer clock;
    QTimer chatter;
    QObject::connect(&chatter, &QTimer::timeout, peer, [&] {
        if (clock.elapsed() < chatterMs)
            peer->write("x", 1);
        else
            chatter.stop();
    });
    clock.start();
    if (chatterMs > 0) {
        peer->write("x", 1);
        chatter.start(20);
    }
    const WaitResult result = LinkWait::quiet(link, nullptr, quietMs, maxMs);
    QCOMPARE(result, ready ? WaitResult::Ready : WaitResult::TimedOut);
    if (ready)
        QCOMPARE(link.waiting(), 0); // what came meanwhile is dropped
}

QTEST_GUILESS_MAIN(TestQuietLine)
#include "test_quietline.moc"
