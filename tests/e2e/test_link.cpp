#include "MemoryImage.h"
#include "TesterSimulator.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/LinkWait.h"
#include "link/OrvaError.h"
#include "link/SerialLink.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString def(const QString &address, int length, const QString &key)
{
    return QStringLiteral("//%1 %2 %3").arg(address).arg(length, 4).arg(key);
}

// The program's own serial code against the simulator over a real pty.
struct Line
{
    TesterSimulator sim;
    SerialLink link;
    AbortFlag abort;
    QString status;
    QTemporaryDir dir;
    Equipment eq{link, abort, [this](const QString &s) { status = s; },
                 [this] { return dir.filePath(QStringLiteral("test.ini")); }};

    explicit Line(const QStringList &lines = {})
    {
        sim.start();
        link.open(sim.devicePath());
        QFile f(dir.filePath(QStringLiteral("test.ini")));
        f.open(QIODevice::WriteOnly);
        f.write(lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }
    QByteArray writtenBytes() const
    {
        QByteArray out;
        for (const QByteArray &f : sim.framesStartingWith('W'))
            out += f.mid(1);
        return out;
    }
    void later(int ms, std::function<void()> action) { QTimer::singleShot(ms, &sim, action); }
};

const QByteArray Ack(1, 0x06);
const QString Waiting =
    QStringLiteral("Wait connection to Equipment ! Reset with power supply ...");

} // namespace

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void connectionCheck();
    void acknowledgeWithAStrayByteIsNone();
    void lateReplySpoilsTheNextCheck();
    void abortEndsTheConnectionWait();
    void closedPortSendsNothingAndDoesNotSpin();
    void silentTesterEndsEveryWaitWithNoReply();
    void readParameter_data();
    void readParameter();
    void readParameterStrayByteIsAppended();
    void writeParameter_data();
    void writeParameter();
    void unusableValuesAreReported_data();
    void unusableValuesAreReported();
    void abortDuringAnAcknowledgeWait();
    void acknowledgeWithAnotherByteIsNotTaken();
    void clockFrame();
    void photodiode();
    void abortDuringPhotodiodeLeavesTheRestWaiting();
    void lostPortIsReported();
};

void TestLink::connectionCheck()
{
    Line l;
    QCOMPARE(l.eq.checkConnection(), Ack);
    QCOMPARE(l.status, QString());
    QCOMPARE(l.sim.frames(), QList<QByteArray>{QByteArray(1, 0x01)});
}

void TestLink::acknowledgeWithAStrayByteIsNone()
{
    Line l;
    l.sim.injectStrayByte();
    QCOMPARE(l.eq.checkConnection(), QByteArray());
    QCOMPARE(l.status, Waiting);
    QCOMPARE(l.eq.checkConnection(), Ack);
}

void TestLink::lateReplySpoilsTheNextCheck()
{
    Line l;
    l.sim.setReplyDelayMs(1150);
    QCOMPARE(l.eq.checkConnection(), QByteArray());
    l.sim.setReplyDelayMs(0);
    LinkWait::idle(l.link, nullptr, 300); // the late reply lands meanwhile
    QCOMPARE(l.link.waiting(), 1);
    QCOMPARE(l.eq.checkConnection(), QByteArray());
    QCOMPARE(l.link.waiting(), 0);
    QCOMPARE(l.eq.checkConnection(), Ack);
}

void TestLink::abortEndsTheConnectionWait()
{
    Line l;
    l.sim.setPowered(false);
    l.later(100, [&] { l.abort.set(); });
    QElapsedTimer t;
    t.start();
    QCOMPARE(l.eq.checkConnection(), QByteArray());
    QVERIFY(t.elapsed() < 600);
    QVERIFY(l.abort.isSet()); // the check leaves the flag to its caller
}

void TestLink::closedPortSendsNothingAndDoesNotSpin()
{
    Line l;
    l.link.close();
    QElapsedTimer t;
    t.start();
    QCOMPARE(l.eq.checkConnection(), QByteArray());
    QVERIFY(t.elapsed() >= 900);
    QCOMPARE(l.status, Waiting);
    QVERIFY(l.sim.frames().isEmpty());
}

void TestLink::silentTesterEndsEveryWaitWithNoReply()
{
    Line l({"x " + def("0040", 2, "parame_marcaa")});
    l.sim.setPowered(false);
    const ReadReply r = l.eq.readParameter(QStringLiteral("parame_marcaa"));
    QVERIFY(r.noReply);
    QCOMPARE(r.address, QStringLiteral("0040"));
    QString value = QStringLiteral("AB");
    const WriteOutcome w = l.eq.writeParameter(value, QStringLiteral("parame_marcaa"), "1");
    QCOMPARE(int(w.status), int(WriteOutcome::NoAck));
    QCOMPARE(w.address, QStringLiteral("0040"));
    QCOMPARE(int(l.eq.readPhotodiode(9).status), int(PhotodiodeReply::NoReply));
}

void TestLink::readParameter_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("addresses");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("rolls over 00FF")
        << QStringList{"c " + def("00FE", 3, "parame_marcaa")} << "parame_marcaa"
        << QList<int>{0xFE, 0xFF, 0x100} << QByteArray("FGH")
        << "Wait reading parameters from equipment .... (addr. h00FE )";
    QTest::newRow("address as written")
        << QStringList{"c " + def("00fe", 1, "parame_marcaa")} << "parame_marcaa"
        << QList<int>{0xFE} << QByteArray("F")
        << "Wait reading parameters from equipment .... (addr. h00fe )";
    QTest::newRow("second parts made printable")
        << QStringList{"c " + def("0200", 4, "parame_model1")} << "parame_model1"
        << QList<int>{0x200, 0x201, 0x202, 0x203} << QByteArray("}  ~")
        << QString("Wait reading parameters from equipment .... (addr. h0200 )");
    QTest::newRow("first of two definitions")
        << QStringList{"a " + def("00FE", 1, "parame_marcaa"),
                       "b " + def("0100", 1, "parame_marcaa")}
        << "parame_marcaa" << QList<int>{0xFE} << QByteArray("F")
        << "Wait reading parameters from equipment .... (addr. h00FE )";
    QTest::newRow("absent key") << QStringList{"c " + def("00FE", 3, "parame_marcaa")}
                                << "parame_modelo" << QList<int>{} << QByteArray()
                                << QString("unchanged");
    QTest::newRow("length zero") << QStringList{"c " + def("00FE", 0, "parame_marcaa")}
                                 << "parame_marcaa" << QList<int>{} << QByteArray()
                                 << QString("unchanged");
    QTest::newRow("write-only line")
        << QStringList{"//\"v\"  " + def("00FE", 1, "parame_marcaa")} << "parame_marcaa"
        << QList<int>{} << QByteArray() << QString("unchanged");
}

void TestLink::readParameter()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, key);
    QFETCH(QList<int>, addresses);
    QFETCH(QByteArray, result);
    QFETCH(QString, status);
    Line l(lines);
    l.sim.memory().replace(0xFE, 3, "FGH");
    l.sim.memory().replace(0x200, 4, QByteArray("}") + char(0x1F) + char(0x80) + char(0x7E));
    l.sim.memory()[0x203] = '~';
    l.status = QStringLiteral("unchanged");
    const ReadReply r = l.eq.readParameter(key);
    QList<int> sent;
    for (const QByteArray &f : l.sim.framesStartingWith('R'))
        sent.append((quint8(f.at(1)) << 8) | quint8(f.at(2)));
    QCOMPARE(sent, addresses);
    QCOMPARE(r.bytes, key == "parame_model1" ? QByteArray("}   ") : result);
    QCOMPARE(l.status, status);
}

void TestLink::readParameterStrayByteIsAppended()
{
    Line l({"c " + def("00FE", 2, "parame_marcaa"), "c " + def("00FE", 2, "parame_nseri1")});
    l.sim.memory().replace(0xFE, 2, "FG");
    l.sim.injectStrayByte('!');
    const QByteArray plain = l.eq.readParameter(QStringLiteral("parame_marcaa")).bytes;
    QCOMPARE(plain.size(), 3);
    QVERIFY(plain.endsWith('G'));
    l.sim.injectStrayByte('!');
    QCOMPARE(l.eq.readParameter(QStringLiteral("parame_nseri1")).bytes.size(), 2);
}

void TestLink::writeParameter_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("written");
    const QString k = QStringLiteral("parame_marcaa");
    QTest::newRow("both definitions, in file order")
        << QStringList{"a " + def("0050", 1, k), "b " + def("0040", 1, k)} << "Z" << k << "1"
        << QByteArray::fromHex("00505a00405a");
    QTest::newRow("read-only line passed over")
        << QStringList{def("0040", 1, k), "//\"v\"   " + def("0050", 1, k)} << "Z" << k << "1"
        << QByteArray::fromHex("00505a");
    QTest::newRow("length zero passed over")
        << QStringList{"x " + def("0040", 0, k)} << "Z" << k << "1" << QByteArray();
    QTest::newRow("wildcard, each line its own value")
        << QStringList{"//\"AB\"     " + def("0200", 2, "txt_en_title1"),
                       "//\"Q\"      " + def("0210", 1, "txt_it_title1"),
                       "//7,       " + def("0230", 1, "txt_en_langid")}
        << "English"
        << "txt_en_******"
        << "2" << QByteArray::fromHex("020041020142023007");
    QTest::newRow("mode 2 number clamped")
        << QStringList{"//999,  " + def("0230", 1, "txt_en_langid")} << ""
        << "txt_en_langid"
        << "2" << QByteArray::fromHex("0230ff");
    QTest::newRow("other modes write nothing")
        << QStringList{"x " + def("0040", 1, k)} << "1" << k << "3" << QByteArray();
}

void TestLink::writeParameter()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, value);
    QFETCH(QString, key);
    QFETCH(QString, mode);
    QFETCH(QByteArray, written);
    Line l(lines);
    const WriteOutcome o = l.eq.writeParameter(value, key, mode);
    QCOMPARE(int(o.status), int(WriteOutcome::Done));
    QCOMPARE(l.writtenBytes().toHex(), written.toHex());
    for (const QByteArray &f : l.sim.framesStartingWith('W')) // the tester stored what was sent
        QCOMPARE(l.sim.memory().at((quint8(f.at(1)) << 8) | quint8(f.at(2))), f.at(3));
}

void TestLink::unusableValuesAreReported_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("mode");
    QTest::newRow("mode 0 empty") << "x " + def("0040", 1, "txt_en_langid") << ""
                                  << "0";
    QTest::newRow("mode 2 without comma") << "//12     " + def("0040", 1, "txt_en_langid") << ""
                                          << "2";
    QTest::newRow("mode 2 not a number") << "//x1,    " + def("0040", 1, "txt_en_langid") << ""
                                         << "2";
}

void TestLink::unusableValuesAreReported()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    QFETCH(QString, mode);
    Line l({line});
    l.eq.writeParameter(value, QStringLiteral("txt_en_langid"), mode);
    QVERIFY(l.sim.framesStartingWith('W').isEmpty());
    QVERIFY2(l.status.contains(QStringLiteral("not sent")), qPrintable(l.status));
}

void TestLink::abortDuringAnAcknowledgeWait()
{
    Line l({"x " + def("0040", 4, "parame_marcaa"), "y " + def("0050", 4, "parame_marcaa")});
    l.sim.stopAckAfter(2);
    l.later(300, [&] { l.abort.set(); });
    QString value = QStringLiteral("ABCD");
    QElapsedTimer t;
    t.start();
    QCOMPARE(int(l.eq.writeParameter(value, QStringLiteral("parame_marcaa"), "1").status),
             int(WriteOutcome::Aborted));
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(l.sim.memory().mid(0x40, 2), QByteArray("AB"));
    QCOMPARE(l.sim.framesStartingWith('W').size(), 3);
    QCOMPARE(l.sim.memory().mid(0x42, 2), MemoryImage::forVersion().mid(0x42, 2));
    // Once aborted, later writes send nothing.
    QCOMPARE(int(l.eq.writeParameter(value, QStringLiteral("parame_marcaa"), "1").status),
             int(WriteOutcome::Aborted));
    QCOMPARE(l.sim.framesStartingWith('W').size(), 3);
}

void TestLink::acknowledgeWithAnotherByteIsNotTaken()
{
    Line l({"x " + def("0040", 1, "parame_marcaa")});
    l.sim.injectStrayByte();
    QString value = QStringLiteral("A");
    QCOMPARE(int(l.eq.writeParameter(value, QStringLiteral("parame_marcaa"), "1").status),
             int(WriteOutcome::NoAck));
}

void TestLink::clockFrame()
{
    Line l;
    const QDateTime t(QDate(2003, 9, 3), QTime(14, 5, 9));
    l.eq.sendDateTime(t);
    LinkWait::idle(l.link, nullptr, 100);
    QCOMPARE(l.sim.lastClock().toHex(), QByteArray("4409051404030903"));
    l.abort.set();
    l.eq.sendDateTime(t.addSecs(1));
    LinkWait::idle(l.link, nullptr, 100);
    QCOMPARE(l.sim.framesStartingWith('D').size(), 1);
}

void TestLink::photodiode()
{
    Line l;
    l.sim.setReading(11, 4660);
    const PhotodiodeReply r = l.eq.readPhotodiode(11);
    QCOMPARE(int(r.status), int(PhotodiodeReply::Done));
    QCOMPARE(r.reading, quint32(4660));
    QCOMPARE(l.sim.framesStartingWith('F').first().toHex(), QByteArray("460b"));
}

void TestLink::abortDuringPhotodiodeLeavesTheRestWaiting()
{
    Line l;
    l.sim.setPaced(true); // four reply bytes take about 17 ms on the wire
    l.sim.setReplyDelayMs(300);
    l.later(200, [&] { l.abort.set(); });
    QCOMPARE(int(l.eq.readPhotodiode(9).status), int(PhotodiodeReply::Aborted));
    LinkWait::idle(l.link, nullptr, 400);
    QCOMPARE(l.link.waiting(), 4);
    l.abort.clear();
    // The next reading takes the bytes that were left.
    QCOMPARE(int(l.eq.readPhotodiode(9).status), int(PhotodiodeReply::Done));
}

void TestLink::lostPortIsReported()
{
    Line l({"x " + def("0040", 2, "parame_marcaa")});
    l.later(50, [&] { l.sim.hangUp(); });
    l.sim.setReplyDelayMs(500);
    const ReadReply r = l.eq.readParameter(QStringLiteral("parame_marcaa"));
    QVERIFY(r.noReply);
    QVERIFY(!l.link.isOpen());
    QVERIFY(l.link.wasLost());
    try {
        l.link.send("x");
        QFAIL("sent on a lost port");
    } catch (const OrvaError &e) {
        QCOMPARE(e.number(), ErrorNumber::DeviceNotOpen);
    }
}

QTEST_MAIN(TestLink)
#include "test_link.moc"
