// What the history keeps of a tester: the document after a write that the
// tester acknowledged only in part, and the backups an earlier version left.
#include "form/FormValues.h"
#include "history/ServiceHistory.h"
#include "ops/ParameterDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void afterWrite_data();
    void afterWrite();
    void backupsKeepTheirDocuments();
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

} // namespace

void TestRecords::afterWrite_data()
{
    QTest::addColumn<WritePlan>("plan");
    QTest::addColumn<QString>("model"); // what the record says the tester holds
    QTest::addColumn<QStringList>("partial");

    QTest::newRow("both definitions whole")
        << WritePlan{modelPart(0, 10), modelPart(1, 10)} << NewModel << QStringList();
    QTest::newRow("first definition cut")
        << WritePlan{modelPart(0, 4)} << QStringLiteral("abcdEFGHIJKLMNOPQRST")
        << QStringList{"model"};
    QTest::newRow("second definition cut")
        << WritePlan{modelPart(0, 10), modelPart(1, 3)} << QStringLiteral("abcdefghijklmNOPQRST")
        << QStringList{"model"};
    QTest::newRow("second definition got no byte")
        << WritePlan{modelPart(0, 10), modelPart(1, 0)} << QStringLiteral("abcdefghijKLMNOPQRST")
        << QStringList{"model"};
    QTest::newRow("cut where the old bytes are unknown")
        << WritePlan{modelPart(0, 4, false)} << OldModel << QStringList{"model"};
    QTest::newRow("nothing acknowledged")
        << WritePlan{modelPart(0, 0)} << OldModel << QStringList();
}

void TestRecords::afterWrite()
{
    QFETCH(WritePlan, plan);
    QFETCH(QString, model);
    QFETCH(QStringList, partial);
    const QJsonObject before{{"format", 1}, {"fields", QJsonObject{{"model", OldModel}}}};
    const QJsonObject after = ParameterDocument::afterWrite(before, FormValues(), plan);
    QCOMPARE(after.value("fields").toObject().value("model").toString(), model);
    QStringList named;
    for (const QJsonValue &v : after.value("partial").toArray())
        named.append(v.toString());
    QCOMPARE(named, partial);
}

void TestRecords::backupsKeepTheirDocuments()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("backups"));
    QVERIFY(QDir().mkpath(folder));
    QHash<QString, QJsonObject> documents;
    for (const QString &serial : {QStringLiteral("SN24-000001"), QStringLiteral("SN24-000002")}) {
        const QJsonObject doc{{"format", 1},
                              {"firmwareVersion", "1.02"},
                              {"parameterFile", "ORVA_102.ini"},
                              {"readAt", "2026-12-01T10:10:10"},
                              {"fields", QJsonObject{{"serialNumber", serial},
                                                     {"model", "M-" + serial},
                                                     {"garageName", "Garage " + serial}}}};
        const QString name = serial + QStringLiteral("_20261201-101010-000.json");
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(doc).toJson());
        documents.insert(QStringLiteral("backup ") + name, doc);
    }

    HistoryLocation location;
    location.path = dir.filePath(QStringLiteral("history.sqlite"));
    auto history = ServiceHistory::open(location);
    QVERIFY2(history, qPrintable(history ? QString() : history.error().description()));
    const Result<int> imported = history.value()->importBackups(folder);
    QVERIFY(imported);
    QCOMPARE(*imported, 2);
    const auto entries = history.value()->entries();
    QVERIFY(entries);
    QCOMPARE(entries->size(), 2);
    for (const HistoryEntry &e : *entries) {
        const QJsonObject doc = documents.value(e.detail);
        QVERIFY2(!doc.isEmpty(), qPrintable(e.detail));
        QCOMPARE(e.before, doc);
        QCOMPARE(e.serial, HistoryEntry::serialOf(doc));
        QCOMPARE(e.outcome, QStringLiteral("imported"));
    }
}

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
