#include "ops/Backup.h"

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void namedBySerialAndKeepsTheNewest();
};

void TestBackup::namedBySerialAndKeepsTheNewest()
{
    QTemporaryDir dir;
    const auto document = [](const QString &serial) {
        return QJsonObject{{"format", 1}, {"fields", QJsonObject{{"serialNumber", serial}}}};
    };
    const QString first = Backup::save(document(QStringLiteral("SN24/../x  ")), dir.path());
    QVERIFY(QFileInfo(first).fileName().startsWith(QStringLiteral("SN24____x_")));
    QCOMPARE(QFileInfo(first).dir().absolutePath(), QDir(dir.path()).absolutePath());
    QVERIFY(
        QFileInfo(Backup::save(document(QString()), dir.path())).fileName().startsWith("unknown_"));
    for (int i = 0; i < Backup::Kept + 3; ++i) {
        QVERIFY(!Backup::save(document(QStringLiteral("SN")), dir.path()).isEmpty());
        QTest::qWait(2); // distinct times, distinct names
    }
    QCOMPARE(QDir(dir.path()).entryList({"*.json"}).size(), Backup::Kept);
    QVERIFY(!QFile::exists(first)); // the oldest went first
}

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
