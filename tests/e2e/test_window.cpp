#include "FrmPassword.h"
#include "Harness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSerialPort>
#include <QStatusBar>
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
    void windowsAndCaptions();
    void startUpStateBeforeThePassword();
    void portScanKeepsUsablePortsOnly();
    void noUsablePortEndsWithTheReport();
    void closingDuringAWaitEndsCleanly();
    void closingThePasswordDialogEndsTheProgram();
    void lockedListKeepsItsSelection();
    void enterInThePasswordBoxPressesOk();
    void standaloneSimulatorPathWorksAsAPort();
};

void TestWindow::controlsAtCreation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("state");
    // state: L locked, D disabled, H hidden, C checked
    const char *rows[][6] = {
        {"Text19", "caption", "Firmware Version", "", "0", "L"},
        {"TestoVersioneScheda", "text", "", "", "0", "L"},
        {"TestoFileIni", "text", "", "", "0", "L"},
        {"Text5", "caption", "Language", "", "0", "L"},
        {"ListaLingua", "list", "Scegli la Lingua", "", "0", "L"},
        {"Text10", "caption", "Unit of Light", "", "0", "L"},
        {"ListaMisura", "list", "", "", "0", "L"},
        {"Text6", "caption", "Manufacter", "", "0", "L"},
        {"TestoMarca", "text", "", "10", "0", "L"},
        {"Text11", "caption", "Type of Panel", "", "0", "L"},
        {"ListaPannello", "list", "", "", "0", "L"},
        {"Text7", "caption", "Model", "", "0", "L"},
        {"TestoModello", "text", "", "20", "0", "L"},
        {"Text12", "caption", "Protocol RS232", "", "0", "L"},
        {"ListaProtocollo", "list", "", "", "0", "L"},
        {"Text8", "caption", "Homologation N.", "", "0", "L"},
        {"TestoNumOmologa", "text", "", "24", "0", "L"},
        {"Text15", "caption", "MCTC-NET Version", "", "0", "L"},
        {"TestoVersioneMctc", "text", "", "3", "0", "L"},
        {"Text24", "caption", "Type of Lamp", "", "0", "L"},
        {"Text9", "caption", "Serial Number", "", "0", "L"},
        {"TestoNumSerie", "text", "", "20", "0", "L"},
        {"Text14", "caption", "Equipment Address", "", "0", "L"},
        {"TestoIndirizzoApp", "text", "", "2", "0", "L"},
        {"ListaTipoFaro", "list", "Scegli la Lingua", "", "0", "L"},
        {"Text13", "caption", "Date of Expire", "", "0", "L"},
        {"TestoGiornoScadenza", "text", "01", "2", "0", "L"},
        {"Text16", "caption", "DD", "", "0", "L"},
        {"TestoMeseScadenza", "text", "01", "2", "0", "L"},
        {"Text17", "caption", "MM", "", "0", "L"},
        {"TestoAnnoScadenza", "text", "2003", "4", "0", "L"},
        {"Text18", "caption", "YYYY", "", "0", "L"},
        {"Text21", "caption", "", "", "0", "L"},
        {"TestoData", "text", "", "", "0", "L"},
        {"ChkEnFogReq", "check", "enable FOG test request", "", "0", "D"},
        {"ChkEnForzatura", "check", "enable good test forcing", "", "0", "D"},
        {"ChkEnPrecFaro", "check", "enable previous headlight test", "", "0", "D"},
        {"Text25", "caption", "Garage Name", "", "0", "L"},
        {"TestoNomeOfficina", "text", "", "24", "0", "L"},
        {"Text26", "caption", "Garage address", "", "0", "L"},
        {"TestoIndirizzo1", "text", "", "24", "0", "L"},
        {"TestoIndirizzo2", "text", "", "24", "0", "L"},
        {"TestoIndirizzo3", "text", "", "24", "0", "L"},
        {"TestoIndirizzo4", "text", "", "24", "0", "L"},
        {"ChkPrnHfaroIncl", "check", "Print HEIGHT BEAM and INCLINATION", "", "0", "DC"},
        {"CmdInvia", "button", "Send Parameters to Equipment !", "", "0", "DH"},
        {"CmdInterrompiParametri", "button", "Abort", "", "0", "H"},
        {"Text20", "caption", "Port Com", "", "0", "L"},
        {"ListaCom", "list", "Seleziona COM", "", "0", "L"},
        {"Label1", "label", "Exit : ALT + F4", "", "0", ""},
        {"Label3", "label", "Versione Firmware", "", "0", ""},
        {"Text3", "caption", "Lux Calibrator LOW BEAM", "", "1", "L"},
        {"TestoLuxAnaCampione", "text", "29", "4", "1", "L"},
        {"CmdCalibraAna", "button", "Calibrate Low Beam", "", "1", "D"},
        {"CmdInterrompiAna", "button", "Abort", "", "1", "H"},
        {"Text2", "caption", "Bit Cpu LOW BEAM", "", "1", "L"},
        {"TestoBitAnaScheda", "text", "0", "", "1", "L"},
        {"Text22", "caption", "Bit / Lux LoW BEAM", "", "1", "L"},
        {"TestoAnaConv", "text", "0", "", "1", "L"},
        {"Text4", "caption", "Lux Calibrator HIGH BEAM", "", "1", "L"},
        {"TestoLuxAbbCampione", "text", "77", "4", "1", "L"},
        {"CmdCalibraAbb", "button", "Calibrate High Beam", "", "1", "D"},
        {"CmdInterrompiAbb", "button", "Abort", "", "1", "H"},
        {"Text1", "caption", "Bit Cpu HIGH BEAM", "", "1", "L"},
        {"TestoBitAbbScheda", "text", "0", "", "1", "L"},
        {"Text23", "caption", "Bit / Lux HIGH BEAM", "", "1", "L"},
        {"TestoAbbConv", "text", "0", "", "1", "L"},
        {"TestoOffsetFotodiodi", "multiline", "", "", "1", "D"},
        {"CmdCalFoto", "button", "Calibrate Photodiode ...", "", "1", "D"},
        {"CmdInterrompiFotodiodi", "button", "Abort", "", "1", "H"},
        {"Label2", "label", "Exit : ALT + F4", "", "1", ""},
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
        {"caption", "QLineEdit"},       {"text", "QLineEdit"},     {"list", "LockableComboBox"},
        {"check", "QCheckBox"},         {"button", "QPushButton"}, {"label", "QLabel"},
        {"multiline", "QPlainTextEdit"}};
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

void TestWindow::windowsAndCaptions()
{
    Harness h;
    FrmOrva &w = h.create();
    QCOMPARE(w.windowTitle(), QStringLiteral("Setting Parameters ORVA  ver. "));
    QCOMPARE(w.size(), QSize(636, 571));
    QCOMPARE(w.SSTab1->count(), 3);
    QCOMPARE(w.SSTab1->tabText(0), QStringLiteral("Setting Parameter ..."));
    QCOMPARE(w.SSTab1->tabText(1), QStringLiteral("Setting light calibration ..."));
    QCOMPARE(w.SSTab1->tabText(2), QStringLiteral("Service history"));
    QCOMPARE(w.SSTab1->currentIndex(), 0);
    QCOMPARE(w.Frame2->title(), QStringLiteral("Calibration General Equipment Parameters"));
    QCOMPARE(w.Frame3->title(), QStringLiteral("Printing Options"));
    QCOMPARE(w.Frame1->title(),
             QStringLiteral("Calibrate Photodiode Light at battery voltage of 13,8 V :"));
    FrmPassword *p = w.password();
    QCOMPARE(p->windowTitle(), QStringLiteral("Enable Setting General Equipment Parameters"));
    QCOMPARE(p->size(), QSize(378, 107));
    QCOMPARE(p->lblTipText->text(), QStringLiteral("Enter password :"));
    QCOMPARE(p->TestoPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(p->TestoPassword->maxLength(), 32767);
    QCOMPARE(p->CmdOk->text(), QStringLiteral("OK"));
    QVERIFY(p->CmdOk->isDefault());
}

void TestWindow::startUpStateBeforeThePassword()
{
    Harness h;
    FrmOrva &w = h.create();
    bool looked = false;
    // What the window shows while the password dialog waits.
    QTimer::singleShot(0, &w, [&] {
        const auto close = qScopeGuard([&w] { w.close(); });
        QCOMPARE(w.windowTitle(), QStringLiteral("Setting Parameters ORVA  ver. 2.03"));
        QVERIFY(w.isVisible() && !w.SSTab1->isEnabled());
        QVERIFY(w.password()->isVisible() && w.password()->isEnabled() && w.password()->isModal() &&
                w.password()->parentWidget() == &w);
        QCOMPARE(w.session().parameterFilePath, h.path("ORVA_100.ini"));
        QCOMPARE(w.ListaTipoFaro->count(), 2);
        QCOMPARE(w.ListaTipoFaro->currentText(), QStringLiteral("LEFT-HAND DRIVE"));
        QCOMPARE(w.ListaTipoFaro->itemText(1), QStringLiteral("RIGHT-HAND DRIVE"));
        QCOMPARE(w.ListaCom->currentText(), QStringLiteral("Com1 :2400,8,n,1"));
        QVERIFY(w.link().isOpen());
        QCOMPARE(w.TestoMarca->text(), QString(10, u' '));
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

void TestWindow::closingThePasswordDialogEndsTheProgram()
{
    Harness h;
    FrmOrva &w = h.create();
    QTimer::singleShot(0, &w, [&w] { w.password()->close(); });
    w.startUp();
    QCOMPARE(h.endedWith, 0);
    QVERIFY(!w.session().parametersLoaded);
    QVERIFY(h.sim.frames().isEmpty());
}

void TestWindow::lockedListKeepsItsSelection()
{
    Harness h;
    QVERIFY(h.start(QStringLiteral("27754"))); // the technician may not change the language
    FrmOrva &w = *h.window;
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

void TestWindow::enterInThePasswordBoxPressesOk()
{
    Harness h;
    FrmOrva &w = h.create();
    QTimer::singleShot(0, &w, [&w] {
        QTest::keyClicks(w.password()->TestoPassword, "40368");
        QTest::keyClick(w.password()->TestoPassword, Qt::Key_Return);
    });
    QTimer::singleShot(10000, &w, [&w] { w.close(); });
    w.startUp();
    QVERIFY(w.session().parametersLoaded);
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("  (PW = rivenditore)")));
    QCOMPARE(w.password()->TestoPassword->text(), QStringLiteral("40368"));
}

void TestWindow::standaloneSimulatorPathWorksAsAPort()
{
    QProcess sim;
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/orva-sim"), {});
    QVERIFY(sim.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QVERIFY2(device.startsWith(QStringLiteral("/dev/")), qPrintable(device));
    Harness h;
    QVERIFY(h.start(QStringLiteral("52917"), 20000, {device}));
    QCOMPARE(h.window->TestoVersioneScheda->text(), QStringLiteral("ORVA ver. 1.00"));
    h.window->close();
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
