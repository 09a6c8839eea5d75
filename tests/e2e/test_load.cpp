#include "Harness.h"
#include "MemoryImage.h"
#include "link/SerialTrace.h"

#include <QRegularExpression>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestLoad : public QObject
{
    Q_OBJECT
private slots:
    void showsEveryValueOfTheTester();
    void readsInCatalogueOrderWithProgressAndTrace();
    void versionPicksItsFile_data();
    void versionPicksItsFile();
    void missingFileOrDefinitionEndsWithTheReport_data();
    void missingFileOrDefinitionEndsWithTheReport();
};

void TestLoad::showsEveryValueOfTheTester()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    QCOMPARE(w.TestoVersioneScheda->text(), QStringLiteral("ORVA ver. 1.00"));
    QCOMPARE(w.TestoFileIni->text(),
             QStringLiteral("( rif. %1 )").arg(QDir::toNativeSeparators(h.path("ORVA_100.ini"))));
    QCOMPARE(w.TestoMarca->text(), QStringLiteral("ORVA      "));
    QCOMPARE(w.TestoModello->text(), QStringLiteral("HT-5000 PROFESSIONAL"));
    QCOMPARE(w.TestoNumOmologa->text(), QStringLiteral("OM-2003-IT-4521/B       "));
    QCOMPARE(w.TestoNumSerie->text(), QStringLiteral("SN24-001187         "));
    QCOMPARE(w.TestoGiornoScadenza->text(), QStringLiteral("31"));
    QCOMPARE(w.TestoMeseScadenza->text(), QStringLiteral("12"));
    QCOMPARE(w.TestoAnnoScadenza->text(), QStringLiteral("2027"));
    QCOMPARE(w.ListaLingua->currentText(), QStringLiteral("English"));
    QCOMPARE(w.ListaLingua1->currentText(), QStringLiteral("txt_en_******"));
    QCOMPARE(w.ListaLingua->count(), 3);
    QCOMPARE(w.ListaMisura->currentIndex(), 0);
    QCOMPARE(w.ListaPannello->currentText(), QStringLiteral("TRUCK"));
    QCOMPARE(w.ListaProtocollo->currentIndex(), 0);
    QCOMPARE(w.TestoIndirizzoApp->text(), QStringLiteral("01"));
    QCOMPARE(w.TestoVersioneMctc->text(), QStringLiteral("2.1"));
    QCOMPARE(w.ListaTipoFaro->currentIndex(), 0);
    QVERIFY(w.ChkEnFogReq->isChecked());
    QVERIFY(!w.ChkEnForzatura->isChecked());
    QVERIFY(w.ChkEnPrecFaro->isChecked());
    QCOMPARE(w.TestoNomeOfficina->text(), QStringLiteral("AUTOFFICINA ROSSI       "));
    QVERIFY(w.ChkPrnHfaroIncl->isChecked());
    QCOMPARE(w.TestoAnaConv->text(), QStringLiteral("345"));
    QCOMPARE(w.TestoAbbConv->text(), QStringLiteral("210"));
    const QStringList offsets =
        w.TestoOffsetFotodiodi->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(offsets.size(), 17);
    QCOMPARE(offsets.first(), QStringLiteral("PH01=107"));
    QCOMPARE(offsets.last(), QStringLiteral("PH17=219"));
    QCOMPARE(w.status(), QString());
    QCOMPARE(h.prompts.beeps, 1);
}

void TestLoad::versionPicksItsFile_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("keep102");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("bait"); // a file only an unsafe name would reach
    const auto row = [](const char *name, const QString &version, bool keep102, const char *file,
                        const char *bait = "") {
        QTest::newRow(name) << version << keep102 << QString(file) << QString(bait);
    };
    row("1.02 with its file", "1.02", true, "ORVA_102.ini");
    row("1.02 without its file", "1.02", false, "ORVA_100.ini");
    row("path in the version", "/..", true, "ORVA_100.ini", "ORVA_/...ini");
}

void TestLoad::versionPicksItsFile()
{
    QFETCH(QString, version);
    QFETCH(bool, keep102);
    QFETCH(QString, file);
    QFETCH(QString, bait);
    Harness h;
    if (!keep102)
        QFile::remove(h.path("ORVA_102.ini"));
    if (!bait.isEmpty()) {
        QVERIFY(QDir(h.folder.path()).mkpath(QFileInfo(h.path(bait)).path()));
        QVERIFY(QFile::copy(h.path("ORVA_100.ini"), h.path(bait)));
    }
    h.sim.memory() = MemoryImage::forVersion(version == "1.02" ? version : "1.00");
    h.sim.memory().replace(0, 4, version.toLatin1().leftJustified(4, ' ', true));
    QVERIFY(h.start());
    QCOMPARE(h.window->TestoVersioneScheda->text(),
             QStringLiteral("ORVA ver. ") + version.leftJustified(4, u' ', true));
    QCOMPARE(h.window->TestoFileIni->text(),
             QStringLiteral("( rif. %1 )").arg(QDir::toNativeSeparators(h.path(file))));
    QCOMPARE(h.window->session().parameterFilePath, h.path(file));
    // The photodiode offsets are read where the chosen file says.
    const int firstOffset = file == "ORVA_102.ini" ? 0x0140 : 0x0130;
    bool readThere = false;
    for (const QByteArray &f : h.frames('R'))
        readThere = readThere || frameAddress(f) == firstOffset;
    QVERIFY(readThere);
    QVERIFY(h.prompts.shown.isEmpty());
}

void TestLoad::missingFileOrDefinitionEndsWithTheReport_data()
{
    QTest::addColumn<bool>("wholeFile");
    QTest::addColumn<QString>("said");
    QTest::newRow("a definition") << false << "Error n°5\r\nDescription : ";
    QTest::newRow("the default file") << true << "Error n°53\r\nDescription : ";
}

void TestLoad::missingFileOrDefinitionEndsWithTheReport()
{
    QFETCH(bool, wholeFile);
    QFETCH(QString, said);
    Harness h;
    if (wholeFile)
        QFile::remove(h.path("ORVA_100.ini"));
    else
        h.editFile("ORVA_100.ini", [](const QString &line) {
            return line.contains("parame_tifaro") ? QString() : line;
        });
    QVERIFY(!h.start(QStringLiteral("52917"), 10000));
    QCOMPARE(h.endedWith, 1);
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("critical"));
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("Error not handled"));
    QVERIFY2(h.prompts.shown[0].text.startsWith(said), qPrintable(h.prompts.shown[0].text));
    QVERIFY(h.prompts.shown[0].text.contains(wholeFile ? "ORVA_100.ini" : "parame_tifaro"));
}

// Every byte the file defines, read in catalogue order, counted to the end,
// and traced.
void TestLoad::readsInCatalogueOrderWithProgressAndTrace()
{
    Harness h;
    h.create();
    QList<QPair<qint64, qint64>> progress;
    connect(h.window.get(), &FrmOrva::progressChanged, [&](qint64 done, qint64 total) {
        progress.append({done, total});
    });
    SerialTrace trace(h.window->link());
    QVERIFY(trace.open(h.path("trace.txt")));
    QVERIFY(h.start());
    struct Span
    {
        int address;
        int length;
    };
    QList<Span> spans = {{0x0000, 4},  {0x0004, 1},  {0x0010, 10}, {0x0020, 10}, {0x002A, 10},
                         {0x0040, 12}, {0x004C, 12}, {0x0060, 4},  {0x0064, 16}, {0x0080, 8},
                         {0x0088, 1},  {0x0089, 1},  {0x008A, 1},  {0x0090, 2},  {0x0092, 3},
                         {0x0095, 1},  {0x0096, 2},  {0x00A0, 24}, {0x00B8, 24}, {0x00D0, 24},
                         {0x00E8, 24}, {0x0100, 24}, {0x0118, 1},  {0x0120, 2},  {0x0122, 2}};
    for (int n = 0; n < 17; ++n)
        spans.append({0x0130 + 2 * n, 2});
    QList<int> expected;
    for (const Span &s : spans)
        for (int k = 0; k < s.length; ++k)
            expected.append(s.address + k);
    QList<int> actual;
    for (const QByteArray &f : h.frames('R'))
        actual.append(frameAddress(f));
    QCOMPARE(actual, expected);
    QCOMPARE(h.frames('W').size(), 0);

    // Counted from the file the version chose, so without the version; then the bar goes away.
    const qint64 total = expected.size() - 4;
    QVERIFY(progress.size() > 2);
    QCOMPARE(progress.at(progress.size() - 2), (QPair<qint64, qint64>(total, total)));
    QCOMPARE(progress.last(), (QPair<qint64, qint64>(0, 0)));

    QFile file(h.path("trace.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QStringList sent;
    for (const QString &line : lines)
        if (line.mid(25, 2) == QLatin1String("TX"))
            sent.append(line.mid(29));
    QCOMPARE(sent.first(), QStringLiteral("01"));
    QCOMPARE(sent.filter(QRegularExpression(QStringLiteral("^52 "))).size(), expected.size());
    // The last byte of the 17th offset, then the check that the line is still in step.
    QCOMPARE(sent.at(sent.size() - 2), QStringLiteral("52 01 51"));
    QCOMPARE(sent.last(), QStringLiteral("01"));
    QVERIFY(lines.filter(QStringLiteral("  RX  06")).size() >= 1);
}

QTEST_MAIN(TestLoad)
#include "test_load.moc"
