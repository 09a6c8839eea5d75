// Every operation against every fault the simulator can inject: nothing
// hangs or crashes, the user is told, edits survive where they can, and the
// same operation works once the tester is back.
#include "Harness.h"
#include "link/SerialLink.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

enum class Fault {
    SilentFromStart,
    SilentMidway,
    PowerCycled,
    StrayByte,
    Garbage,
    Late,
    Unplugged
};

void addFaults()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("silent from the start") << int(Fault::SilentFromStart);
    QTest::newRow("silent midway") << int(Fault::SilentMidway);
    QTest::newRow("power-cycled midway") << int(Fault::PowerCycled);
    QTest::newRow("stray byte") << int(Fault::StrayByte);
    QTest::newRow("garbage") << int(Fault::Garbage);
    QTest::newRow("late replies") << int(Fault::Late);
    QTest::newRow("unplugged midway") << int(Fault::Unplugged);
}

// A harness whose port is a link that follows the simulator when it is
// plugged in again, as a USB adapter keeps its name.
struct FaultRun
{
    Harness h;
    // Serial lock files go by the device's name: keep it unique to this run.
    QString port = h.path(QStringLiteral("tty") + QFileInfo(h.folder.path()).fileName());
    bool restored = false;

    FaultRun() { pointPort(); }
    // A quarter of the program's limits, so that each wait for a silent
    // tester is a quarter as long; a late reply (LateMs) stays late for the
    // check and in time for the rest, as it is with the program's own.
    static constexpr int LateMs = 250;
    void shortenLimits()
    {
        TesterLink::Limits &l = h.window->tester().link().limits;
        l.connectionMs = 200;
        l.readMs = 400;
        l.ackMs = 400;
        l.photodiodeMs = 600;
        l.quietMs = 200;
    }
    void pointPort()
    {
        QFile::remove(port);
        QFile::link(h.sim.devicePath(), port);
    }
    void inject(Fault fault)
    {
        // The tester comes back once the program has noticed the fault: at
        // its next connection check (the second, when the fault met the
        // opening one), when it tells the user, or when it loses its port.
        bool fromStart = true;
        const auto midway = [&](std::function<void()> action) {
            fromStart = false;
            whenFrames(int(h.sim.frames().size()) + 2, [this, action] {
                if (restored)
                    return; // the operation ended first: no fault for the next one
                action();
                backAfterChecks(1);
            });
        };
        switch (fault) {
        case Fault::SilentFromStart:
            h.sim.setPowered(false);
            break;
        case Fault::SilentMidway:
            midway([this] { h.sim.setPowered(false); });
            break;
        case Fault::PowerCycled:
            // Off for one frame, on again by the next: that frame is lost.
            midway([this] {
                h.sim.setPowered(false);
                whenFrames(int(h.sim.frames().size()) + 1, [this] { h.sim.setPowered(true); });
            });
            break;
        case Fault::StrayByte:
            h.sim.injectStrayByte();
            break;
        case Fault::Garbage:
            h.sim.setGarbage(true);
            break;
        case Fault::Late:
            h.sim.setReplyDelayMs(LateMs);
            break;
        case Fault::Unplugged:
            midway([this] { h.sim.hangUp(); });
            break;
        }
        if (fromStart)
            backAfterChecks(2);
        h.prompts.onShown = [this] { QTimer::singleShot(0, &h.sim, [this] { restore(); }); };
        QObject::connect(&h.window->link(), &SerialLink::portLost, &h.sim,
                         [this] { QTimer::singleShot(0, &h.sim, [this] { restore(); }); });
    }
    // Faults cleared, plugged in, on.
    void restore()
    {
        if (restored)
            return;
        h.sim.setGarbage(false);
        h.sim.setReplyDelayMs(0);
        h.sim.setPowered(true);
        if (!h.sim.isPluggedIn()) {
            h.sim.replug();
            pointPort();
        }
        restored = true;
    }
    // After the program has sent `count` more connection checks.
    void backAfterChecks(int count)
    {
        h.whenFrames(char(0x01), int(h.sim.framesStartingWith(0x01).size()) + count,
                     [this] { restore(); });
    }
    void whenFrames(int count, std::function<void()> action)
    {
        auto fired = std::make_shared<bool>(false);
        QObject::connect(&h.sim, &TesterSimulator::frameReceived, &h.sim,
                         [this, count, action, fired](const QByteArray &) {
                             if (*fired || h.sim.frames().size() < count)
                                 return;
                             *fired = true;
                             QTimer::singleShot(0, &h.sim, action);
                         });
    }
    // The window is back in its editing state.
    bool settled() const
    {
        FrmOrva &w = *h.window;
        return (w.status().isEmpty() || w.status().startsWith(QLatin1String("Previous values"))) &&
               !w.abortFlag().isSet() && !w.CmdInterrompiParametri->isVisible() &&
               !w.CmdInterrompiAna->isVisible() && !w.CmdInterrompiAbb->isVisible() &&
               !w.CmdInterrompiFotodiodi->isVisible() && w.CmdInvia->isEnabled() &&
               w.CmdCalibraAna->isEnabled() && w.CmdCalibraAbb->isEnabled() &&
               w.session().parametersLoaded;
    }
};

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void load_data() { addFaults(); }
    void load();
    void send_data() { addFaults(); }
    void send();
    void lowBeam_data() { addFaults(); }
    void lowBeam() { calibrate(QStringLiteral("CmdCalibraAna"), 0x120); }
    void highBeam_data() { addFaults(); }
    void highBeam() { calibrate(QStringLiteral("CmdCalibraAbb"), 0x122); }
    void photodiode_data() { addFaults(); }
    void photodiode();

private:
    void calibrate(const QString &button, int factorAddress);
};

void TestFaults::load()
{
    QFETCH(int, fault);
    FaultRun r;
    r.h.create({r.port});
    r.shortenLimits();
    r.inject(Fault(fault));
    QVERIFY(r.h.start(QStringLiteral("52917"), 20000));
    QVERIFY(r.settled());
    QCOMPARE(r.h.window->TestoModello->text(), QStringLiteral("HT-5000 PROFESSIONAL"));
    QCOMPARE(r.h.window->TestoAbbConv->text(), QStringLiteral("210"));
    QVERIFY(r.h.prompts.shown.isEmpty());
}

void TestFaults::send()
{
    QFETCH(int, fault);
    FaultRun r;
    QVERIFY(r.h.start(QStringLiteral("52917"), 20000, {r.port}));
    r.shortenLimits();
    FrmOrva &w = *r.h.window;
    w.TestoMarca->setText(QStringLiteral("EDITED"));
    r.inject(Fault(fault));
    QVERIFY(r.h.click(QStringLiteral("CmdInvia"), 20000));
    QVERIFY(r.settled());
    const bool clean = r.h.prompts.shown.isEmpty();
    if (clean) // it went through after all: then everything reached the tester
        QCOMPARE(r.h.sim.memory().mid(0x10, 10), QByteArray("EDITED    "));
    else
        QVERIFY(r.h.prompts.shown.last().title == QStringLiteral("ORVA connection ..."));
    // Edits survive unless the user was told they must be set again.
    const bool reloaded =
        !clean && r.h.prompts.shown.last().text.contains(QStringLiteral("FAILED"));
    if (!reloaded)
        QCOMPARE(w.TestoMarca->text(), QStringLiteral("EDITED"));

    r.restore();
    r.h.prompts.shown.clear();
    w.TestoMarca->setText(QStringLiteral("AGAIN"));
    QVERIFY(r.h.click(QStringLiteral("CmdInvia"), 20000));
    QVERIFY(r.h.prompts.shown.isEmpty());
    QCOMPARE(r.h.sim.memory().mid(0x10, 10), QByteArray("AGAIN     "));
}

void TestFaults::calibrate(const QString &button, int factorAddress)
{
    QFETCH(int, fault);
    FaultRun r;
    QVERIFY(r.h.start(QStringLiteral("52917"), 20000, {r.port}));
    r.shortenLimits();
    FrmOrva &w = *r.h.window;
    r.h.prompts.confirmAnswer = true;
    w.TestoMarca->setText(QStringLiteral("EDITED"));
    r.inject(Fault(fault));
    QVERIFY(r.h.click(button, 20000));
    QVERIFY(r.settled());
    const bool written = !r.h.frames('W').isEmpty();
    QVERIFY(written || !r.h.prompts.shown.isEmpty()); // or the user was told
    if (r.h.prompts.shown.isEmpty() || r.h.prompts.shown.last().kind == QStringLiteral("question"))
        QCOMPARE(w.TestoMarca->text(), QStringLiteral("EDITED"));

    r.restore();
    r.h.prompts.shown.clear();
    r.h.sim.clearFrames();
    QVERIFY(r.h.click(button, 20000));
    QCOMPARE(r.h.prompts.shown.size(), 1);
    QCOMPARE(r.h.prompts.shown[0].kind, QStringLiteral("question"));
    QCOMPARE(r.h.frames('W').size(), 2);
    QCOMPARE(frameAddress(r.h.frames('W').first()), factorAddress);
}

void TestFaults::photodiode()
{
    QFETCH(int, fault);
    FaultRun r;
    QVERIFY(r.h.start(QStringLiteral("52917"), 20000, {r.port}));
    r.shortenLimits();
    FrmOrva &w = *r.h.window;
    r.inject(Fault(fault));
    w.CmdCalFoto->setEnabled(true);
    QVERIFY(r.h.click(QStringLiteral("CmdCalFoto"), 20000));
    QVERIFY(!w.CmdInterrompiFotodiodi->isVisible());
    QVERIFY(w.CmdCalFoto->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(r.h.frames('C').size(), 1, 2000);

    r.restore();
    const int started = r.h.sim.calibrationStarts();
    w.CmdCalFoto->setEnabled(true);
    QVERIFY(r.h.click(QStringLiteral("CmdCalFoto"), 20000));
    QTRY_COMPARE_WITH_TIMEOUT(r.h.sim.calibrationStarts(), started + 1, 2000);
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
