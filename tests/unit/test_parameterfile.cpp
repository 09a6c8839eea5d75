#include "params/ParameterFile.h"

#include <QTest>

// Lines are written with the marker at a known column so each case shows
// the layout it exercises.
static QString def(const QString &address, int length, const QString &key)
{
    return QStringLiteral("//%1 %2 %3").arg(address).arg(length, 4).arg(key);
}

class TestParameterFile : public QObject
{
    Q_OBJECT
private slots:
    void readLookup_data();
    void readLookup();
    void writeLookup_data();
    void writeLookup();
    void lineValues_data();
    void lineValues();
    void listLines_data();
    void listLines();
};

void TestParameterFile::readLookup_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("length");
    const QString key = QStringLiteral("parame_marcaa");
    QTest::newRow("read-write with a comment")
        << QStringList{"Manufacturer  " + def("0100", 10, key)} << "0100" << 10;
    QTest::newRow("read-only") << QStringList{def("0100", 10, key)} << "0100" << 10;
    QTest::newRow("marker put in front of a read-write line")
        << QStringList{"//Manufacturer  " + def("0100", 10, key)} << "" << 0;
    QTest::newRow("first of two definitions")
        << QStringList{"a " + def("0200", 2, key), "b " + def("0300", 3, key)} << "0200" << 2;
    QTest::newRow("length zero is found but unusable")
        << QStringList{"x " + def("0100", 0, key), "y " + def("0200", 2, key)} << "0100" << 0;
    QTest::newRow("length padded on the left") << QStringList{"//0100 10   " + key} << "0100" << 10;
    QTest::newRow("fewer than 25 characters") << QStringList{"//0100   10 parame_marca"} << "" << 0;
    QTest::newRow("other key") << QStringList{def("0100", 10, "parame_modelo")} << "" << 0;
    QTest::newRow("case matters") << QStringList{def("0100", 10, "PARAME_MARCAA")} << "" << 0;
    QTest::newRow("write-only line is not read")
        << QStringList{"//\"ORVA\"      " + def("0100", 10, key)} << "" << 0;
}

void TestParameterFile::readLookup()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, address);
    QFETCH(int, length);
    const auto d = ParameterFile::findForRead(lines, QStringLiteral("parame_marcaa"));
    QCOMPARE(d ? d->address : QString(), address);
    QCOMPARE(d ? d->length : 0, length);
}

void TestParameterFile::writeLookup_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("addresses");
    const QString key = QStringLiteral("parame_marcaa");
    QTest::newRow("read-write") << QStringList{"Manufacturer " + def("0100", 10, key)} << key
                                << QStringList{"0100"};
    QTest::newRow("read-only is not written")
        << QStringList{def("0100", 10, key)} << key << QStringList{};
    QTest::newRow("marker in front still written")
        << QStringList{"//Manufacturer  " + def("0100", 10, key)} << key << QStringList{"0100"};
    QTest::newRow("both of two definitions")
        << QStringList{"a " + def("0200", 2, key), "b " + def("0300", 3, key)} << key
        << QStringList{"0200", "0300"};
    QTest::newRow("wildcard, in file order")
        << QStringList{"//\"A\"  " + def("0200", 4, "txt_en_title1"),
                       "//\"B\"  " + def("0210", 4, "txt_it_title1"),
                       "//\"C\"  " + def("0220", 4, "txt_en_other2")}
        << "txt_en_******" << QStringList{"0200", "0220"};
    QTest::newRow("no wildcard without the tail")
        << QStringList{"//\"A\"  " + def("0200", 4, "txt_en_title1")} << "txt_en_*****x"
        << QStringList{};
}

void TestParameterFile::writeLookup()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, key);
    QFETCH(QStringList, addresses);
    QStringList found;
    for (const Definition &d : ParameterFile::findForWrite(lines, key))
        found.append(d.address);
    QCOMPARE(found, addresses);
}

void TestParameterFile::lineValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<quint64>("number");
    const QString d = def("0200", 4, "txt_en_title1");
    QTest::newRow("quoted text") << "//\"HELLO\"   " + d << int(LineValue::Text)
                                 << QByteArray("HELLO") << quint64(0);
    QTest::newRow("quote not closed")
        << "//\"HI  " + d << int(LineValue::Text) << ("HI  " + d).toLatin1() << quint64(0);
    QTest::newRow("number and comma")
        << "// 12 ,  " + d << int(LineValue::Number) << QByteArray() << quint64(12);
    QTest::newRow("number without comma")
        << "//12     " + d << int(LineValue::Unusable) << QByteArray() << quint64(0);
    QTest::newRow("negative") << "//-3,    " + d << int(LineValue::Unusable) << QByteArray()
                              << quint64(0);
    QTest::newRow("not a number") << "//abc,   " + d << int(LineValue::Unusable) << QByteArray()
                                  << quint64(0);
}

void TestParameterFile::lineValues()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QByteArray, text);
    QFETCH(quint64, number);
    const auto found = ParameterFile::findForWrite({line}, QStringLiteral("txt_en_title1"));
    QCOMPARE(found.size(), 1);
    const LineValue v = ParameterFile::valueOf(found.first());
    QCOMPARE(int(v.kind), kind);
    QCOMPARE(v.text, text);
    QCOMPARE(v.number, number);
}

void TestParameterFile::listLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("keys");
    // Second marker at column 15 (odd); the key at m + 12.
    const auto item = [](const QString &text, const QString &tag, const QString &tail) {
        return QStringLiteral("//\"%1\"").arg(text).leftJustified(14) + "//" + tag + "   0" + tail;
    };
    const QString unit = QStringLiteral("  (unit of light)");
    const QStringList mixed = {item("LUX", "unit", unit), item("KCD", "unit", unit),
                               item("English", "lang", "  txt_en_******"),
                               item("FC", "unit", unit)};
    QTest::newRow("units") << mixed << "unit" << QStringList{"LUX", "KCD", "FC"} << QStringList{};
    QTest::newRow("languages") << mixed << "lang" << QStringList{"English"}
                               << QStringList{"txt_en_******"};
    QTest::newRow("key one column early loses its first character")
        << QStringList{item("English", "lang", " txt_en_******X")} << "lang"
        << QStringList{"English"} << QStringList{"xt_en_******X"};
    QTest::newRow("second marker at an even column")
        << QStringList{QStringLiteral("//\"LUX\"").leftJustified(15) +
                       "//unit   0  (unit of light)"}
        << "unit" << QStringList{} << QStringList{};
    QTest::newRow("no quote") << QStringList{QStringLiteral("//LUX").leftJustified(14) +
                                             "//unit   0  (unit of light)"}
                              << "unit" << QStringList{} << QStringList{};
    QTest::newRow("blanks before the quote shift the key")
        << QStringList{QStringLiteral("//  \"English\"").leftJustified(14) +
                       "//lang   0  txt_en_******"}
        << "lang" << QStringList{"English"} << QStringList{"t_en_******"};
    QTest::newRow("no line of the tag") << mixed << "pane" << QStringList{} << QStringList{};
}

void TestParameterFile::listLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, tag);
    QFETCH(QStringList, items);
    QFETCH(QStringList, keys);
    const ListLines found = ParameterFile::listLines(lines, tag);
    QCOMPARE(found.items, items);
    QCOMPARE(found.keys, keys);
}

QTEST_APPLESS_MAIN(TestParameterFile)
#include "test_parameterfile.moc"
