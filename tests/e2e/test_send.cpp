#include "Harness.h"
#include "HistoryPage.h"
#include "MemoryImage.h"
#include "WindowForm.h"
#include "link/SerialLink.h"

#include <QCheckBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

QByteArray text(const char *t, int length)
{
    return QByteArray(t).leftJustified(length, ' ', true);
}

// (address, bytes) in the order they must reach the tester.
using Writes = QList<QPair<int, QByteArray>>;

QList<QByteArray> framesOf(const Writes &writes)
{
    QList<QByteArray> frames;
    for (const auto &[address, bytes] : writes)
        for (int k = 0; k < bytes.size(); ++k)
            frames.append(QByteArray("W") + char((address + k) >> 8) + char((address + k) & 0xFF) +
                          bytes.at(k));
    return frames;
}

QString outcomeText(FrmOrva &w)
{
    return w.findChild<QLabel *>(QStringLiteral("OutcomeText"))->text();
}
} // namespace

class TestSend : public QObject
{
    Q_OBJECT
private slots:
    void writesEveryParameterInOrder();
    void testerOffReportsAndReloads();
    void abortDuringWriteFive();
    void testerStopsAcknowledging();
    void refusedWriteStopsTheSend();
    void fileLineThatCannotBeSentIsNamed();
};

void TestSend::writesEveryParameterInOrder()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    w.ListaLingua->setCurrentIndex(1); // Italiano: a wildcard block of four lines
    w.TestoMarca->setText("ACME");
    w.TestoModello->setText("ABCDEFGHIJKLMN"); // 14 characters
    w.TestoNumOmologa->setText("H1");
    w.TestoNumSerie->setText("1234");
    w.TestoGiornoScadenza->setText("5");
    w.TestoMeseScadenza->setText("12");
    w.TestoAnnoScadenza->setText("2003");
    w.ListaMisura->setCurrentIndex(1);
    w.ListaPannello->setCurrentIndex(-1); // unselected
    w.ListaProtocollo->setCurrentIndex(2);
    w.TestoIndirizzoApp->setText("7");
    w.TestoVersioneMctc->setText("3.0");
    w.ListaTipoFaro->setCurrentIndex(1);
    w.ChkEnFogReq->setChecked(true);
    w.ChkEnForzatura->setChecked(false);
    w.ChkEnPrecFaro->setChecked(true);
    w.TestoNomeOfficina->setText("GARAGE");
    w.TestoIndirizzo1->setText("A1");
    w.TestoIndirizzo2->setText("");
    w.TestoIndirizzo3->setText("A3");
    w.TestoIndirizzo4->setText("A4");
    w.ChkPrnHfaroIncl->setChecked(false);
    h.sim.clearFrames();
    QList<QPair<qint64, qint64>> progress;
    connect(&w, &FrmOrva::progressChanged, [&](qint64 done, qint64 total) {
        progress.append({done, total});
    });

    QVERIFY(h.click("CmdInvia"));

    const Writes expected = {{0x0200, text("PROVAFARI", 16)},
                             {0x0210, text("MISURA", 16)},
                             {0x0220, text("STAMPA", 16)},
                             {0x0230, QByteArray(1, 2)},
                             {0x0004, QByteArray(1, 1)},
                             {0x0010, text("ACME", 10)},
                             {0x0020, text("ABCDEFGHIJ", 10)},
                             {0x002A, text("KLMN", 10)},
                             {0x0040, text("H1", 12)},
                             {0x004C, text("", 12)},
                             {0x0060, text("1234", 4)},
                             {0x0064, text("", 16)},
                             {0x0080, text("5122003", 8)},
                             {0x0088, "1"},
                             {0x0089, "-"},
                             {0x008A, "2"},
                             {0x0090, text("7", 2)},
                             {0x0092, "3.0"},
                             {0x0095, QByteArray(1, 1)},
                             {0x0096, QByteArray("\x05\x00", 2)},
                             {0x00A0, text("GARAGE", 24)},
                             {0x00B8, text("A1", 24)},
                             {0x00D0, text("", 24)},
                             {0x00E8, text("A3", 24)},
                             {0x0100, text("A4", 24)},
                             {0x0118, QByteArray(1, 0)}};
    QCOMPARE(h.frames('W'), framesOf(expected));
    qint64 bytes = 0;
    for (const auto &write : expected)
        bytes += write.second.size();
    QCOMPARE(progress.at(progress.size() - 2), (QPair<qint64, qint64>(bytes, bytes)));
    QCOMPARE(progress.last(), (QPair<qint64, qint64>(0, 0)));
    // The clock frame needs no reply: give the line a moment to carry it.
    QTRY_COMPARE_WITH_TIMEOUT(h.frames('D').size(), 1, 2000);
    QCOMPARE(h.sim.frames().last().at(0), 'D');
    const QByteArray clock = h.frames('D').first();
    QCOMPARE(w.TestoData->text().mid(11, 2).toInt(nullptr, 16),
             int(quint8(clock.at(3)))); // hours, BCD
    QCOMPARE(w.status(), QString());
    // What is on screen catches up with the transfer's last word.
    QTRY_COMPARE_WITH_TIMEOUT(w.findChild<QLabel *>(QStringLiteral("StatusText"))->text(),
                              QString(), 2000);
    QVERIFY(w.findChild<QProgressBar *>(QStringLiteral("TransferProgress"))->isHidden());
    QVERIFY2(outcomeText(w).startsWith(QStringLiteral("Sent at ")) &&
                 outcomeText(w).contains(QStringLiteral("history entry")),
             qPrintable(outcomeText(w)));
    QVERIFY(h.prompts.shown.isEmpty());
    QVERIFY(!w.CmdInterrompiParametri->isVisible());
    QVERIFY(w.CmdInvia->isEnabled());
}

// A send that finds no tester says so and reloads: the tester's values replace
// the edits and their marks, read through the file its version finds now.
void TestSend::testerOffReportsAndReloads()
{
    Harness h;
    h.sim.memory() = MemoryImage::forVersion(QStringLiteral("1.02"));
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    QCOMPARE(w.session().parameterFilePath, h.path("ORVA_102.ini"));
    QFile::remove(h.path("ORVA_102.ini"));
    h.shortLimits();
    w.TestoMarca->setText("EDITED");
    h.sim.setPowered(false);
    QString statusAfterBox;
    // Back on when the reload after the box asks for it.
    h.prompts.onShown = [&] {
        h.whenFrames(0x01, int(h.frames(0x01).size()) + 1, [&] {
            statusAfterBox = w.status();
            h.sim.setPowered(true);
        });
    };
    QVERIFY(h.click("CmdInvia"));
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("critical"));
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("ORVA connection ..."));
    QVERIFY(h.prompts.shown[0].text.startsWith(QStringLiteral("Transmission Parameters FAILED")));
    QCOMPARE(statusAfterBox,
             QStringLiteral("Wait connection to Equipment ! Reset with power supply ..."));
    QCOMPARE(w.TestoMarca->text(), QStringLiteral("ORVA      "));
    QVERIFY(!w.form().isPending(Control::TestoMarca));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("PendingCount"))->text(), QString());
    QVERIFY(h.frames('W').isEmpty());
    QVERIFY(w.session().parametersLoaded);
    QCOMPARE(w.session().parameterFilePath, h.path("ORVA_100.ini"));
    QCOMPARE(w.TestoFileIni->text(),
             QStringLiteral("( rif. %1 )").arg(QDir::toNativeSeparators(h.path("ORVA_100.ini"))));
    QVERIFY(w.CmdInvia->isEnabled());
    QVERIFY(!w.CmdInterrompiParametri->isVisible());
}

void TestSend::abortDuringWriteFive()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    w.TestoMarca->setText("ACME");
    w.TestoModello->setText("ABCDEFGHIJKLMNOPQRST");
    // Writes 1 to 4: the English texts (49 bytes), the language, manufacturer and
    // model part one; two bytes of write 5 are acknowledged before the abort.
    h.whenFrames('W', 49 + 1 + 10 + 10 + 2, [&] { w.CmdInterrompiParametri->click(); });
    QVERIFY(h.click("CmdInvia"));
    const auto sent = h.frames('W');
    QVERIFY2(sent.size() >= 72 && sent.size() <= 73, qPrintable(QString::number(sent.size())));
    QCOMPARE(frameAddress(sent.last()) & 0xFFF0, 0x0020);
    QVERIFY(h.frames('D').isEmpty());
    QVERIFY(h.prompts.shown.isEmpty());
    QCOMPARE(h.sim.memory().mid(0x10, 10), QByteArray("ACME      "));
    QCOMPARE(h.sim.memory().mid(0x2A, 2), QByteArray("KL"));
    QCOMPARE(w.TestoModello->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    QVERIFY(!w.status().startsWith(QLatin1String("Wait")));
    QVERIFY(!w.abortFlag().isSet());
    QVERIFY(w.CmdInvia->isEnabled());
    // Said and recorded as aborted, never as sent.
    QVERIFY2(outcomeText(w).startsWith(QStringLiteral("Send aborted at ")),
             qPrintable(outcomeText(w)));
    w.SSTab1->setCurrentIndex(2);
    QVERIFY(w.PageHistory->HistoryTable->item(0, 2)->text().startsWith(QStringLiteral("aborted")));
}

void TestSend::testerStopsAcknowledging()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    w.TestoMarca->setText("ACME");
    h.shortLimits();
    h.sim.stopAckAfter(30);
    // While the send waits, the window is interlocked but Abort is live.
    bool marcaLocked = false, calibrateClosed = false, abortLive = false;
    h.whenFrames('W', 31, [&] {
        marcaLocked = w.TestoMarca->isReadOnly();
        calibrateClosed = !w.CmdCalibraAna->isEnabled() && !w.CmdCalibraAbb->isEnabled();
        abortLive = w.CmdInterrompiParametri->isVisible() && w.CmdInterrompiParametri->isEnabled();
    });
    QStringList notes;
    QObject::connect(&w.link(), &SerialLink::noted, [&](const QString &n) { notes.append(n); });
    QVERIFY(h.click("CmdInvia"));
    QVERIFY(notes.contains(QStringLiteral("no reply within 500 ms"))); // the acknowledge's limit
    QVERIFY(marcaLocked && calibrateClosed && abortLive);
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("ORVA connection ..."));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("021Eh")));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("AGAIN")));
    QVERIFY2(outcomeText(w).startsWith(QStringLiteral("Send stopped at address 021Eh")),
             qPrintable(outcomeText(w)));
    QCOMPARE(h.frames('W').size(), 31);
    QVERIFY(h.frames('D').isEmpty());
    QCOMPARE(w.TestoMarca->text(), QStringLiteral("ACME"));
    QVERIFY(!w.TestoMarca->isReadOnly());
    // The next send once it is back: test_faults.
}

void TestSend::refusedWriteStopsTheSend()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    const QByteArray before = h.sim.memory();
    w.TestoMarca->setText("ACME");
    h.sim.refuseWriteAt(0x12); // the tester answers the third letter with a refusal
    QVERIFY(h.click("CmdInvia"));
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("ORVA connection ..."));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("0012h")));
    QCOMPARE(frameAddress(h.frames('W').last()), 0x12); // nothing after the refusal
    QVERIFY(h.frames('D').isEmpty());
    QByteArray expected = before;
    expected.replace(0x10, 2, "AC"); // acknowledged before the refusal
    QCOMPARE(h.sim.memory(), expected);
    QCOMPARE(outcomeText(w), QStringLiteral("Send stopped at address 0012h (history entry 2)"));
}

void TestSend::fileLineThatCannotBeSentIsNamed()
{
    Harness h;
    h.editFile("ORVA_100.ini", [](const QString &line) {
        return line.contains("txt_en_langid") ? QString(line).replace("//1,", "//x1,") : line;
    });
    QVERIFY(h.start());
    const QByteArray before = h.sim.memory();
    QVERIFY(h.click("CmdInvia"));
    QCOMPARE(h.sim.memory(), before); // nothing edited; the unusable line left 0230h alone
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("ORVA connection ..."));
    const QString text = h.prompts.shown[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("These lines of the parameter file were not sent:")) &&
                 text.contains(QStringLiteral("0230")),
             qPrintable(text));
    for (const QByteArray &f : h.frames('W'))
        QVERIFY(frameAddress(f) != 0x0230);
    QTRY_VERIFY_WITH_TIMEOUT(!h.frames('D').isEmpty(), 2000); // the rest went out
}

QTEST_MAIN(TestSend)
#include "test_send.moc"
