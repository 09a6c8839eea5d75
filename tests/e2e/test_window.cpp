#include "FrmPassword.h"
#include "Harness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSerialPort>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlsAtCreation_data();
    void controlsAtCreation();
    void inputsAreNamedAndInTabOrder();
    void startUpStateBeforeThePassword();
    void portScanKeepsUsablePortsOnly();
    void noUsablePortEndsWithTheReport();
    void closingDuringAWaitEndsCleanly();
    void passwordByKeysAndALockedList();
};

void TestWindow::controlsAtCreation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("state");
    // state: L locked, D disabled, H hidden, C checked. One caption stands for
    // all: their words are the window's table, not behaviour.
    const char *rows[][6] = {
        {"Text19", "caption", "Firmware Version", "", "0", "L"},
        {"TestoVersioneScheda", "text", "", "", "0", "L"},
        {"TestoFileIni", "text", "", "", "0", "L"},
        {"ListaLingua", "list", "Scegli la Lingua", "", "0", "L"},
        {"ListaMisura", "list", "", "", "0", "L"},
        {"TestoMarca", "text", "", "10", "0", "L"},
        {"ListaPannello", "list", "", "", "0", "L"},
        {"TestoModello", "text", "", "20", "0", "L"},
        {"ListaProtocollo", "list", "", "", "0", "L"},
        {"TestoNumOmologa", "text", "", "24", "0", "L"},
        {"TestoVersioneMctc", "text", "", "3", "0", "L"},
        {"TestoNumSerie", "text", "", "20", "0", "L"},
        {"TestoIndirizzoApp", "text", "", "2", "0", "L"},
        {"ListaTipoFaro", "list", "Scegli la Lingua", "", "0", "L"},
        {"TestoGiornoScadenza", "text", "01", "2", "0", "L"},
        {"TestoMeseScadenza", "text", "01", "2", "0", "L"},
        {"TestoAnnoScadenza", "text", "2003", "4", "0", "L"},
        {"TestoData", "text", "", "", "0", "L"},
        {"ChkEnFogReq", "check", "enable FOG test request", "", "0", "D"},
        {"ChkEnForzatura", "check", "enable good test forcing", "", "0", "D"},
        {"ChkEnPrecFaro", "check", "enable previous headlight test", "", "0", "D"},
        {"TestoNomeOfficina", "text", "", "24", "0", "L"},
        {"TestoIndirizzo1", "text", "", "24", "0", "L"},
        {"TestoIndirizzo2", "text", "", "24", "0", "L"},
        {"TestoIndirizzo3", "text", "", "24", "0", "L"},
        {"TestoIndirizzo4", "text", "", "24", "0", "L"},
        {"ChkPrnHfaroIncl", "check", "Print HEIGHT BEAM and INCLINATION", "", "0", "DC"},
        {"CmdInvia", "button", "Send Parameters to Equipment !", "", "0", "DH"},
        {"CmdInterrompiParametri", "button", "Abort", "", "0", "H"},
        {"ListaCom", "list", "Seleziona COM", "", "0", "L"},
        {"TestoLuxAnaCampione", "text", "29", "4", "1", "L"},
        {"CmdCalibraAna", "button", "Calibrate Low Beam", "", "1", "D"},
        {"CmdInterrompiAna", "button", "Abort", "", "1", "H"},
        {"TestoBitAnaScheda", "text", "0", "", "1", "L"},
        {"TestoAnaConv", "text", "0", "", "1", "L"},
        {"TestoLuxAbbCampione", "text", "77", "4", "1", "L"},
        {"CmdCalibraAbb", "button", "Calibrate High Beam", "", "1", "D"},
        {"CmdInterrompiAbb", "button", "Abort", "", "1", "H"},
        {"TestoBitAbbScheda", "text", "0", "", "1", "L"},
        {"TestoAbbConv", "text", "0", "", "1", "L"},
        {"TestoOffsetFotodiodi", "multiline", "", "", "1", "D"},
        {"CmdCalFoto", "button", "Calibrate Photodiode ...", "", "1", "D"},
        {"CmdInterrompiFotodiodi", "button", "Abort", "", "1", "H"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[0] << r[1] << QString::fromUtf8(r[2])
                            << (*r[3] ? QByteArray(r[3]).toInt() : -1) << QByteArray(r[4]).toInt()
                            << r[5];
}

void TestWindow::controlsAtCreation()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(int, page);
    QFETCH(QString, state);
    Harness h;
    FrmOrva &w = h.create();
    QWidget *c = w.findChild<QWidget *>(name);
    QVERIFY2(c, qPrintable(name));
    QVERIFY(w.SSTab1->widget(page)->isAncestorOf(c));
    QCOMPARE(c->isVisibleTo(w.SSTab1->widget(page)), !state.contains(u'H'));
    QCOMPARE(c->isEnabled(), !state.contains(u'D'));
    static const QHash<QString, const char *> classes = {
        {"caption", "QLineEdit"}, {"text", "QLineEdit"},     {"list", "LockableComboBox"},
        {"check", "QCheckBox"},   {"button", "QPushButton"}, {"multiline", "QPlainTextEdit"}};
    QVERIFY(c->inherits(classes.value(kind)));
    const char *shows = kind == "list"        ? "placeholderText"
                        : kind == "multiline" ? "plainText"
                                              : "text";
    QCOMPARE(c->property(shows).toString(), text);
    QCOMPARE(c->property("checked").toBool(), state.contains(u'C'));
    if (auto *e = qobject_cast<QLineEdit *>(c)) {
        QCOMPARE(e->isReadOnly(), state.contains(u'L'));
        if (maxLength > 0)
            QCOMPARE(e->maxLength(), maxLength);
        QCOMPARE(e->focusPolicy() == Qt::NoFocus, kind == "caption");
    } else if (auto *l = qobject_cast<LockableComboBox *>(c)) {
        QCOMPARE(l->currentIndex(), -1);
        QVERIFY(l->isLocked());
    }
}

void TestWindow::inputsAreNamedAndInTabOrder()
{
    Harness h;
    FrmOrva &w = h.create();
    QSet<QString> seen;
    for (QWidget *c : w.findChildren<QWidget *>()) {
        const QString n = c->objectName();
        if (!(n.startsWith("Testo") || n.startsWith("Lista") || n.startsWith("Chk") ||
              n.startsWith("Cmd")))
            continue;
        QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(n));
        if (!c->isHidden() && n != "ListaLingua1" && !n.startsWith("CmdInterrompi"))
            QVERIFY2(!seen.contains(c->accessibleName()) || n == "TestoVersioneScheda",
                     qPrintable(n + ": " + c->accessibleName()));
        seen.insert(c->accessibleName());
    }
    QCOMPARE(w.TestoGiornoScadenza->accessibleName(), QStringLiteral("Date of Expire DD"));
    QCOMPARE(w.TestoIndirizzo2->accessibleName(), QStringLiteral("Garage address 2"));
    QCOMPARE(w.TestoBitAnaScheda->accessibleName(), QStringLiteral("Bit Cpu LOW BEAM"));

    const QStringList expected =
        QStringLiteral(
            "ListaLingua TestoMarca TestoModello TestoNumOmologa TestoNumSerie "
            "TestoGiornoScadenza TestoMeseScadenza TestoAnnoScadenza ListaMisura ListaPannello "
            "ListaProtocollo TestoVersioneMctc TestoIndirizzoApp ListaTipoFaro TestoNomeOfficina "
            "TestoIndirizzo1 TestoIndirizzo2 TestoIndirizzo3 TestoIndirizzo4 ListaCom "
            "ChkPrnHfaroIncl TestoLuxAnaCampione TestoLuxAbbCampione CmdCalibraAbb CmdCalibraAna "
            "CmdInterrompiAbb TestoAbbConv TestoAnaConv CmdInterrompiAna TestoBitAbbScheda "
            "TestoBitAnaScheda CmdCalFoto CmdInterrompiFotodiodi CmdInvia TestoData TestoFileIni "
            "TestoVersioneScheda CmdInterrompiParametri TestoOffsetFotodiodi ChkEnFogReq "
            "ChkEnForzatura ChkEnPrecFaro")
            .split(u' ');
    QWidget *c = w.ListaLingua;
    for (qsizetype i = 1; i < expected.size(); ++i) {
        c = c->nextInFocusChain();
        while (!c->objectName().startsWith("Testo") && !c->objectName().startsWith("Lista") &&
               !c->objectName().startsWith("Chk") && !c->objectName().startsWith("Cmd"))
            c = c->nextInFocusChain();
        QCOMPARE(c->objectName(), expected[i]);
    }
}

// What the window shows while the password dialog waits; closing the dialog
// then ends the program without a word to the tester.
void TestWindow::startUpStateBeforeThePassword()
{
    Harness h;
    FrmOrva &w = h.create();
    bool looked = false;
    QTimer::singleShot(0, &w, [&] {
        const auto close = qScopeGuard([&w] { w.password()->close(); });
        QVERIFY(w.isVisible() && !w.SSTab1->isEnabled());
        QVERIFY(w.password()->isVisible() && w.password()->isEnabled() && w.password()->isModal() &&
                w.password()->parentWidget() == &w);
        QCOMPARE(w.ListaTipoFaro->count(), 2);
        QCOMPARE(w.ListaTipoFaro->currentText(), QStringLiteral("LEFT-HAND DRIVE"));
        QCOMPARE(w.ListaTipoFaro->itemText(1), QStringLiteral("RIGHT-HAND DRIVE"));
        QCOMPARE(w.ListaCom->currentText(), QStringLiteral("Com1 :2400,8,n,1"));
        QVERIFY(w.link().isOpen());
        const QString date = w.TestoData->text();
        static const QRegularExpression format(
            QStringLiteral(R"(^\d\d\D\d\d\D\d{4} \d\d:\d\d:\d\d$)"));
        QVERIFY2(format.match(date).hasMatch(), qPrintable(date));
        QCOMPARE(date.mid(6, 4), QString::number(QDate::currentDate().year()));
        looked = true;
    });
    w.startUp();
    QVERIFY(looked);
    QCOMPARE(h.endedWith, 0);
    QVERIFY(!w.session().parametersLoaded);
    QVERIFY(h.sim.frames().isEmpty());
    QVERIFY(!w.link().isOpen());
}

void TestWindow::portScanKeepsUsablePortsOnly()
{
    Harness h;
    TesterSimulator other;
    QVERIFY(other.start());
    QSerialPort holder(other.devicePath()); // another program holds this one
    QVERIFY(holder.open(QIODevice::ReadWrite));
    FrmOrva &w = h.create({"/dev/nonexistent-orva", other.devicePath(), h.sim.devicePath()});
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    w.startUp();
    QStringList entries;
    for (int i = 0; i < w.ListaCom->count(); ++i)
        entries << w.ListaCom->itemText(i);
    QCOMPARE(entries, QStringList{"Com3 :2400,8,n,1"});
    QCOMPARE(w.ListaCom->itemData(0, Qt::ToolTipRole).toString().left(h.sim.devicePath().size()),
             h.sim.devicePath());
    QCOMPARE(h.sim.frames().size(), 0);
    QVERIFY(h.prompts.shown.isEmpty());
}

void TestWindow::noUsablePortEndsWithTheReport()
{
    Harness h;
    FrmOrva &w = h.create({"/dev/nonexistent-orva"});
    w.startUp();
    QCOMPARE(w.ListaCom->count(), 0);
    QCOMPARE(h.endedWith, 1);
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].kind, QStringLiteral("critical"));
    QCOMPARE(h.prompts.shown[0].title, QStringLiteral("Error not handled"));
    QVERIFY(h.prompts.shown[0].text.startsWith(QStringLiteral("Error n°380\r\nDescription : ")));
    QVERIFY(h.prompts.shown[0].text.contains(QStringLiteral("dialout")));
    QVERIFY(!w.password()->isVisible());
}

void TestWindow::closingDuringAWaitEndsCleanly()
{
    Harness h;
    h.sim.setPowered(false); // the load waits for the tester
    h.create();
    h.shortLimits();
    h.whenFrames(0x01, 2, [&] { h.window->close(); });
    QVERIFY(!h.start(QStringLiteral("52917"), 10000));
    QVERIFY(!h.timedOut); // the close ended the wait, not the deadline
    QCOMPARE(h.endedWith, 0);
    QVERIFY(!h.window->link().isOpen());
    QVERIFY(h.prompts.shown.isEmpty());
}

// The password typed and Enter pressed; then a list the level keeps closed
// takes neither keys nor clicks, nor does a closed field.
void TestWindow::passwordByKeysAndALockedList()
{
    Harness h;
    FrmOrva &w = h.create();
    QCOMPARE(w.password()->TestoPassword->echoMode(), QLineEdit::Password);
    QVERIFY(w.password()->CmdOk->isDefault()); // Enter presses it from any field
    QTimer::singleShot(0, &w, [&w] {
        QTest::keyClicks(w.password()->TestoPassword, "27754");
        QTest::keyClick(w.password()->TestoPassword, Qt::Key_Return);
    });
    QTimer::singleShot(10000, &w, [&w] { w.close(); });
    w.startUp();
    QVERIFY(w.session().parametersLoaded);
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("  (PW = tecnico)")));
    w.activateWindow();
    w.ListaLingua->setFocus();
    QTest::keyClick(w.ListaLingua, Qt::Key_Down);
    QTest::mouseClick(w.ListaLingua, Qt::LeftButton);
    QCOMPARE(w.ListaLingua->currentIndex(), 0);
    QVERIFY(w.ListaLingua->hasFocus());
    w.TestoMarca->setFocus();
    QTest::keyClicks(w.TestoMarca, "XYZ");
    QCOMPARE(w.TestoMarca->text(), QStringLiteral("ORVA      "));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
