#include "access/EditRules.h"
#include "access/FieldRules.h"
#include "access/Passwords.h"
#include "link/PortCatalogue.h"
#include "link/StepRule.h"
#include "ops/LuxCalibration.h"
#include "params/ValueCodec.h"

#include <QTest>

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void fieldChecks_data();
    void fieldChecks();
    void storableCharacters_data();
    void storableCharacters();
    void mctc_data();
    void mctc();
    void passwords_data();
    void passwords();
    void replies_data();
    void replies();
    void versionFileName_data();
    void versionFileName();
    void factor_data();
    void factor();
    void portNumbers_data();
    void portNumbers();
    void comNumbers_data();
    void comNumbers();
    void lineStep_data();
    void lineStep();
};

void TestRules::fieldChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    // Each row: name, field, typed, kept.
    const char *rows[][4] = {
        {"day 1 stays", "TestoGiornoScadenza", "1", "1"},
        {"day 31 stays", "TestoGiornoScadenza", "31", "31"},
        {"day 00", "TestoGiornoScadenza", "00", "01"},
        {"day 32", "TestoGiornoScadenza", "32", "01"},
        {"day empty", "TestoGiornoScadenza", "", "01"},
        {"day 1a", "TestoGiornoScadenza", "1a", "01"},
        {"day blank 1", "TestoGiornoScadenza", " 1", "01"},
        {"day unicode digit", "TestoGiornoScadenza", "\u0663", "01"},
        {"month 1 stays", "TestoMeseScadenza", "1", "1"},
        {"month 12 stays", "TestoMeseScadenza", "12", "12"},
        {"month 13", "TestoMeseScadenza", "13", "01"},
        {"month 0", "TestoMeseScadenza", "0", "01"},
        {"year 2003 stays", "TestoAnnoScadenza", "2003", "2003"},
        {"year 9999 stays", "TestoAnnoScadenza", "9999", "9999"},
        {"year 2002", "TestoAnnoScadenza", "2002", "2003"},
        {"lux 1500 stays", "TestoLuxAnaCampione", "1500", "1500"},
        {"lux 0 stays", "TestoLuxAnaCampione", "0", "0"},
        {"lux empty stays", "TestoLuxAnaCampione", "", ""},
        {"lux letter", "TestoLuxAnaCampione", "12a", "1"},
        {"lux minus", "TestoLuxAbbCampione", "-5", "1"},
        {"other fields unchecked", "TestoMarca", "x!", "x!"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2])
                            << QString::fromUtf8(r[3]);
}

void TestRules::fieldChecks()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(FieldRules::checked(*Controls::byName(field), typed), kept);
}

// The tester stores Latin-1 and shows no control characters.
void TestRules::storableCharacters_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("storable");
    for (const int code : {0x20, 0x7E, 0xA0, 0xFF})
        QTest::addRow("U+%04X", code) << code << true;
    for (const int code : {0x00, 0x1F, 0x7F, 0x9F, 0x100, 0x20AC})
        QTest::addRow("U+%04X", code) << code << false;
}

void TestRules::storableCharacters()
{
    QFETCH(int, code);
    QFETCH(bool, storable);
    QCOMPARE(EditRules::storable(QChar(code)), storable);
}

void TestRules::mctc_data()
{
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<bool>("forced");
    // "MCTC-NET" and "MCTX-NET" in the window: test_access.
    QTest::newRow("lower case") << "mctc net" << true;
    QTest::newRow("leading blank") << " MCTC" << false;
    QTest::newRow("short") << "MCT" << false;
    QTest::newRow("none selected") << "" << false;
}

void TestRules::mctc()
{
    QFETCH(QString, protocol);
    QFETCH(bool, forced);
    QCOMPARE(FieldRules::isMctc(protocol), forced);
}

// Near misses of a password open nothing; the passwords themselves: test_access levels.
void TestRules::passwords_data()
{
    QTest::addColumn<QString>("password");
    for (const char *near : {" 52917", "52917 ", "5291", ""})
        QTest::addRow("\"%s\"", near) << QString(near);
}

void TestRules::passwords()
{
    QFETCH(QString, password);
    QCOMPARE(Access::levelFor(password), AccessLevel::Unknown);
    QCOMPARE(Access::captionSuffix(Access::levelFor(password)),
             QStringLiteral("  (PW = sconosciuta)"));
}

void TestRules::replies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("byteCode");
    QTest::addColumn<int>("number16");
    QTest::addColumn<int>("index");
    QTest::newRow("empty") << QByteArray() << -1 << -1 << -1;
    QTest::newRow("offset 4660") << QByteArray::fromHex("3412") << 0x34 << 4660 << -1;
    QTest::newRow("above the signed range") << QByteArray::fromHex("0090") << 0 << 36864 << -1;
    QTest::newRow("digit") << QByteArray("1") << int('1') << -1 << 1;
    QTest::newRow("not a number") << QByteArray("x") << int('x') << -1 << -1;
}

void TestRules::replies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, byteCode);
    QFETCH(int, number16);
    QFETCH(int, index);
    QCOMPARE(ValueCodec::byteCode(reply).value_or(-1), byteCode);
    QCOMPARE(ValueCodec::number16(reply).value_or(-1), number16);
    QCOMPARE(ValueCodec::digitIndex(reply).value_or(-1), index);
}

void TestRules::versionFileName_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("form");
    const char *rows[][3] = {
        {"1.00", "1.00", "100"},    {"1.02", "1.02", "102"},       {"empty", "", ""},
        {"path", "1/../x", ""},     {"separator", "1./2", ""},     {"dots", "/..", ""},
        {"control", "1.0\x01", ""}, {"blank padding", "1.0 ", ""},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2]);
}

void TestRules::versionFileName()
{
    QFETCH(QString, version);
    QFETCH(QString, form);
    QCOMPARE(ValueCodec::fileNameForm(version).value_or(QString()), form);
}

void TestRules::factor_data()
{
    QTest::addColumn<quint32>("reading");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("factor");
    // The worked example and a zero reference in the window: test_calibration.
    QTest::newRow("half goes down to even") << quint32(689) << "2" << 344;
    QTest::newRow("half goes up to even") << quint32(691) << "2" << 346;
    QTest::newRow("largest") << quint32(32767) << "1" << 32767;
    QTest::newRow("too large") << quint32(32768) << "1" << -1;
    QTest::newRow("empty reference") << quint32(100) << "" << -1;
}

void TestRules::factor()
{
    QFETCH(quint32, reading);
    QFETCH(QString, reference);
    QFETCH(int, factor);
    QCOMPARE(conversionFactor(reading, reference).value_or(-1), factor);
}

void TestRules::portNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device"); // empty: no port
    QTest::newRow("0") << 0 << "";
    QTest::newRow("1") << 1 << "/dev/orva1";
    QTest::newRow("16") << 16 << "/dev/orva16";
    QTest::newRow("17, though named") << 17 << "";
}

// "Port Com" offers Com1 to Com16, whatever the system has.
void TestRules::portNumbers()
{
    QFETCH(int, number);
    QFETCH(QString, device);
    QStringList named;
    for (int n = 1; n <= 17; ++n)
        named.append(QStringLiteral("/dev/orva%1").arg(n));
    const PortCatalogue ports(named, false);
    QCOMPARE(ports.device(number).value_or(QString()), device);
    QCOMPARE(PortCatalogue::numberOf(PortCatalogue::entryText(number)), number);
}

void TestRules::comNumbers_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("first"); // devices of Com1 to Com5
    QTest::addColumn<QString>("last");  // of Com15 and Com16

    QTest::newRow("none") << QStringList() << QStringList() << "COM1 COM2 COM3 COM4 COM5"
                          << "COM15 COM16";
    QTest::newRow("a bridge takes the first number no port has")
        << QStringList{"COM1", "COM3"} << QStringList{"tcp://bridge:4001"}
        << "COM1 tcp://bridge:4001 COM3 COM4 COM5"
        << "COM15 COM16";
    QTest::newRow("two named, after the system's")
        << QStringList{"COM1", "COM2"} << QStringList{"tcp://a:1", "/dev/x"}
        << "COM1 COM2 tcp://a:1 /dev/x COM5"
        << "COM15 COM16";
    QTest::newRow("a COM port named keeps its number")
        << QStringList{"COM1"} << QStringList{"com4", "\\\\.\\COM2"} << "COM1 COM2 COM3 COM4 COM5"
        << "COM15 COM16";
    QStringList sixteen;
    for (int n = 1; n <= 16; ++n)
        sixteen << QStringLiteral("COM%1").arg(n);
    QTest::newRow("all sixteen taken: what is named takes the last")
        << sixteen << QStringList{"tcp://a:1", "COM16", "tcp://b:2"} << "COM1 COM2 COM3 COM4 COM5"
        << "tcp://b:2 COM16";
    QTest::newRow("ports above 16 are not offered")
        << QStringList{"COM17", "COM1"} << QStringList{"COM17"} << "COM1 COM17 COM3 COM4 COM5"
        << "COM15 COM16";
}

// On Windows "Com3" is COM3 whatever else is named, so a workshop's port
// never moves when a bridge is added.
void TestRules::comNumbers()
{
    QFETCH(QStringList, system);
    QFETCH(QStringList, named);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QList<PortCatalogue::SystemPort> ports;
    for (const QString &d : system)
        ports.append({d, QStringLiteral("USB serial")});
    const PortCatalogue catalogue(named, ports, PortCatalogue::Naming::ByComNumber);
    QStringList devices;
    for (int n = 1; n <= 5; ++n)
        devices << catalogue.device(n).value_or(QStringLiteral("-"));
    QCOMPARE(devices.join(u' '), first);
    QCOMPARE(QStringList({*catalogue.device(15), *catalogue.device(16)}).join(u' '), last);
    QVERIFY(!catalogue.device(17));
    if (system.contains(QStringLiteral("COM1")))
        QCOMPARE(catalogue.tooltip(1), QStringLiteral("COM1 (USB serial)"));
}

void TestRules::lineStep_data()
{
    // Events: sN a command expecting N reply bytes went out, aN N bytes came,
    // g the command gave up, r the line was found quiet and cleared, x the port opened.
    QTest::addColumn<QString>("events");
    QTest::addColumn<bool>("inStep");
    QTest::addColumn<bool>("settled");
    QTest::addColumn<int>("due");
    QTest::newRow("reply complete") << "s1 a1" << true << true << 0;
    QTest::newRow("reply in parts") << "s4 a1 a3" << true << true << 0;
    QTest::newRow("reply still coming") << "s4 a3" << true << true << 1;
    QTest::newRow("one byte too many") << "s1 a2" << false << false << 0;
    QTest::newRow("a byte nobody asked for") << "a1" << false << false << 0;
    QTest::newRow("a byte after the reply") << "s1 a1 a1" << false << false << 0;
    QTest::newRow("gave up: the rest may come") << "s1 g" << true << false << 0;
    QTest::newRow("the late reply loses step") << "s1 g a1" << false << false << 0;
    QTest::newRow("nothing was due: still settled") << "s0 g" << true << true << 0;
    QTest::newRow("a quiet line brings it back") << "s1 g a1 r" << true << true << 0;
    QTest::newRow("opening the port clears it") << "a1 x" << true << true << 0;
}

// When the line is in step, event by event.
void TestRules::lineStep()
{
    QFETCH(QString, events);
    QFETCH(bool, inStep);
    QFETCH(bool, settled);
    QFETCH(int, due);
    StepRule rule;
    rule.reset();
    for (const QString &e : events.split(u' ')) {
        const int n = e.mid(1).toInt();
        const char16_t kind = e.at(0).unicode();
        if (kind == u's')
            rule.sent(n);
        else if (kind == u'a')
            rule.arrived(n);
        else if (kind == u'g')
            rule.gaveUp();
        else if (kind == u'r')
            rule.resynced();
        else
            rule.reset();
    }
    QCOMPARE(rule.inStep(), inStep);
    QCOMPARE(rule.settled(), settled);
    QCOMPARE(rule.due(), due);
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
