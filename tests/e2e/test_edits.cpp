// One set of edit rules for the window and for documents, and values the
// window cannot show kept as the tester holds them.
#include "CliRun.h"
#include "FrmPassword.h"
#include "Harness.h"
#include "MemoryImage.h"
#include "WindowForm.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray Admin = "52917\n";

// A tester holding, for every kind of value the window cannot show, one.
QByteArray unshowableImage()
{
    QByteArray m = MemoryImage::forVersion();
    m[0x0004] = char(7);    // a language beyond the file's three
    m[0x0088] = '9';        // a unit index beyond the list
    m[0x0089] = 'x';        // a panel type that is no number
    m[0x008A] = '7';        // a protocol beyond the list
    m[0x0095] = char(2);    // a lamp type beyond the two
    m[0x0096] = char(0x0D); // option switches with bit 3 set
    m[0x0118] = char(2);    // a print option of 2
    m[0x00A2] = char(0x01); // a control character in the garage name
    return m;
}

} // namespace

class TestEdits : public QObject
{
    Q_OBJECT
private slots:
    void sameRulesInTheWindowAndInADocument_data();
    void sameRulesInTheWindowAndInADocument();
    void windowKeepsEveryByteItDoesNotChange();
    void cliReadThenWriteKeepsEveryByte();
    void keptValuesComeFromTheLoadThatFinished();
};

void TestEdits::sameRulesInTheWindowAndInADocument_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value"); // a text, or a list index
    QTest::addColumn<QString>("shows"); // what the field shows once the window took the edit
    QTest::addColumn<bool>("takes");    // whether a document may make the edit
    const auto row = [](const char *name, const char *field, const QString &value,
                        const QString &shows, bool takes) {
        QTest::newRow(name) << QString(field) << value << shows << takes;
    };
    // Which dates, characters and lengths the rules take: test_rules.
    row("day in range", "expiryDay", "15", "15", true);
    row("day 99", "expiryDay", "99", "01", false);
    row("Latin-1 letters", "garageName", "CAFÉ DU NORD", "CAFÉ DU NORD", true);
    row("euro sign", "garageName", "€ GARAGE", "AUTOFFICINA ROSSI       ", false);
    row("line feed", "garageAddress2", "A\nB", "20100 MILANO            ", false);
    row("longer than the field", "manufacturer", "ABCDEFGHIJKL", "ABCDEFGHIJ", false);
    row("a unit", "unitOfLight", "1", "1", true);
    row("one past the last unit", "unitOfLight", "2", "-1", false);
    // An MCTC protocol moves the unit to its second entry: a document that
    // leaves the unit at the first is refused.
    row("MCTC protocol", "protocol", "1", "1", false);
}

void TestEdits::sameRulesInTheWindowAndInADocument()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, shows);
    QFETCH(bool, takes);
    const Control c = *Controls::byField(field);
    const bool isList = Controls::info(c).kind == ControlKind::List;

    // The window: the edit as typed (or picked), then the focus moves on.
    {
        Harness h;
        QVERIFY(h.start());
        FrmOrva &w = *h.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *widget = w.form().widget(c);
        if (isList) {
            qobject_cast<QComboBox *>(widget)->setCurrentIndex(value.toInt());
        } else {
            auto *edit = qobject_cast<QLineEdit *>(widget);
            edit->setFocus(Qt::TabFocusReason);
            edit->insert(value); // as typed or pasted over the selected width
            w.TestoIndirizzo4->setFocus(Qt::TabFocusReason);
        }
        const QString shown = isList ? QString::number(w.form().currentIndex(c)) : w.form().text(c);
        QCOMPARE(shown, shows);
    }

    // A document: taken and written, or refused by name with nothing written.
    CliRun cli;
    const QByteArray before = cli.sim.memory();
    const QJsonValue wanted =
        isList ? QJsonValue(QJsonObject{{"index", value.toInt()}}) : QJsonValue(value);
    const QString doc = cli.document(CliRun::with(cli.read(), field, wanted));
    cli.sim.clearFrames();
    const CliResult r = cli.run({"write", "--in", doc}, Admin);
    if (takes) {
        QCOMPARE(r.status, 0);
        const QJsonValue now = cli.read().value("fields").toObject().value(field);
        QCOMPARE(isList ? QString::number(now.toObject().value("index").toInt())
                        : now.toString().trimmed(),
                 value);
    } else {
        QCOMPARE(r.status, 7);
        QVERIFY2(
            r.err.contains(isList && field == "protocol" ? QStringLiteral("unitOfLight") : field),
            qPrintable(r.err));
        QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
        QCOMPARE(cli.sim.memory(), before);
    }
}

void TestEdits::windowKeepsEveryByteItDoesNotChange()
{
    Harness h;
    h.sim.memory() = unshowableImage();
    const QByteArray before = h.sim.memory();
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    // Told once, in words, which values are kept.
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("warning"));
    const QString told = h.prompts.shown[0].text;
    for (const char *key : {"parame_lingua", "parame_unitam", "parame_pannel", "parame_protoc",
                            "parame_tifaro", "param_setupsw", "parame_prninc"})
        QVERIFY2(told.contains(QLatin1String(key)), key);
    QCOMPARE(w.ListaLingua->currentIndex(), -1);
    QCOMPARE(w.ListaPannello->currentIndex(), -1);
    QCOMPARE(w.ListaTipoFaro->currentIndex(), -1);
    QVERIFY(h.click("CmdInvia"));
    QCOMPARE(h.prompts.shown.size(), 1);
    QVERIFY(!h.frames('W').isEmpty());
    QCOMPARE(h.sim.memory(), before);

    // Changed values replace kept ones; the others stay kept.
    w.ListaMisura->setCurrentIndex(1);
    w.ListaTipoFaro->setCurrentIndex(1);
    w.ChkEnForzatura->setChecked(true); // bit 1 on, bit 2 off; bit 3 the tester's own
    w.ChkEnPrecFaro->setChecked(false);
    w.ChkPrnHfaroIncl->setChecked(false);
    QVERIFY(h.click("CmdInvia"));
    const QByteArray &m = h.sim.memory();
    QCOMPARE(m.at(0x0088), '1');
    QCOMPARE(int(m.at(0x0095)), 1);
    QCOMPARE(int(m.at(0x0096)), 0x0B);
    QCOMPARE(int(m.at(0x0118)), 0);
    QCOMPARE(m.at(0x0089), 'x');
    QCOMPARE(int(m.at(0x0004)), 7);
}

void TestEdits::cliReadThenWriteKeepsEveryByte()
{
    CliRun cli;
    cli.sim.memory() = unshowableImage();
    const QByteArray before = cli.sim.memory();
    const CliResult read = cli.run({"read"});
    QCOMPARE(read.status, 0);
    QVERIFY(read.err.contains(QStringLiteral("parame_unitam")));
    const QJsonObject doc = QJsonDocument::fromJson(read.out).object();
    QCOMPARE(doc.value("notOffered").toObject().value("parame_unitam").toString(),
             QStringLiteral("39h"));
    const CliResult write = cli.run({"write", "--in", cli.document(doc)}, Admin);
    QCOMPARE(write.status, 0);
    QVERIFY(!cli.sim.framesStartingWith('W').isEmpty());
    QCOMPARE(cli.sim.memory(), before);
}

// A load that lost step after reading a value it keeps starts again; what the
// tester holds by then is what is kept, not what the first attempt saw.
void TestEdits::keptValuesComeFromTheLoadThatFinished()
{
    Harness h;
    h.sim.memory() = unshowableImage();
    bool changed = false;
    QObject::connect(&h.sim, &TesterSimulator::frameReceived, &h.sim, [&](const QByteArray &f) {
        if (changed || f.at(0) != 'R' || frameAddress(f) != 0x0097)
            return;
        changed = true;
        QTimer::singleShot(0, &h.sim, [&] {
            h.sim.memory()[0x0096] = char(0x05); // bit 3 gone
            h.sim.injectStrayByte();
        });
    });
    QVERIFY(h.start());
    QVERIFY(changed);
    QVERIFY(h.frames(0x01).size() >= 2); // it started again
    QByteArray expected = h.sim.memory();
    expected[0x0096] = char(0x07); // bit 1 added, no bit 3
    h.window->ChkEnForzatura->setChecked(true);
    QVERIFY(h.click("CmdInvia"));
    QCOMPARE(h.sim.memory(), expected);
}

QTEST_MAIN(TestEdits)
#include "test_edits.moc"
