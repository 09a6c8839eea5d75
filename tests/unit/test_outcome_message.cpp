#include "ops/Outcome.h"
#include "ops/OutcomeMessage.h"

#include <QTest>

Q_DECLARE_METATYPE(Outcome)

class TestOutcomeMessage : public QObject
{
    Q_OBJECT
private slots:
    void eachOutcomeIsWorded_data();
    void eachOutcomeIsWorded();
    void recordProblemsAndMismatches();
};

using K = Outcome::Kind;
using C = Outcome::Cause;
using Op = Outcome::Operation;

// Every fact set, so that a row shows the message takes only its own.
static Outcome of(Op op, K kind, C cause = C::None, std::optional<quint16> at = std::nullopt)
{
    Outcome o;
    o.operation = op;
    o.kind = kind;
    o.cause = cause;
    o.address = at;
    o.beam = Beam::High;
    o.error = OrvaError(53, QStringLiteral("File not found."));
    o.waitedSeconds = 20;
    o.notOffered = {{Control::ListaLingua, QStringLiteral("LANG"), QStringLiteral("07h")}};
    o.measure = CalibrationMeasure{Beam::High, QStringLiteral("0"), 17710, std::nullopt, {}};
    o.mismatches = {{QStringLiteral("MODEL"), 0xA0, 'N', 'H'},
                    {QStringLiteral("MODEL"), 0xA1, 'E', 'T'}};
    return o;
}

void TestOutcomeMessage::eachOutcomeIsWorded_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("critical");
    const QString send = QStringLiteral("ORVA connection ...");
    const QString lux = QStringLiteral("Calibrating Lux ...");
    // One message a line.
    // clang-format off
    const QString incomplete = QStringLiteral("Transmission Parameters INCOMPLETE: %1.\r\nThe equipment now holds only part of the new parameters: check the connection and the power supply, then SEND the parameters AGAIN.");
    QTest::newRow("fatal") << of(Op::Send, K::Fatal, C::File) << "Error not handled" << "Error n°53\r\nDescription : File not found." << true;
    QTest::newRow("load, values not offered") << of(Op::Load, K::Done) << "ORVA parameters ..." << "The equipment holds values this program does not offer:\r\n- Language (LANG): 07h\r\nThey are kept: a send writes them back as they are, unless you change them." << false;
    QTest::newRow("load, line losing step") << of(Op::Load, K::NoTester, C::LostStep) << "" << "The line to the equipment kept losing step (bytes came that no command was waiting for) for 20 s: check the cable and the port." << false;
    QTest::newRow("load, no tester") << of(Op::Load, K::NoTester, C::Silent) << "" << "No equipment answered within 20 s: check the cable, the port and the equipment's power supply." << false;
    QTest::newRow("send, no tester") << of(Op::Send, K::NoTester, C::Silent) << send << "Transmission Parameters FAILED because ORVA equipment is not connected or is power off !\r\nWait a new connection and SET new parameters AGAIN ...." << true;
    QTest::newRow("send, no record") << of(Op::Send, K::Refused) << send << "Nothing was sent: File not found." << false;
    QTest::newRow("send, file") << of(Op::Send, K::Incomplete, C::File) << send << incomplete.arg("File not found.") << true;
    QTest::newRow("send, silent") << of(Op::Send, K::Incomplete, C::Silent, 0x40) << send << incomplete.arg("ORVA equipment did not acknowledge address 0040h and stopped answering") << true;
    QTest::newRow("send, silent, no address") << of(Op::Send, K::Incomplete, C::Silent) << send << incomplete.arg("ORVA equipment stopped answering") << true;
    QTest::newRow("send, refused byte") << of(Op::Send, K::Incomplete, C::Answered, 0xA3) << send << incomplete.arg("ORVA equipment refused the byte at address 00A3h") << true;
    QTest::newRow("send, port lost") << of(Op::Send, K::Incomplete, C::PortLost, 0x12) << send << incomplete.arg("the serial port was lost at address 0012h (adapter unplugged?)") << true;
    QTest::newRow("send, lost step") << of(Op::Send, K::Incomplete, C::LostStep) << send << incomplete.arg("the line to ORVA equipment lost step (bytes came that no command was waiting for)") << true;
    QTest::newRow("lux, no tester") << of(Op::LuxCalibration, K::NoTester, C::Silent) << lux << "Calibrate High Beam is not possible: ORVA equipment is not connected or is power off !\r\nThe parameters are read again from the equipment as soon as it answers; changes not yet sent are replaced." << false;
    QTest::newRow("lux, no record") << of(Op::LuxCalibration, K::Refused) << lux << "Nothing was written: File not found." << false;
    QTest::newRow("lux, write cut") << of(Op::LuxCalibration, K::Incomplete, C::Silent, 0x123) << lux << "The factor may not be stored: ORVA equipment did not acknowledge address 0123h and stopped answering. Check the connection and calibrate again." << false;
    QTest::newRow("lux, no factor") << of(Op::LuxCalibration, K::Failed, C::NoFactor) << lux << "No conversion factor for Calibrate High Beam: the reading 17710 divided by the reference \"0\" lux gives no factor from 0 to 32767. Enter the reference illuminance (1 to 9999 lux) and calibrate again; nothing was written." << false;
    QTest::newRow("lux, file") << of(Op::LuxCalibration, K::Failed, C::File) << lux << "File not found. Nothing was written." << false;
    QTest::newRow("lux, no reading") << of(Op::LuxCalibration, K::Failed, C::Silent) << lux << "The equipment sent no reading for Calibrate High Beam: nothing was changed. Check the connection and try again." << false;
    QTest::newRow("lux, lost step") << of(Op::LuxCalibration, K::Failed, C::LostStep) << lux << "Calibrate High Beam was not possible: the line to ORVA equipment lost step (bytes came that no command was waiting for). Nothing was written; check the connection and calibrate again." << false;
    QTest::newRow("read back stopped") << of(Op::LuxCalibration, K::Unverified, C::Silent, 0xA2) << "" << "The tester acknowledged every byte, but did not answer in step while they were read back (address 00A2h): read it again to see what it holds." << false;
    QTest::newRow("read back lost step") << of(Op::Send, K::Unverified, C::LostStep) << "" << "The line lost step while what was sent was read back: read the tester again to see what it holds." << false;
    QTest::newRow("read back different") << of(Op::Send, K::Mismatch) << "" << "The tester acknowledged every byte, but 2 byte(s) read back differ from what was sent: send again." << false;
    for (const K quiet : {K::Done, K::Aborted, K::Declined})
        QTest::addRow("send, quiet %d", int(quiet)) << of(Op::Send, quiet) << "" << "" << false;
    QTest::newRow("photodiode, failed") << of(Op::PhotodiodeCalibration, K::Failed, C::Silent) << "" << "" << false;
    // clang-format on
}

void TestOutcomeMessage::eachOutcomeIsWorded()
{
    QFETCH(Outcome, outcome);
    const OutcomeMessage m = messageOf(outcome);
    QTEST(m.title, "title");
    QTEST(m.text, "text");
    QTEST(m.critical, "critical");
}

void TestOutcomeMessage::recordProblemsAndMismatches()
{
    Outcome o = of(Op::Send, K::Mismatch);
    QVERIFY(recordMessageOf(o).isEmpty());
    QVERIFY(!o.recordUnfinished());
    o.recordProblems = {{OrvaError(1, QStringLiteral("Disk full.")), std::nullopt, {}},
                        {OrvaError(2, QStringLiteral("Locked.")), 7, {QStringLiteral("a: 1 -> 2")}},
                        {OrvaError(2, QStringLiteral("Locked.")), 8, {}}};
    QVERIFY(o.recordUnfinished());
    const OutcomeMessage record = recordMessageOf(o);
    QCOMPARE(record.title, QStringLiteral("ORVA service history ..."));
    QCOMPARE(record.text, QStringLiteral("Disk full.\r\n"
                                         "The tester was written, but the end of its record "
                                         "(history entry 7) could not be saved: Locked.\r\n"
                                         "The tester now holds: a: 1 -> 2.\r\n"
                                         "The tester was written, but the end of its record "
                                         "(history entry 8) could not be saved: Locked.\r\n"
                                         "The tester now holds: no change."));
    QVERIFY(notSentMessageOf(o).isEmpty());
    o.notSent = {{Unsent::Why::EmptyValue, QStringLiteral("LANG"), QStringLiteral("0040"), 1},
                 {Unsent::Why::NoUsableValue, QStringLiteral("LANG"), QStringLiteral("0042"), 3}};
    QCOMPARE(notSentMessageOf(o).text,
             QStringLiteral("These lines of the parameter file were not sent:\r\n"
                            "LANG: empty value, not sent (addr. h0040 )\r\nLine 3 of the parameter "
                            "file has no usable value for LANG: not sent (addr. h0042 )"));
    QCOMPARE(
        mismatchLinesOf(o),
        QStringList({QStringLiteral("MODEL at address 00A0h: sent 4Eh, the tester holds 48h"),
                     QStringLiteral("MODEL at address 00A1h: sent 45h, the tester holds 54h")}));
}

QTEST_APPLESS_MAIN(TestOutcomeMessage)
#include "test_outcome_message.moc"
