// What the history keeps of a tester: its state as documents store it, the
// changes between two states, and the state after a write that the tester
// acknowledged only in part.
#include "form/FormValues.h"
#include "ops/ParameterDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void documentsRoundTrip_data();
    void documentsRoundTrip();
    void changes_data();
    void changes();
    void sameAsTheTesterStoresIt_data();
    void sameAsTheTesterStoresIt();
    void afterWrite_data();
    void afterWrite();
};

namespace {

const QString OldModel = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
const QString NewModel = QStringLiteral("abcdefghijklmnopqrst");

// One of the model's two definitions, ten bytes each, as a send wrote it.
WrittenBytes modelPart(int part, int acknowledged, bool beforeKnown = true)
{
    WrittenBytes w;
    w.key = part == 0 ? QStringLiteral("parame_modelo") : QStringLiteral("parame_model1");
    w.start = quint16(0x20 + part * 10);
    w.bytes = NewModel.mid(part * 10, 10).toLatin1();
    if (beforeKnown)
        w.before = OldModel.mid(part * 10, 10).toLatin1();
    w.acknowledged = acknowledged;
    return w;
}

QJsonObject readDocument()
{
    return QJsonDocument::fromJson(R"({
        "format": 1, "firmwareVersion": "1.02", "parameterFile": "ORVA_102.ini",
        "languageKey": "parame_lingua", "readAt": "2026-12-01T10:10:10",
        "fields": {"manufacturer": "ORVA      ", "serialNumber": " SN24-000001",
                   "unitOfLight": {"index": 1, "item": "kcd"}, "fogTestRequest": true,
                   "goodTestForcing": false, "lowBeamFactor": 345, "photodiodeOffsets": [12, 0, 7]},
        "notOffered": {"parame_pannel": "7"}})")
        .object();
}

TesterState withField(const char *name, const QJsonValue &value)
{
    QJsonObject doc = readDocument();
    QJsonObject fields = doc.value("fields").toObject();
    if (value.isUndefined())
        fields.remove(QLatin1String(name));
    else
        fields.insert(QLatin1String(name), value);
    doc.insert("fields", fields);
    return TesterState::fromDocument(doc);
}

} // namespace

// What is stored again is what was read: a record rewritten by a later
// version, or pushed to a server, must not change under it.
void TestRecords::documentsRoundTrip_data()
{
    QTest::addColumn<QJsonObject>("document");
    QTest::newRow("a read") << readDocument();
    QJsonObject cut = readDocument();
    cut.insert("partial", QJsonArray{"manufacturer"});
    QTest::newRow("a write cut part way") << cut;
    QJsonObject old = readDocument();
    old.remove("readAt");
    old.remove("notOffered");
    QJsonObject fields = old.value("fields").toObject();
    fields.remove("photodiodeOffsets");
    old.insert("fields", fields);
    QTest::newRow("an older program's") << old;
}

void TestRecords::documentsRoundTrip()
{
    QFETCH(QJsonObject, document);
    const TesterState state = TesterState::fromDocument(document);
    QCOMPARE(state.toDocument(), document);
    QCOMPARE(state.serial(), QStringLiteral("SN24-000001"));
    QCOMPARE(state.index(Control::ListaMisura), 1);
    QCOMPARE(state.flag(Control::ChkEnFogReq), true);
    QCOMPARE(state.number(Control::TestoAnaConv), 345);
}

void TestRecords::changes_data()
{
    QTest::addColumn<TesterState>("after");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char *name, const TesterState &after, const QStringList &lines) {
        QTest::newRow(name) << after << lines;
    };
    row("nothing", TesterState::fromDocument(readDocument()), {});
    row("a text", withField("manufacturer", "ACME"), {"manufacturer: ORVA -> ACME"});
    row("a text's blanks", withField("manufacturer", "ORVA"), {});
    row("a list's entry", withField("unitOfLight", QJsonObject{{"index", 0}, {"item", "lux "}}),
        {"unitOfLight: kcd -> lux"});
    row("a list's wording, not its entry",
        withField("unitOfLight", QJsonObject{{"index", 1}, {"item", "KCD"}}), {});
    row("a flag", withField("goodTestForcing", true), {"goodTestForcing: no -> yes"});
    row("a factor", withField("lowBeamFactor", 400), {"lowBeamFactor: 345 -> 400"});
    row("the offsets", withField("photodiodeOffsets", QJsonArray{12, 1, 7}),
        {"photodiodeOffsets: [12,0,7] -> [12,1,7]"});
    row("a field not known before", withField("garageName", "GARAGE"), {"garageName:  -> GARAGE"});
    TesterState cut = TesterState::fromDocument(readDocument());
    cut.partial = {Control::TestoMarca};
    row("a field cut part way, its text the same", cut, {"manufacturer: ORVA -> ORVA (partial)"});
    TesterState several = withField("lowBeamFactor", 1);
    several.set(Control::TestoMarca, QStringLiteral("ACME"));
    several.set(Control::ChkEnFogReq, false);
    row("several, by name", several,
        {"fogTestRequest: yes -> no", "lowBeamFactor: 345 -> 1", "manufacturer: ORVA -> ACME"});
}

void TestRecords::changes()
{
    QFETCH(TesterState, after);
    QFETCH(QStringList, lines);
    QCOMPARE(TesterState::fromDocument(readDocument()).changesTo(after), lines);
}

// A field is pending when the tester would store something else.
void TestRecords::sameAsTheTesterStoresIt_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QJsonValue>("shown");
    QTest::addColumn<bool>("same");
    QTest::newRow("padded to the width") << Control::TestoMarca << QJsonValue("ORVA") << true;
    QTest::newRow("a blank in front") << Control::TestoMarca << QJsonValue(" ORVA") << false;
    QTest::newRow("a list by its index")
        << Control::ListaMisura << QJsonValue(QJsonObject{{"index", 1}, {"item", "x"}}) << true;
    QTest::newRow("another entry")
        << Control::ListaMisura << QJsonValue(QJsonObject{{"index", 2}, {"item", "kcd"}}) << false;
    QTest::newRow("a flag") << Control::ChkEnFogReq << QJsonValue(false) << false;
    QTest::newRow("a field the state lacks") << Control::TestoModello << QJsonValue("M") << false;
}

void TestRecords::sameAsTheTesterStoresIt()
{
    QFETCH(Control, control);
    QFETCH(QJsonValue, shown);
    QFETCH(bool, same);
    const TesterState known = TesterState::fromDocument(readDocument());
    QCOMPARE(
        TesterState::same(control, known.value(control), TesterState::fieldFrom(control, shown)),
        same);
}

void TestRecords::afterWrite_data()
{
    QTest::addColumn<WritePlan>("plan");
    QTest::addColumn<QString>("model"); // what the record says the tester holds
    QTest::addColumn<QStringList>("partial");

    const auto row = [](const char *name, const WritePlan &plan, const QString &model,
                        const QStringList &partial) {
        QTest::newRow(name) << plan << model << partial;
    };
    row("both definitions whole", {modelPart(0, 10), modelPart(1, 10)}, NewModel, {});
    row("first definition cut", {modelPart(0, 4)}, "abcdEFGHIJKLMNOPQRST", {"model"});
    row("second definition cut", {modelPart(0, 10), modelPart(1, 3)}, "abcdefghijklmNOPQRST",
        {"model"});
    row("second definition got no byte", {modelPart(0, 10), modelPart(1, 0)},
        "abcdefghijKLMNOPQRST", {"model"});
    row("second definition never tried", {modelPart(0, 10)}, "abcdefghijKLMNOPQRST", {"model"});
    row("cut where the old bytes are unknown", {modelPart(0, 4, false)}, OldModel, {"model"});
    row("nothing acknowledged", {modelPart(0, 0)}, OldModel, {});
}

void TestRecords::afterWrite()
{
    QFETCH(WritePlan, plan);
    QFETCH(QString, model);
    QFETCH(QStringList, partial);
    TesterState before;
    before.set(Control::TestoModello, OldModel);
    const TesterState after = ParameterDocument::afterWrite(before, FormValues(), plan);
    QCOMPARE(after.text(Control::TestoModello), model);
    QStringList named;
    for (const QJsonValue v : after.toDocument().value("partial").toArray())
        named.append(v.toString());
    QCOMPARE(named, partial);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
