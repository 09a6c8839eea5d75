// The network line's pieces that need no network: the telnet filter of an
// RFC 2217 bridge, and the forms --port accepts.
#include "link/LineAddress.h"
#include "link/TelnetFilter.h"

#include <QTest>

class TestNetLine : public QObject
{
    Q_OBJECT
private slots:
    void telnetFilter_data();
    void telnetFilter();
    void openingSetsTheLine();
    void portForms_data();
    void portForms();
};

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void TestNetLine::telnetFilter_data()
{
    // What the bridge sends, read by read; the tester's bytes and the
    // answers owed to the bridge.
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("replies");
    QTest::newRow("plain bytes") << QList<QByteArray>{hex("0106"), hex("52")} << hex("010652")
                                 << QByteArray();
    QTest::newRow("IAC IAC split across reads")
        << QList<QByteArray>{hex("06ff"), hex("ff06")} << hex("06ff06") << QByteArray();
    QTest::newRow("agreed options are not answered again")
        << QList<QByteArray>{hex("fffd00fffb00fffd2cfffb03")} << QByteArray() << QByteArray();
    QTest::newRow("unknown options refused")
        << QList<QByteArray>{hex("fffb01fffd18")} << QByteArray() << hex("fffe01fffc18");
    QTest::newRow("negotiation split byte by byte")
        << QList<QByteArray>{hex("06ff"), hex("fb"), hex("01"), hex("06")} << hex("0606")
        << hex("fffe01");
    QTest::newRow("subnegotiation dropped, FF inside it too")
        << QList<QByteArray>{hex("06fffa2c650000fFff0960fff006")} << hex("0606") << QByteArray();
    QTest::newRow("subnegotiation split across reads")
        << QList<QByteArray>{hex("fffa2c"), hex("6608ff"), hex("f0"), hex("55")} << hex("55")
        << QByteArray();
    QTest::newRow("NOP and GA carry nothing")
        << QList<QByteArray>{hex("fff106fff9")} << hex("06") << QByteArray();
}

void TestNetLine::telnetFilter()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, replies);
    TelnetFilter filter;
    QByteArray gotData;
    QByteArray gotReplies;
    for (const QByteArray &r : reads)
        gotData += filter.incoming(r, gotReplies);
    QCOMPARE(gotData.toHex(), data.toHex());
    QCOMPARE(gotReplies.toHex(), replies.toHex());
}

void TestNetLine::openingSetsTheLine()
{
    const QByteArray o = TelnetFilter::opening();
    // COM-PORT-OPTION offered, then 2400 baud, 8 bits, no parity, 1 stop bit.
    QVERIFY(o.contains(hex("fffb2c")));
    QVERIFY(o.contains(hex("fffa2c0100000960fff0")));
    QVERIFY(o.contains(hex("fffa2c0208fff0")));
    QVERIFY(o.contains(hex("fffa2c0301fff0")));
    QVERIFY(o.contains(hex("fffa2c0401fff0")));
}

void TestNetLine::portForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name"); // as the line is named, in the history too
    QTest::newRow("device") << "/dev/ttyUSB0" << true << "/dev/ttyUSB0";
    QTest::newRow("scheme in capitals") << "TCP://bridge:7000" << true << "tcp://bridge:7000";
    QTest::newRow("rfc2217") << "rfc2217://bridge.local:2217" << true
                             << "rfc2217://bridge.local:2217";
    QTest::newRow("ipv6") << "tcp://[::1]:5000" << true << "tcp://[::1]:5000";
    QTest::newRow("highest port") << "tcp://h:65535" << true << "tcp://h:65535";
    QTest::newRow("no port") << "tcp://host" << false << "";
    QTest::newRow("empty port") << "tcp://host:" << false << "";
    QTest::newRow("port 0") << "tcp://host:0" << false << "";
    QTest::newRow("port too high") << "tcp://host:99999" << false << "";
    QTest::newRow("signed port") << "tcp://host:+80" << false << "";
    QTest::newRow("no host") << "rfc2217://:2217" << false << "";
    QTest::newRow("a path after the port") << "tcp://host:80/x" << false << "";
    QTest::newRow("ipv6 without brackets") << "tcp://::1:5000" << false << "";
    QTest::newRow("unknown scheme") << "foo://host:1" << false << "";
}

void TestNetLine::portForms()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, name);
    const Result<LineAddress> line = LineAddress::parse(text);
    QCOMPARE(line.ok(), valid);
    if (valid) {
        QCOMPARE(line->name(), name);
        return;
    }
    const QString error = line.error().description();
    for (const char *form : {"tcp://HOST:PORT", "rfc2217://HOST:PORT", "/dev/ttyUSB0"})
        QVERIFY2(error.contains(QLatin1String(form)), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestNetLine)
#include "test_netline.moc"
