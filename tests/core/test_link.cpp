// The tester's commands over a real pseudo-terminal: frames, time limits,
// Abort, and what the link accepts as a reply.
#include "TesterSimulator.h"
#include "form/FormValues.h"
#include "link/AbortFlag.h"
#include "link/SerialLink.h"
#include "link/TesterLink.h"
#include "ops/Session.h"
#include "ops/Tester.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
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
    SerialLink serial;
    AbortFlag abort;
    TesterLink link{serial, abort};
    FormValues form;
    Session session;
    Tester tester{link, form, session};
    QTemporaryDir dir;

    explicit Line(const QStringList &lines = {})
    {
        sim.start();
        (void)serial.open(sim.devicePath());
        session.parameterFilePath = dir.filePath(QStringLiteral("test.ini"));
        QFile f(session.parameterFilePath);
        f.open(QIODevice::WriteOnly);
        f.write(lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        form.setStatus(QStringLiteral("unchanged"));
    }
    void later(int ms, std::function<void()> action) { QTimer::singleShot(ms, &sim, action); }
};

const QString Waiting =
    QStringLiteral("Wait connection to Equipment ! Reset with power supply ...");
const QString K = QStringLiteral("parame_marcaa");

template <typename F> LinkStatus lostStatus(F &&f)
{
    try {
        f();
    } catch (const TesterLost &lost) {
        return lost.status;
    }
    return LinkStatus::Ok;
}

} // namespace

Q_DECLARE_METATYPE(WriteMode)

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void portSettings();
    void connectionCheck_data();
    void connectionCheck();
    void lateAcknowledgeIsNotTaken();
    void abortEndsTheConnectionWait();
    void closedPortSendsNothingAndDoesNotSpin();
    void silentTesterEndsEveryWaitAtItsLimit();
    void readParameter_data();
    void readParameter();
    void writeParameter_data();
    void writeParameter();
    void unusableValuesAreCollected();
    void abortDuringAnAcknowledgeWait();
    void extraBytesLoseStep_data();
    void extraBytesLoseStep();
    void bytesLeftBeforeOpeningAreDropped();
    void clockFrame();
    void abortDuringPhotodiodeNeedsACheck();
    void lostPortIsReported();
};

void TestLink::portSettings()
{
    Line l;
    QVERIFY(l.serial.isOpen());
    QCOMPARE(l.serial.baudRate(), QSerialPort::Baud2400);
    QCOMPARE(l.serial.dataBits(), QSerialPort::Data8);
    QCOMPARE(l.serial.parity(), QSerialPort::NoParity);
    QCOMPARE(l.serial.stopBits(), QSerialPort::OneStop);
    QCOMPARE(l.serial.flowControl(), QSerialPort::NoFlowControl);
}

void TestLink::connectionCheck_data()
{
    QTest::addColumn<QByteArray>("stray");    // before the acknowledge, in the same reply
    QTest::addColumn<QByteArray>("trailing"); // after it
    QTest::addColumn<bool>("acknowledged");
    QTest::newRow("clean") << QByteArray() << QByteArray() << true;
    QTest::newRow("a byte before") << QByteArray("U") << QByteArray() << false;
    QTest::newRow("a byte after") << QByteArray() << QByteArray("Z") << false;
}

void TestLink::connectionCheck()
{
    QFETCH(QByteArray, stray);
    QFETCH(QByteArray, trailing);
    QFETCH(bool, acknowledged);
    Line l;
    l.link.limits.quietMs = 300; // the quiet a lost step asks for, not how long it is
    for (const char c : stray)
        l.sim.injectStrayByte(c);
    for (const char c : trailing)
        l.sim.appendToNextReply(c);
    // The final check of a load asks for a quiet line after the acknowledge.
    const bool ok = l.link.checkConnection(TesterLink::Tail::Quiet) == LinkStatus::Ok;
    QCOMPARE(ok, acknowledged);
    QCOMPARE(l.sim.frames(), QList<QByteArray>{QByteArray(1, 0x01)});
    // Whatever went wrong, the next check finds the tester in step again.
    QVERIFY(l.tester.checkConnection());
    QCOMPARE(l.form.status(), QString());
}

void TestLink::lateAcknowledgeIsNotTaken()
{
    Line l({"x " + def("0000", 4, QStringLiteral("parame_verorv"))});
    l.link.limits.connectionMs = 300;
    l.link.limits.quietMs = 300;
    l.sim.delayNextCheckAnswer(500);
    QVERIFY(!l.tester.checkConnection());
    QCOMPARE(l.form.status(), Waiting);
    // The late acknowledge lands while the next check waits for a quiet line;
    // that check is answered by its own acknowledge, and the read after it
    // gets the version, not a stray 06h.
    QVERIFY(l.tester.checkConnection());
    QCOMPARE(*l.tester.readParameter(QStringLiteral("parame_verorv")), QByteArray("1.00"));
    QVERIFY(l.serial.step().inStep());
}

void TestLink::abortEndsTheConnectionWait()
{
    Line l;
    l.sim.setPowered(false);
    l.later(0, [&] { l.abort.set(); }); // during the check's wait
    // Aborted, not NoReply: the abort ended the wait before its limit.
    QCOMPARE(l.link.checkConnection(), LinkStatus::Aborted);
    QVERIFY(l.abort.isSet()); // the check leaves the flag to its caller
}

void TestLink::closedPortSendsNothingAndDoesNotSpin()
{
    Line l;
    l.serial.close();
    QElapsedTimer t;
    t.start();
    QVERIFY(!l.tester.checkConnection());
    QVERIFY(t.elapsed() >= 900);
    QCOMPARE(l.form.status(), Waiting);
    QVERIFY(l.sim.frames().isEmpty());
}

void TestLink::silentTesterEndsEveryWaitAtItsLimit()
{
    // The limits the README promises.
    const TesterLink::Limits promised;
    QCOMPARE(
        (QList<int>{promised.connectionMs, promised.readMs, promised.ackMs, promised.photodiodeMs}),
        (QList<int>{1000, 2000, 3000, 5000}));
    Line l;
    l.sim.setPowered(false);
    l.link.limits = {300, 200, 250, 350, 100, 30};
    const LinkReply read = l.link.readBytes(0x40, 2);
    QCOMPARE(read.status, LinkStatus::NoReply);
    QCOMPARE(read.address, 0x40);
    QCOMPARE(read.limitMs, 200);
    // After a give-up, a check resyncs (its own limit in the trace: test_cli).
    QVERIFY(l.link.checkConnection() != LinkStatus::Ok);
    const LinkReply written = l.link.writeBytes(0x50, "AB");
    QCOMPARE(written.address, 0x50);
    QCOMPARE(written.limitMs, 250);
    QVERIFY(l.link.checkConnection() != LinkStatus::Ok);
    QCOMPARE(l.link.readPhotodiode(9).limitMs, 350);
}

void TestLink::readParameter_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("addresses");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("rolls over 00FF")
        << QStringList{"c " + def("00FE", 3, K)} << K << QList<int>{0xFE, 0xFF, 0x100}
        << QByteArray("FGH") << "Wait reading parameters from equipment .... (addr. h00FE )";
    QTest::newRow("address as written")
        << QStringList{"c " + def("00fe", 1, K)} << K << QList<int>{0xFE} << QByteArray("F")
        << "Wait reading parameters from equipment .... (addr. h00fe )";
    QTest::newRow("second parts made printable")
        << QStringList{"c " + def("0200", 4, "parame_model1")} << "parame_model1"
        << QList<int>{0x200, 0x201, 0x202, 0x203} << QByteArray("}   ")
        << QString("Wait reading parameters from equipment .... (addr. h0200 )");
    QTest::newRow("absent key") << QStringList{"c " + def("00FE", 3, K)} << "parame_modelo"
                                << QList<int>{} << QByteArray() << QString("unchanged");
    QTest::newRow("length zero") << QStringList{"c " + def("00FE", 0, K)} << K << QList<int>{}
                                 << QByteArray() << QString("unchanged");
    // Which definition a read takes: test_parameterfile.
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
    const auto r = l.tester.readParameter(key);
    QList<int> sent;
    for (const QByteArray &f : l.sim.framesStartingWith('R'))
        sent.append((quint8(f.at(1)) << 8) | quint8(f.at(2)));
    QCOMPARE(sent, addresses);
    QCOMPARE(*r, result);
    QCOMPARE(l.form.status(), status);
}

void TestLink::writeParameter_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<WriteMode>("mode");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("both definitions, in file order")
        << QStringList{"a " + def("0050", 1, K), "b " + def("0040", 1, K)} << "Z" << K
        << WriteMode::Text << QByteArray::fromHex("00505a00405a");
    QTest::newRow("read-only line passed over")
        << QStringList{def("0040", 1, K), "//\"v\"   " + def("0050", 1, K)} << "Z" << K
        << WriteMode::Text << QByteArray::fromHex("00505a");
    QTest::newRow("length zero passed over")
        << QStringList{"x " + def("0040", 0, K)} << "Z" << K << WriteMode::Text << QByteArray();
    QTest::newRow("wildcard, each line its own value")
        << QStringList{"//\"AB\"     " + def("0200", 2, "txt_en_title1"),
                       "//\"Q\"      " + def("0210", 1, "txt_it_title1"),
                       "//7,       " + def("0230", 1, "txt_en_langid")}
        << "English"
        << "txt_en_******" << WriteMode::FromFile << QByteArray::fromHex("020041020142023007");
    QTest::newRow("file text \"\" is blanks")
        << QStringList{"//\"\"     " + def("0200", 2, "txt_en_title1")} << ""
        << "txt_en_title1" << WriteMode::FromFile << QByteArray::fromHex("020020020120");
    QTest::newRow("file number clamped")
        << QStringList{"//999,  " + def("0230", 1, "txt_en_langid")} << ""
        << "txt_en_langid" << WriteMode::FromFile << QByteArray::fromHex("0230ff");
}

void TestLink::writeParameter()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, value);
    QFETCH(QString, key);
    QFETCH(WriteMode, mode);
    QFETCH(QByteArray, written);
    Line l(lines);
    const auto o = l.tester.writeParameter(value, key, mode);
    QCOMPARE(*o, Tester::Written::Done);
    QByteArray sent;
    for (const QByteArray &f : l.sim.framesStartingWith('W'))
        sent += f.mid(1);
    QCOMPARE(sent.toHex(), written.toHex());
}

void TestLink::unusableValuesAreCollected()
{
    Line l({"x " + def("0040", 1, "txt_en_langid"), "//12     " + def("0041", 1, "txt_en_langid"),
            "//x1,    " + def("0042", 1, "txt_en_langid")});
    QString empty;
    QCOMPARE(*l.tester.writeParameter(empty, QStringLiteral("txt_en_langid"), WriteMode::Number),
             Tester::Written::Done);
    QCOMPARE(*l.tester.writeParameter(empty, QStringLiteral("txt_en_langid"), WriteMode::FromFile),
             Tester::Written::Done);
    QVERIFY(l.sim.framesStartingWith('W').isEmpty());
    const QList<Unsent> notSent = l.tester.takeNotSent();
    QCOMPARE(notSent.size(), 6);
    QCOMPARE(notSent[0].why, Unsent::Why::EmptyValue);
    QCOMPARE(notSent[0].address, QStringLiteral("0040"));
    QCOMPARE(notSent[5].why, Unsent::Why::NoUsableValue);
    QCOMPARE(notSent[5].lineNumber, 3);
}

void TestLink::abortDuringAnAcknowledgeWait()
{
    Line l({"x " + def("0040", 4, K), "y " + def("0050", 4, K)});
    l.sim.stopAckAfter(2);
    // The abort comes once the third frame is out, which is never acknowledged.
    QObject::connect(&l.sim, &TesterSimulator::frameReceived, &l.sim, [&] {
        if (l.sim.framesStartingWith('W').size() == 3)
            l.later(0, [&] { l.abort.set(); });
    });
    QString value = QStringLiteral("ABCD");
    QCOMPARE(*l.tester.writeParameter(value, K, WriteMode::Text), Tester::Written::Aborted);
    QCOMPARE(l.sim.memory().mid(0x40, 2), QByteArray("AB"));
    QCOMPARE(l.sim.framesStartingWith('W').size(), 3);
    // Once aborted, later writes send nothing.
    QCOMPARE(*l.tester.writeParameter(value, K, WriteMode::Text), Tester::Written::Aborted);
    QCOMPARE(l.sim.framesStartingWith('W').size(), 3);
}

void TestLink::extraBytesLoseStep_data()
{
    QTest::addColumn<int>("command"); // 0 read, 1 write, 2 photodiode
    QTest::addColumn<bool>("before"); // the extra byte comes before the reply, else after it
    for (const bool before : {true, false}) {
        const char *where = before ? "before" : "after";
        QTest::addRow("read, byte %s", where) << 0 << before;
        QTest::addRow("write, byte %s", where) << 1 << before;
        QTest::addRow("photodiode, byte %s", where) << 2 << before;
    }
}

void TestLink::extraBytesLoseStep()
{
    QFETCH(int, command);
    QFETCH(bool, before);
    Line l({"x " + def("0040", 2, K)});
    l.link.limits.quietMs = 300; // the quiet a lost step asks for, not how long it is
    if (before)
        l.sim.injectStrayByte('U');
    else
        l.sim.appendToNextReply('Z');
    // Two commands in a row: the extra byte is noticed in one of them, and
    // nothing after it is taken for data.
    const auto twice = [&] {
        for (int k = 0; k < 2; ++k) {
            QString value = QStringLiteral("AB");
            if (command == 0)
                l.tester.readParameter(K);
            else if (command == 1)
                l.tester.writeParameter(value, K, WriteMode::Text);
            else
                l.tester.readPhotodiode(9);
        }
    };
    const LinkStatus status = lostStatus(twice);
    // A write may see the stray byte alone, where an acknowledge was due.
    if (command == 1 && before && status == LinkStatus::Refused)
        QVERIFY(l.serial.step().inStep());
    else
        QCOMPARE(status, LinkStatus::LostStep);
    // Out of step, no command but the check goes out.
    l.serial.loseStep();
    const QSignalSpy sent(&l.serial, &SerialLink::bytesSent);
    QCOMPARE(l.link.readBytes(0x40, 1).status, LinkStatus::LostStep);
    QCOMPARE(sent.count(), 0);
    QVERIFY(l.tester.checkConnection());
    QCOMPARE(*l.tester.readParameter(K), l.sim.memory().mid(0x40, 2));
}

void TestLink::bytesLeftBeforeOpeningAreDropped()
{
    Line l({"x " + def("0000", 4, QStringLiteral("parame_verorv"))});
    l.serial.close();
    l.sim.sendUnasked(QByteArray::fromHex("06060606"));
    QTRY_VERIFY_WITH_TIMEOUT(!l.sim.isSending(), 2000); // they are on the line
    QVERIFY(l.serial.open(l.sim.devicePath()));
    QVERIFY(l.tester.checkConnection());
    QCOMPARE(*l.tester.readParameter(QStringLiteral("parame_verorv")), QByteArray("1.00"));
}

void TestLink::clockFrame()
{
    Line l;
    const QDateTime t(QDate(2003, 9, 3), QTime(14, 5, 9));
    QCOMPARE(l.link.sendClock(t), LinkStatus::Ok);
    QTRY_COMPARE_WITH_TIMEOUT(l.sim.lastClock().toHex(), QByteArray("4409051404030903"), 2000);
    l.abort.set();
    QCOMPARE(l.link.sendClock(t.addSecs(1)), LinkStatus::Aborted);
    l.abort.clear();
    QCOMPARE(l.link.checkConnection(), LinkStatus::Ok); // a later frame is seen, the clock not
    QCOMPARE(l.sim.framesStartingWith('D').size(), 1);
}

void TestLink::abortDuringPhotodiodeNeedsACheck()
{
    Line l;
    l.link.limits.quietMs = 300;
    l.sim.setReplyDelayMs(300);
    const auto pressAbort =
        QObject::connect(&l.sim, &TesterSimulator::frameReceived, &l.sim, [&](const QByteArray &f) {
            if (f.at(0) == 'F')
                l.later(0, [&] { l.abort.set(); });
        });
    QCOMPARE(l.tester.readPhotodiode(9), std::nullopt);
    QObject::disconnect(pressAbort);
    // The reading still comes; it answers nothing and puts the link out of step.
    QTRY_VERIFY_WITH_TIMEOUT(l.serial.waiting() >= 4, 3000);
    QVERIFY(!l.serial.step().inStep());
    l.abort.clear();
    QCOMPARE(lostStatus([&] { l.tester.readPhotodiode(9); }), LinkStatus::LostStep);
    QVERIFY(l.tester.checkConnection());
    l.sim.setReplyDelayMs(0);
    l.sim.setReading(11, 4660);
    QCOMPARE(l.tester.readPhotodiode(11), std::optional<quint32>(4660));
    QCOMPARE(l.sim.framesStartingWith('F').last().toHex(), QByteArray("460b"));
}

void TestLink::lostPortIsReported()
{
    Line l({"x " + def("0040", 2, K)});
    // Unplugged while the reply is on its way.
    QObject::connect(&l.sim, &TesterSimulator::frameReceived, &l.sim,
                     [&] { l.later(0, [&] { l.sim.hangUp(); }); });
    l.sim.setReplyDelayMs(500);
    QCOMPARE(lostStatus([&] { l.tester.readParameter(K); }), LinkStatus::PortLost);
    QVERIFY(!l.serial.isOpen());
    QVERIFY(l.serial.wasLost());
    QVERIFY(!l.serial.send("x", 0));
}

QTEST_MAIN(TestLink)
#include "test_link.moc"
