// The window and the command-line tool in the user's language, chosen from the
// system locale as the programs start.
#include "CliRun.h"
#include "Harness.h"
#include "base/Translations.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void windowSpeaksTheSystemLanguage();
    void cliSpeaksTheSystemLanguage_data();
    void cliSpeaksTheSystemLanguage();
};

void TestTranslation::windowSpeaksTheSystemLanguage()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    QCOMPARE(w.CmdInvia->text(), QStringLiteral("Invia parametri al centrafari !"));
    QVERIFY2(w.windowTitle().endsWith(QStringLiteral("  (PW = Amministratore)")),
             qPrintable(w.windowTitle()));
    QCOMPARE(w.SSTab1->tabText(1), QStringLiteral("Calibrazione luce ..."));
    // A message of the core: a send that finds no tester.
    h.shortLimits();
    h.sim.setPowered(false);
    h.prompts.onShown = [&] { h.sim.setPowered(true); };
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    QVERIFY(!h.prompts.shown.isEmpty());
    QCOMPARE(h.prompts.shown.first().title, QStringLiteral("Connessione ORVA ..."));
}

void TestTranslation::cliSpeaksTheSystemLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("Italian") << "it_IT.UTF-8" << QStringList{"frobnicate"}
                             << "comando sconosciuto frobnicate";
    // German by its language alone.
    QTest::newRow("Swiss German") << "de_CH.UTF-8" << QStringList{"frobnicate"}
                                  << "unbekannter Befehl frobnicate";
    QTest::newRow("a language not shipped")
        << "fr_FR.UTF-8" << QStringList{"frobnicate"} << "unknown command frobnicate";
    QTest::newRow("Italian, a Qt text")
        << "it_IT.UTF-8" << QStringList{"read", "--bogus"} << "Opzione sconosciuta 'bogus'";
}

void TestTranslation::cliSpeaksTheSystemLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    CliRun cli;
    cli.language = lang;
    const CliResult r = cli.run(args);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
}

int main(int argc, char *argv[])
{
    // As a user's session would start the program.
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    qputenv("LANG", "it_IT.UTF-8");
    QApplication app(argc, argv);
    Translations::install(app);
    TestTranslation test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translation.moc"
