// The service history's record of each operation, made by the session
// itself: the entry before the first byte, and an end that says what the
// tester holds. ORVA_PG_DIR names a test server: then the history is there.
#include "CoreRig.h"
#include "ServiceReport.h"
#include "ops/OutcomeMessage.h"

#include <QJsonArray>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

// Every field a fresh load finds is what the entry's "after" says.
void afterIsWhatTheTesterHolds(CoreRig &rig, const HistoryEntry &entry)
{
    const QJsonObject after = CoreRig::fieldsOf(entry, CoreRig::Which::After);
    QVERIFY(rig.session.load().succeeded());
    const QJsonObject held = rig.fields();
    QVERIFY(!held.isEmpty());
    for (auto it = held.begin(); it != held.end(); ++it)
        QVERIFY2(after.value(it.key()) == *it,
                 qPrintable(QStringLiteral("%1: the record says %2, the tester holds %3")
                                .arg(it.key(), after.value(it.key()).toVariant().toString(),
                                     it->toVariant().toString())));
}

QString reportText(const HistoryEntry &entry)
{
    return QTextDocumentFragment::fromHtml(ServiceReport::html({entry})).toPlainText().simplified();
}

} // namespace

class TestSessionRecords : public QObject
{
    Q_OBJECT
private slots:
    void everyWriteIsRecordedBeforeItsFirstByte_data();
    void everyWriteIsRecordedBeforeItsFirstByte();
    void recordAgreesWithTheTester_data();
    void recordAgreesWithTheTester();
    void declinedCalibrationIsRecordedUnconfirmed();
    void restoreSendsOnlyTheFactorsItIsGiven_data();
    void restoreSendsOnlyTheFactorsItIsGiven();
};

void TestSessionRecords::everyWriteIsRecordedBeforeItsFirstByte_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("send") << "send";
    QTest::newRow("calibration") << "calibration";
    QTest::newRow("restore") << "restore";
}

void TestSessionRecords::everyWriteIsRecordedBeforeItsFirstByte()
{
    QFETCH(QString, kind);
    CoreRig rig;
    rig.useHistory();
    rig.sim.setReading(9, 7700);
    QVERIFY(rig.start());
    QCOMPARE(rig.latest().kind, HistoryEntry::Kind::Read); // every load is recorded
    QString atFirstByte;
    QObject::connect(&rig.sim, &TesterSimulator::frameReceived, &rig.sim,
                     [&](const QByteArray &frame) {
                         if (frame.at(0) != 'W' || !atFirstByte.isEmpty())
                             return;
                         const HistoryEntry e = rig.latest();
                         atFirstByte = HistoryEntry::kindName(e.kind) + u' ' +
                                       HistoryEntry::endingName(e.outcome) +
                                       (e.before.isEmpty() ? " without" : " with") + " before";
                     });
    rig.form.setText(Control::TestoMarca, QStringLiteral("EDITED"));
    Outcome o;
    if (kind == QLatin1String("send")) {
        o = rig.session.send();
    } else if (kind == QLatin1String("calibration")) {
        rig.form.setAnswer(true);
        rig.form.setText(Control::TestoLuxAbbCampione, QStringLiteral("35"));
        o = rig.session.calibrate(Beam::High);
    } else {
        o = rig.session.restore(1, {});
    }
    QVERIFY2(o.succeeded(), qPrintable(messageOf(o).text));
    QCOMPARE(atFirstByte, kind + QStringLiteral(" started with before"));
    const HistoryEntry done = rig.latest();
    QCOMPARE(done.outcome, HistoryEntry::Ending::Done);
    QCOMPARE(o.historyEntry.value_or(0), done.id);
    if (kind == QLatin1String("calibration")) { // confirmed, and the factor it wrote after it
        QVERIFY(done.calibration && done.calibration->confirmed);
        QCOMPARE(done.calibration->beam, Beam::High);
        QCOMPARE(CoreRig::fieldsOf(done, CoreRig::Which::After).value("highBeamFactor"),
                 QJsonValue(220));
    } else { // with the values before and after it
        QCOMPARE(CoreRig::fieldsOf(done, CoreRig::Which::Before).value("manufacturer"),
                 QJsonValue("ORVA      "));
        QCOMPARE(CoreRig::fieldsOf(done, CoreRig::Which::After).value("manufacturer"),
                 QJsonValue("EDITED    "));
    }
}

// Whatever stops a write part way, the entry and its report say what the
// tester then holds.
void TestSessionRecords::recordAgreesWithTheTester_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("inReport");
    QTest::newRow("a tester that stores nothing") << "stores nothing"
                                                  << "verify mismatch"
                                                  << "read back different at 00A0h"
                                                  << "NOT written";
    QTest::newRow("Abort between the model's two parts")
        << "abort between parts"
        << "aborted"
        << ""
        << "Model: HT-5000 PROFESSIONAL → NEW-MODEL-OFESSIONAL (partial) aborted part way";
    QTest::newRow("cut inside the garage name") << "cut in text"
                                                << "incomplete"
                                                << "at address 00A5h"
                                                << "Garage Name: AUTOFFICINA ROSSI → NEW GFICINA";
    QTest::newRow("cut inside a factor") << "cut in factor"
                                         << "incomplete"
                                         << "at address 0123h"
                                         << "Bit / Lux HIGH BEAM: 210 → 250 (partial)";
    QTest::newRow("a byte refused")
        << "refused"
        << "incomplete"
        << "the tester refused a byte at address 00A3h"
        << "Garage Name: AUTOFFICINA ROSSI → NEWOFFICINA ROSSI (partial)";
    // Interrupted by a signal: test_history, where orva-cli gets one.
}

void TestSessionRecords::recordAgreesWithTheTester()
{
    QFETCH(QString, fault);
    QFETCH(QString, outcome);
    QFETCH(QString, detail);
    QFETCH(QString, inReport);
    CoreRig rig;
    rig.useHistory();
    rig.shortLimits();
    const bool factor = fault.endsWith(QLatin1String("factor"));
    QVERIFY(rig.start());
    rig.session.policy().verifyWrites = true;
    if (fault == QLatin1String("stores nothing"))
        rig.sim.setStoreWrites(false);
    if (fault == QLatin1String("refused"))
        rig.sim.refuseWriteAt(0xA3);
    QObject::connect(&rig.sim, &TesterSimulator::frameReceived, &rig.sim, [&](const QByteArray &f) {
        if (f.at(0) != 'W')
            return;
        if (fault == QLatin1String("cut in text") && f.mid(1, 2) == QByteArray::fromHex("00a0"))
            rig.sim.stopAckAfter(5); // N, E, W, blank, G
        // The first part's last byte: the second is never tried.
        if (fault == QLatin1String("abort between parts") &&
            f.mid(1, 2) == QByteArray::fromHex("0029"))
            rig.session.abortFlag().set();
    });
    const QByteArray before = rig.sim.memory();
    rig.sim.clearFrames();
    Outcome o;
    if (factor) {
        rig.sim.setReading(9, 17710); // 17710 / 35 lux: factor 506 (FA 01h), replacing 210 (D2 00h)
        rig.sim.stopAckAfter(1);
        rig.form.setAnswer(true);
        rig.form.setText(Control::TestoLuxAbbCampione, QStringLiteral("35"));
        o = rig.session.calibrate(Beam::High);
    } else if (fault == QLatin1String("abort between parts")) {
        rig.form.setText(Control::TestoModello, QStringLiteral("NEW-MODEL-SECOND-PT"));
        o = rig.session.send();
    } else {
        rig.form.setText(Control::TestoNomeOfficina, QStringLiteral("NEW GARAGE"));
        o = rig.session.send();
    }
    QVERIFY(!o.succeeded());
    if (detail.contains(QStringLiteral("at address"))) // the user reads where it stopped
        QVERIFY2(messageOf(o).text.contains(detail.right(5)), qPrintable(messageOf(o).text));
    // Byte for byte, the tester changed only inside the field the write aimed at.
    for (int a = 0; a < before.size(); ++a)
        QVERIFY2(before.at(a) == rig.sim.memory().at(a) || (a >= 0xA0 && a < 0xB8) ||
                     (a >= 0x122 && a < 0x124) || (a >= 0x20 && a < 0x2A),
                 qPrintable(QStringLiteral("%1h changed").arg(a, 4, 16, QLatin1Char('0'))));
    if (factor) // only the acknowledged byte of the factor
        QCOMPARE(rig.sim.memory().mid(0x122, 2).toHex(), QByteArray("fa00"));
    // The tester answers again, for the load that reads what it holds.
    rig.sim.setPowered(true);
    rig.sim.setStoreWrites(true);
    const HistoryEntry entry = rig.latest();
    QCOMPARE(entry.kind, factor ? HistoryEntry::Kind::Calibration : HistoryEntry::Kind::Send);
    QCOMPARE(HistoryEntry::endingName(entry.outcome), outcome);
    QVERIFY2(entry.detail.contains(detail), qPrintable(entry.detail));
    QCOMPARE(o.historyEntry.value_or(0), entry.id);
    if (factor) {
        // The record says what was begun: the old factor before, the new one asked for.
        QCOMPARE(CoreRig::fieldsOf(entry, CoreRig::Which::Before).value("highBeamFactor"),
                 QJsonValue(210));
        QVERIFY(entry.calibration);
        QCOMPARE(entry.calibration->newFactor, 506);
        QCOMPARE(entry.calibration->reading, 17710);
    }
    if (fault != QLatin1String("stores nothing"))
        QVERIFY2(CoreRig::documentOf(entry, CoreRig::Which::After)
                     .value("partial")
                     .toArray()
                     .contains(factor                                          ? "highBeamFactor"
                               : fault == QLatin1String("abort between parts") ? "model"
                                                                               : "garageName"),
                 qPrintable(entry.changes().join(u'\n')));
    afterIsWhatTheTesterHolds(rig, entry);
    const QString report = reportText(entry);
    QVERIFY2(report.contains(inReport), qPrintable(report));
    QVERIFY2(!report.contains(QStringLiteral("Parameters changed none")), qPrintable(report));
    // A factor's own row says how far its write went, and never that it was written.
    if (factor)
        QVERIFY2(report.contains(QStringLiteral("35 lux 17710 210 → 506 stopped part way")),
                 qPrintable(report));
    if (fault == QLatin1String("stores nothing"))
        QVERIFY2(!report.contains(QStringLiteral("NEW GARAGE")), qPrintable(report));
}

void TestSessionRecords::declinedCalibrationIsRecordedUnconfirmed()
{
    CoreRig rig;
    rig.useHistory();
    rig.sim.setReading(9, 7700); // 7700 / 35 lux: factor 220
    QVERIFY(rig.start());
    const QByteArray before = rig.sim.memory();
    rig.form.setText(Control::TestoLuxAbbCampione, QStringLiteral("35"));
    rig.form.setAnswer(false);
    QCOMPARE(rig.session.calibrate(Beam::High).kind, Outcome::Kind::Declined);
    QCOMPARE(rig.sim.memory(), before);
    const HistoryEntry entry = rig.latest();
    QCOMPARE(entry.outcome, HistoryEntry::Ending::Declined);
    QVERIFY(entry.calibration);
    QVERIFY(!entry.calibration->confirmed);
}

void TestSessionRecords::restoreSendsOnlyTheFactorsItIsGiven_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<bool>("given");
    QTest::addColumn<QByteArray>("stored"); // at 0122h
    QTest::newRow("given") << 300 << true << QByteArray("2c01");
    QTest::newRow("not given") << 300 << false << QByteArray("d200");
    QTest::newRow("the largest a tester holds") << 32767 << true << QByteArray("ff7f");
}

// A restore writes the form, and of the factors only those it is given (one
// past the largest is refused: test_history).
void TestSessionRecords::restoreSendsOnlyTheFactorsItIsGiven()
{
    QFETCH(int, factor);
    QFETCH(bool, given);
    QFETCH(QByteArray, stored);
    CoreRig rig;
    rig.useHistory();
    QVERIFY(rig.start());
    QByteArray expected = rig.sim.memory();
    const QStringList problems = rig.apply({{"highBeamFactor", factor}, {"lowBeamFactor", 301}},
                                           AccessLevel::Technician, true);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u' ')));
    const Outcome o =
        rig.session.restore(7, given ? QList<Control>{Control::TestoAbbConv} : QList<Control>{});
    QVERIFY2(o.succeeded(), qPrintable(messageOf(o).text));
    expected.replace(0x122, 2, QByteArray::fromHex(stored));
    QCOMPARE(rig.sim.memory().toHex(), expected.toHex());
    const HistoryEntry entry = rig.latest();
    QCOMPARE(entry.kind, HistoryEntry::Kind::Restore);
    QCOMPARE(entry.detail, QStringLiteral("restores entry 7"));
    QCOMPARE(CoreRig::fieldsOf(entry, CoreRig::Which::After).value("highBeamFactor"),
             QJsonValue(given ? factor : 210));
}

QTEST_MAIN(TestSessionRecords)
#include "test_session_records.moc"
