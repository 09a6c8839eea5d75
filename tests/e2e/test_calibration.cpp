#include "Harness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestCalibration : public QObject
{
    Q_OBJECT
private slots:
    void calibrates_data();
    void calibrates();
    void abortDuringTheReading();
    void testerOffReloads();
    void readingThatNeverComes();
    void photodiodeCalibrationAbort();
};

void TestCalibration::calibrates_data()
{
    QTest::addColumn<int>("lamp");
    QTest::addColumn<QString>("beam"); // Ana low, Abb high
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("factor"); // shown once it is over
    QTest::addColumn<QByteArray>("writes");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said"); // how the message begins
    const QString low =
        QStringLiteral("Are you sure to Calibrate Low Beam?\r\n\r\nReading: 10000\r\n"
                       "New factor: 345, replacing 345");
    const QString high = QStringLiteral("Are you sure to Calibrate High Beam?\r\n\r\nReading: "
                                        "10000\r\nNew factor: 130, replacing 210");
    QTest::newRow("low beam, left-hand drive")
        << 0 << "Ana"
        << "29" << true << 11 << "345" << QByteArray("57012059 57012101") << "question" << low;
    QTest::newRow("high beam, left-hand drive")
        << 0 << "Abb"
        << "77" << true << 9 << "130" << QByteArray("57012282 57012300") << "question" << high;
    QTest::newRow("low beam, right-hand drive, declined")
        << 1 << "Ana"
        << "29" << false << 7 << "345" << QByteArray() << "question" << low;
    QTest::newRow("high beam, right-hand drive, declined")
        << 1 << "Abb"
        << "77" << false << 9 << "210" << QByteArray() << "question" << high;
    // Which inputs give no factor: test_rules.
    QTest::newRow("no factor") << 0 << "Ana"
                               << "0" << true << 11 << "345" << QByteArray() << "warning"
                               << "No conversion factor for Calibrate Low Beam";
}

void TestCalibration::calibrates()
{
    QFETCH(int, lamp);
    QFETCH(QString, beam);
    QFETCH(QString, reference);
    QFETCH(bool, yes);
    QFETCH(int, channel);
    QFETCH(QString, factor);
    QFETCH(QByteArray, writes);
    QFETCH(QString, kind);
    QFETCH(QString, said);
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    const auto field = [&w](const QString &name) { return w.findChild<QLineEdit *>(name); };
    const QString other = beam == "Ana" ? QStringLiteral("Abb") : QStringLiteral("Ana");
    const QString otherFactor = field("Testo" + other + "Conv")->text();
    w.ListaTipoFaro->setCurrentIndex(lamp);
    field("TestoLux" + beam + "Campione")->setText(reference);
    h.prompts.confirmAnswer = yes;
    QString readingShown;
    h.prompts.onShown = [&] { readingShown = field("TestoBit" + beam + "Scheda")->text(); };
    h.sim.setReading(channel, 10000);
    QVERIFY(h.click("CmdCalibra" + beam));
    QCOMPARE(readingShown, QStringLiteral("10000"));
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, kind);
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("Calibrating Lux ..."));
    QVERIFY2(h.prompts.shown[0].text.startsWith(said), qPrintable(h.prompts.shown[0].text));
    QCOMPARE(h.frames('F').size(), 1);
    QCOMPARE(int(h.frames('F').first().at(1)), channel);
    QByteArrayList sent;
    for (const QByteArray &f : h.frames('W'))
        sent.append(f.toHex());
    QCOMPARE(sent.join(' '), writes);
    QCOMPARE(field("Testo" + beam + "Conv")->text(), factor);
    QCOMPARE(field("Testo" + other + "Conv")->text(), otherFactor);
    QCOMPARE(w.status(), QString());
    QCOMPARE(h.prompts.beeps, 2);
    const auto *calibrate = w.findChild<QPushButton *>("CmdCalibra" + beam);
    QVERIFY(calibrate->isVisible() && calibrate->isEnabled());
    QVERIFY(!w.findChild<QPushButton *>("CmdInterrompi" + beam)->isVisible());
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
