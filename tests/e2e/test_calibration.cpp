#include "Harness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
QList<QByteArray> writesAt(const Harness &h, int address)
{
    QList<QByteArray> out;
    for (const QByteArray &f : h.frames('W'))
        if ((frameAddress(f) & 0xFFFE) == address)
            out.append(f);
    return out;
}
} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT
private slots:
    void lowBeamWorkedExample();
    void channels_data();
    void channels();
    void highBeamWritesOnlyItsFactor();
    void abortDuringTheReading();
    void testerOffReloads();
    void unusableInputsWriteNothing();
    void readingThatNeverComes();
    void photodiodeCalibrationAbort();
};

void TestCalibration::lowBeamWorkedExample()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    h.prompts.confirmAnswer = true;
    QString readingShown, factorShown;
    h.prompts.onShown = [&] {
        readingShown = w.TestoBitAnaScheda->text();
        factorShown = w.TestoAnaConv->text();
    };
    h.sim.setReading(11, 10000);
    QVERIFY(h.click("CmdCalibraAna"));
    QCOMPARE(readingShown, QStringLiteral("10000"));
    QCOMPARE(factorShown, QStringLiteral("345"));
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("question"));
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("Calibrating Lux ..."));
    // The question, then the reading, the new factor and the one it replaces.
    QCOMPARE(h.prompts.shown[0].text,
             QStringLiteral("Are you sure to Calibrate Low Beam?\r\n\r\nReading: 10000\r\n"
                            "New factor: 345, replacing 345"));
    QCOMPARE(h.frames('F').size(), 1);
    QCOMPARE(h.frames('F').first().toHex(), QByteArray("460b"));
    QCOMPARE(h.frames('W'),
             (QList<QByteArray>{QByteArray::fromHex("57012059"), QByteArray::fromHex("57012101")}));
    QCOMPARE(w.TestoAnaConv->text(), QStringLiteral("345"));
    QCOMPARE(w.status(), QString());
    QCOMPARE(h.prompts.beeps, 2);
    QVERIFY(w.CmdCalibraAna->isVisible());
    QVERIFY(w.CmdCalibraAna->isEnabled());
    QVERIFY(!w.CmdInterrompiAna->isVisible());
    QVERIFY(!w.abortFlag().isSet());
}

void TestCalibration::channels_data()
{
    QTest::addColumn<int>("lamp");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("channel");
    QTest::newRow("low beam, right-hand drive") << 1 << "CmdCalibraAna" << 7;
    QTest::newRow("high beam, left-hand drive") << 0 << "CmdCalibraAbb" << 9;
    QTest::newRow("high beam, right-hand drive") << 1 << "CmdCalibraAbb" << 9;
}

void TestCalibration::channels()
{
    QFETCH(int, lamp);
    QFETCH(QString, button);
    QFETCH(int, channel);
    Harness h;
    QVERIFY(h.start());
    h.window->ListaTipoFaro->setCurrentIndex(lamp);
    QVERIFY(h.click(button)); // answered No
    QCOMPARE(h.frames('F').size(), 1);
    QCOMPARE(int(h.frames('F').first().at(1)), channel);
    QVERIFY(h.frames('W').isEmpty());
    QCOMPARE(h.window->TestoAnaConv->text(), QStringLiteral("345"));
}

void TestCalibration::highBeamWritesOnlyItsFactor()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    h.sim.setReading(9, 7700);
    h.prompts.confirmAnswer = true;
    QVERIFY(h.click("CmdCalibraAbb"));
    QCOMPARE(w.TestoAbbConv->text(), QStringLiteral("100"));
    QCOMPARE(w.TestoBitAbbScheda->text(), QStringLiteral("7700"));
    QCOMPARE(h.frames('W').size(), 2);
    QCOMPARE(writesAt(h, 0x122).size(), 2);
    QCOMPARE(w.TestoAnaConv->text(), QStringLiteral("345"));
    QCOMPARE(h.sim.memory().mid(0x120, 2), QByteArray::fromHex("5901"));
    QCOMPARE(h.prompts.shown[0].text,
             QStringLiteral("Are you sure to Calibrate High Beam?\r\n\r\nReading: 7700\r\n"
                            "New factor: 100, replacing 210"));
}

void TestCalibration::abortDuringTheReading()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    // The reading's reply is late; the operator aborts meanwhile.
    QObject::connect(&h.sim, &TesterSimulator::frameReceived, &h.sim, [&](const QByteArray &f) {
        if (f.at(0) != 'F')
            return;
        h.sim.setReplyDelayMs(2000);
        QTimer::singleShot(0, &h.sim, [&] { w.CmdInterrompiAna->click(); });
    });
    QVERIFY(h.click("CmdCalibraAna"));
    QCOMPARE(w.TestoBitAnaScheda->text(), QString());
    QCOMPARE(w.TestoAnaConv->text(), QString());
    QVERIFY(h.frames('W').isEmpty());
    QVERIFY(h.prompts.shown.isEmpty());
    QCOMPARE(w.status(), QString());
    QVERIFY(w.CmdCalibraAna->isVisible());
    QVERIFY(!w.abortFlag().isSet());
}

void TestCalibration::testerOffReloads()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    h.shortLimits();
    h.sim.setPowered(false);
    bool disabledDuringReload = false;
    h.sim.clearFrames();
    // The calibration's check goes unanswered; the reload asks again.
    h.whenFrames(0x01, 2, [&] {
        disabledDuringReload = !w.CmdCalibraAna->isEnabled() && w.CmdCalibraAna->isVisible();
        h.sim.setPowered(true);
    });
    QVERIFY(h.click("CmdCalibraAna"));
    QVERIFY(disabledDuringReload);
    QVERIFY(h.frames('F').isEmpty());
    QVERIFY(h.frames('R').size() > 100); // a full reload
    QCOMPARE(w.TestoAnaConv->text(), QStringLiteral("345"));
    QVERIFY(w.CmdCalibraAna->isEnabled());
    QCOMPARE(h.prompts.shown.size(), 1); // the reload replaces unsent changes: the user is told
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("warning"));
}

void TestCalibration::unusableInputsWriteNothing()
{
    // Which inputs give no factor: test_rules.
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    w.TestoLuxAnaCampione->setText(QStringLiteral("0"));
    h.sim.setReading(11, 1000);
    h.prompts.confirmAnswer = true;
    QVERIFY(h.click("CmdCalibraAna"));
    QVERIFY(h.frames('W').isEmpty());
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("warning"));
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("Calibrating Lux ..."));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("nothing was written")));
    QCOMPARE(w.TestoAnaConv->text(), QStringLiteral("345"));
    QVERIFY(w.CmdCalibraAna->isEnabled());
}

void TestCalibration::readingThatNeverComes()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    h.shortLimits();
    // The tester answers the check, then falls silent.
    h.whenFrames(0x01, h.frames(0x01).size() + 1, [&] { h.sim.setPowered(false); });
    QVERIFY(h.click("CmdCalibraAna")); // the reading's limit: test_link
    QCOMPARE(h.frames('F').size(), 1);
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("warning"));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("no reading")));
    QCOMPARE(w.TestoAnaConv->text(), QString());
    QVERIFY(w.CmdCalibraAna->isVisible());
}

void TestCalibration::photodiodeCalibrationAbort()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    h.shortLimits();
    h.sim.setPowered(false);
    h.whenFrames(0x01, int(h.frames(0x01).size()) + 2, [&] { w.CmdInterrompiFotodiodi->click(); });
    w.CmdCalFoto->setEnabled(true); // no access level enables it
    QVERIFY(h.click("CmdCalFoto"));
    QCOMPARE(h.sim.calibrationStarts(), 0);
    // The low beam's reading and factor are cleared, the high beam's kept.
    QCOMPARE(w.TestoBitAnaScheda->text(), QString());
    QCOMPARE(w.TestoAnaConv->text(), QString());
    QCOMPARE(w.TestoAbbConv->text(), QStringLiteral("210"));
    QVERIFY(w.CmdCalFoto->isVisible());
    QVERIFY(!w.CmdCalFoto->isEnabled());
    QVERIFY(!w.abortFlag().isSet());
    QCOMPARE(w.status(), QString());
}

QTEST_MAIN(TestCalibration)
#include "test_calibration.moc"
