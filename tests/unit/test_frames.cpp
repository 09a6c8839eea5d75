#include "link/Frames.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"
#include "params/WriteEncoding.h"

#include <QTest>

Q_DECLARE_METATYPE(WriteMode)

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void writeExamples_data();
    void writeExamples();
    void clockFrame_data();
    void clockFrame();
    void photodiodeReply_data();
    void photodiodeReply();
    void printableSecondParts();
    void addressColumn_data();
    void addressColumn();
    void dateTimeText();
};

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void TestFrames::writeExamples_data()
{
    QTest::addColumn<WriteMode>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("frames");
    QTest::newRow("300 in two bytes") << WriteMode::Number << "300" << 2 << hex("5700402c57004101");
    QTest::newRow("256 clamped") << WriteMode::Number << "256" << 1 << hex("570040ff");
    QTest::newRow("65536 clamped") << WriteMode::Number << "65536" << 2 << hex("570040ff570041ff");
    QTest::newRow("not a number is zeros") << WriteMode::Number << "12a" << 1 << hex("57004000");
    QTest::newRow("unselected list") << WriteMode::Number << "-1" << 1 << hex("57004000");
    QTest::newRow("text padded") << WriteMode::Text << "AB" << 4
                                 << hex("57004041570041425700422057004320");
    QTest::newRow("text cut") << WriteMode::Text << "ABCDE" << 2 << hex("5700404157004142");
    QTest::newRow("empty text is blanks") << WriteMode::Text << "" << 2 << hex("5700402057004120");
}

void TestFrames::writeExamples()
{
    QFETCH(WriteMode, mode);
    QFETCH(QString, value);
    QFETCH(int, length);
    QFETCH(QByteArray, frames);
    Definition d;
    d.address = QStringLiteral("0040");
    d.length = length;
    const Encoded encoded = WriteEncoding::encode(d, value, mode);
    QVERIFY(encoded.bytes);
    QByteArray sent;
    for (int k = 0; k < encoded.bytes->size(); ++k)
        sent += Frames::writeFrame(quint16(0x0040 + k), quint8(encoded.bytes->at(k)));
    QCOMPARE(sent.toHex(), frames.toHex());
}

void TestFrames::clockFrame_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("Wednesday 3 September 2003")
        << QDateTime(QDate(2003, 9, 3), QTime(14, 5, 9)) << hex("4409051404030903");
    QTest::newRow("Sunday 5 January 2003")
        << QDateTime(QDate(2003, 1, 5), QTime(9, 5, 7)) << hex("4407050901050103");
    QTest::newRow("midnight, Saturday")
        << QDateTime(QDate(2026, 12, 5), QTime(0, 0, 0)) << hex("4400000007051226");
    QTest::newRow("last second") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59))
                                 << hex("4459592306311299");
}

void TestFrames::clockFrame()
{
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, frame);
    QCOMPARE(Frames::clockFrame(when).toHex(), frame.toHex());
}

void TestFrames::photodiodeReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<quint32>("reading");
    QTest::newRow("4660") << hex("00001234") << quint32(4660);
    QTest::newRow("beyond signed range") << hex("80000000") << quint32(0x80000000u);
}

void TestFrames::photodiodeReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(quint32, reading);
    QCOMPARE(Frames::decodeReading(reply), reading);
}

void TestFrames::printableSecondParts()
{
    const QByteArray raw =
        QByteArray("A}") + char(0x00) + char(0x1F) + char(0x7E) + char(0xFF) + " Z!";
    QCOMPARE(ValueCodec::printable(raw, 8), QByteArray("A}     Z"));
}

void TestFrames::addressColumn_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("address");
    QTest::newRow("upper") << "00FE" << 0x00FE;
    QTest::newRow("lower") << "abcd" << 0xABCD;
    QTest::newRow("stops at a non-digit") << "12 x" << 0x12;
    QTest::newRow("no digits") << "lang" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestFrames::addressColumn()
{
    QFETCH(QString, column);
    QFETCH(int, address);
    Definition d;
    d.address = column;
    const auto parsed = d.start();
    QCOMPARE(parsed ? int(*parsed) : -1, address);
}

void TestFrames::dateTimeText()
{
    const QDateTime t(QDate(2003, 9, 3), QTime(14, 5, 9));
    QCOMPARE(ValueCodec::dateTimeText(t, u'/'), QStringLiteral("09/03/2003 14:05:09"));
    QCOMPARE(ValueCodec::dateTimeText(t, u'.'), QStringLiteral("09.03.2003 14:05:09"));
}

QTEST_APPLESS_MAIN(TestFrames)
#include "test_frames.moc"
