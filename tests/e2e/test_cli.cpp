#include "CliRun.h"
#include "Harness.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// Its waits for a tester that does not answer short (the program's own: test_link).
struct Cli : CliRun
{
    Cli() { shortLimits(); }
};

namespace {

QString sourceText(const char *path)
{
    QFile f(QStringLiteral(ORVA_DATA_DIR "/../") + QLatin1String(path));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A paragraph of a manual page's section: the line that starts with *word*
// and the indented lines under it.
QString manParagraph(const QString &page, const QString &section, const QString &word)
{
    const QString text = page.section(QStringLiteral("\n# ") + section + u'\n', 1)
                             .section(QStringLiteral("\n# "), 0, 0);
    QString paragraph;
    for (const QString &line : text.split(u'\n')) {
        if (!paragraph.isEmpty() && !line.startsWith(u'\t'))
            break;
        if (!paragraph.isEmpty() || line.startsWith(u'*' + word + u'*'))
            paragraph += line + u'\n';
    }
    return paragraph;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void verifyCatchesAByteNotStored();
    void fileLineThatCannotBeSentFailsTheWrite();
    void conventions_data();
    void conventions();
    void historyLinesAndStoredWords();
    void windowTakesTheSettingsLimits();
    void passwordPromptGivesEchoBack_data();
    void passwordPromptGivesEchoBack();
    void documentationNamesEveryOption_data();
    void documentationNamesEveryOption();
};

void TestCli::verifyCatchesAByteNotStored()
{
    Cli cli;
    const QString file =
        cli.document(Cli::with(cli.read(), QStringLiteral("manufacturer"), "ACME"));
    cli.sim.dropWriteAt(0x0011);
    const CliResult r = cli.run({"write", "--in", file}, "52917\n");
    QCOMPARE(r.status, 6);
    QVERIFY2(r.err.contains(
                 QStringLiteral("parame_marcaa at address 0011h: sent 43h, the tester holds 52h")),
             qPrintable(r.err));
    // Without the read-back the same fault goes unnoticed: that is what verify is for.
    QCOMPARE(cli.run({"write", "--in", file, "--no-verify"}, "52917\n").status, 0);
}

// The rest is written, as the window does, but the exit status does not say
// the tester holds the whole document.
void TestCli::fileLineThatCannotBeSentFailsTheWrite()
{
    Cli cli;
    const QString doc = cli.document(Cli::with(cli.read(), QStringLiteral("garageName"), "NEW"));
    QTemporaryDir folder; // orva-cli reads the parameter files beside it
    cli.executable = folder.filePath(QStringLiteral("orva-cli"));
    QVERIFY(QFile::copy(Cli::program(), cli.executable));
    for (const QString &name : QDir(QStringLiteral(ORVA_DATA_DIR)).entryList({"*.ini"})) {
        QFile from(QStringLiteral(ORVA_DATA_DIR "/") + name), to(folder.filePath(name));
        QVERIFY(from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly));
        QByteArray text = from.readAll();
        to.write(name == QLatin1String("ORVA_100.ini") ? text.replace("//1,", "//x1,") : text);
    }
    QByteArray expected = cli.sim.memory();
    expected.replace(0xA0, 24, QByteArray("NEW").leftJustified(24, ' '));
    const CliResult r = cli.run({"write", "--in", doc}, "52917\n");
    QCOMPARE(r.status, 8);
    QVERIFY2(r.err.contains(QStringLiteral("These lines of the parameter file were not sent:")) &&
                 r.err.contains(QStringLiteral("0230")),
             qPrintable(r.err));
    QCOMPARE(cli.sim.memory().toHex(), expected.toHex()); // 0230h as it was
    // The entry says the same: the change made, the line not sent, and an
    // "after" that is what a read finds.
    const QJsonObject entry = cli.history().at(0).toObject();
    QCOMPARE(entry.value("changes").toArray(),
             QJsonArray{QStringLiteral("garageName: AUTOFFICINA ROSSI -> NEW")});
    QVERIFY2(entry.value("detail").toString().contains(
                 QStringLiteral("parameter file lines not sent at 0230h")),
             qPrintable(entry.value("detail").toString()));
    QCOMPARE(cli.entry(entry.value("id").toInteger()).value("after").toObject().value("fields"),
             cli.read().value("fields"));
}

void TestCli::conventions_data()
{
    // %IN%: a document read from the tester; %OFF%: the tester switched off.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("says");
    const auto row = [](const char *name, const QStringList &args, int status, const char *out,
                        const char *says) {
        QTest::newRow(name) << args << status << QString::fromUtf8(out) << QString::fromUtf8(says);
    };
    row("no tester", {"%OFF%", "read", "--timeout", "1"}, 3, "", "no tester answered");
    row("port cannot open", {"read", "--port", "/dev/nonexistent-orva"}, 4, "", "does not exist");
    row("input file missing", {"write", "--in", "/nonexistent.json"}, 7, "", "cannot read");
    row("not a document", {"write", "--in", ORVA_DATA_DIR "/ORVA_100.ini"}, 7, "",
        "not a parameter document");
    row("unknown option", {"read", "--bogus"}, 2, "", "bogus");
    row("missing value", {"read", "--port"}, 2, "", "--help");
    row("unknown command", {"frobnicate"}, 2, "", "unknown command frobnicate");
    row("option before the command", {"--yes"}, 2, "", "name a command");
    row("no seconds", {"read", "--timeout", "0"}, 2, "", "--timeout");
    row("lux 0", {"calibrate", "--beam", "low", "--lux", "0"}, 2, "", "--lux");
    row("calibration without --yes", {"calibrate", "--beam", "high", "--lux", "35"}, 0,
        "reading 16170, factor 462, not written (add --yes to write it)", "");
    row("calibration, a password of no level",
        {"%NOLEVEL%", "calibrate", "--beam", "high", "--lux", "35"}, 5, "", "");
    row("lux 1", {"calibrate", "--beam", "low", "--lux", "1"}, 0, "not written", "");
    row("lux 9999", {"calibrate", "--beam", "low", "--lux", "9999"}, 0, "not written", "");
    row("lux 10000", {"calibrate", "--beam", "low", "--lux", "10000"}, 2, "", "--lux");
    row("help", {"--help"}, 0, "Exit status:", "");
    for (const char *command :
         {"ports", "read", "write", "calibrate", "restore", "history", "report"})
        QTest::addRow("%s --help", command) << QStringList{command, "--help"} << 0
                                            << QStringLiteral("Usage: orva-cli ") + command << "";
    row("document on /dev/stdout", {"read", "--out", "/dev/stdout"}, 0, "\"fields\"", "");
    row("disk full", {"read", "--out", "/dev/full"}, 10, "", "cannot write /dev/full");
    row("folder not writable", {"read", "--out", "/proc/orva.json"}, 10, "",
        "cannot write /proc/orva.json");
    row("trace over its input", {"write", "--in", "%IN%", "--trace", "%IN%"}, 2, "",
        "--trace names the file --in reads");
    row("trace over a hard link of its input", {"write", "--in", "%IN%", "--trace", "%LINK%"}, 2,
        "", "--trace names the file --in reads");
    row("read with a trace", {"read", "--trace", "%HOME%/line.log"}, 0, "\"fields\"", "");
    row("no command", {}, 2, "", "Usage: orva-cli COMMAND");
    row("timeout past a day", {"read", "--timeout", "4294968"}, 2, "",
        "--timeout takes a whole number of seconds from 1");
    row("a day's timeout", {"read", "--timeout", "86400"}, 0, "\"fields\"", "");
    row("document without fields", {"write", "--in", "%NOFIELDS%"}, 7, "", "no \"fields\" object");
    row("another tester's document", {"write", "--in", "%OTHER%"}, 7, "", "--other-tester");
    row("another tester's document on purpose", {"write", "--in", "%OTHER%", "--other-tester"}, 0,
        "", "");
    for (const char *url : {"postgresq://orva@127.0.0.1/orva", "http://example/history",
                            "postgresql://orva@127.0.0.1:99999/orva", "postgresql:///orva"})
        QTest::addRow("history URL %s", url) << QStringList{"history", "--history", url} << 2 << ""
                                             << "accepted forms";
    row("history scheme in capitals", {"read", "--history", "SQLite:%HOME%/h.sqlite"}, 0,
        "\"fields\"", "");
    row("history that does not exist", {"history", "--history", "%HOME%/none/history.sqlite"}, 9,
        "", "does not exist");
    row("report of a history that does not exist",
        {"report", "--entry", "1", "--out", "%HOME%/r.pdf", "--history",
         "%HOME%/none/history.sqlite"},
        9, "", "does not exist");
    row("trace on a full disk", {"read", "--trace", "/dev/full"}, 10, "\"fields\"",
        "/dev/full could not be written");
    row("--limit 0", {"history", "--limit", "0"}, 2, "", "--limit");
    row("--since no day", {"history", "--since", "2026-02-30"}, 2, "", "--since");
    row("--since after --until", {"history", "--since", "2026-03-02", "--until", "2026-03-01"}, 2,
        "", "--since");
    row("--kind unknown", {"history", "--kind", "write"}, 2, "", "--kind");
    row("--outcome unknown", {"history", "--outcome", "ok"}, 2, "", "--outcome");
    row("--due-within negative", {"testers", "--due-within", "-1"}, 2, "", "--due-within");
    row("--json and --csv", {"testers", "--json", "--csv"}, 2, "", "--csv");
    // %LIMIT%key=value: a line of the settings file's [limits].
    row("reply limit not a number", {"%LIMIT%replyMs=2 s", "read"}, 7, "",
        "[limits] replyMs=2 s: write a number of milliseconds from 100 to 600000");
    row("quiet shorter than a reply takes", {"%LIMIT%quietMs=99", "read"}, 7, "", "quietMs=99");
    row("thousands with a comma", {"%LIMIT%replyMs=1,000", "read"}, 7, "", "replyMs=1,000:");
    row("history lock past ten minutes", {"%LIMIT%historyLockMs=600001", "write", "--in", "%IN%"},
        9, "", "historyLockMs=600001");
    row("a limit the settings give",
        {"%OFF%", "%LIMIT%connectionMs=450", "read", "--trace", "%HOME%/line.log", "--timeout",
         "1"},
        3, "", "no tester answered");
}

// Each failure has its own exit status; usage errors exit 2 with a one-line
// hint, each command has its help, documents go where --out says.
void TestCli::conventions()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, says);
    Cli cli;
    cli.sim.setPowered(args.removeAll(QStringLiteral("%OFF%")) == 0);
    const QByteArray password = args.removeAll(QStringLiteral("%NOLEVEL%")) ? "12345\n" : "52917\n";
    const QString limit = args.filter(QStringLiteral("%LIMIT%")).value(0).mid(7);
    if (!limit.isEmpty())
        args.removeFirst();
    QByteArray input;
    args.replaceInStrings(QStringLiteral("%HOME%"), cli.home.path());
    if (args.contains(QStringLiteral("%NOFIELDS%")))
        args.replaceInStrings(QStringLiteral("%NOFIELDS%"),
                              cli.document(QJsonObject{{"format", 1}, {"fields", QJsonArray{}}}));
    if (args.contains(QStringLiteral("%OTHER%"))) {
        QJsonObject other = Cli::with(cli.read(), QStringLiteral("serialNumber"), "SN99-000001");
        other = Cli::with(other, QStringLiteral("garageName"), "FROM ELSEWHERE");
        args.replaceInStrings(QStringLiteral("%OTHER%"), cli.document(other));
    }
    if (args.contains(QStringLiteral("%IN%"))) {
        const QString in = cli.document(cli.read());
        QFile f(in);
        QVERIFY(f.open(QIODevice::ReadOnly));
        input = f.readAll();
        args.replaceInStrings(QStringLiteral("%IN%"), in);
        const QString link = cli.home.filePath(QStringLiteral("link.json"));
        QVERIFY(::link(QFile::encodeName(in).constData(), QFile::encodeName(link).constData()) ==
                0);
        args.replaceInStrings(QStringLiteral("%LINK%"), link);
    }
    if (!limit.isEmpty()) {
        // A comma unquoted, as typed by hand: the file holds a list.
        const QString value = limit.section(u'=', 1);
        QSettings(cli.settingsFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("limits/") + limit.section(u'=', 0, 0),
                      value.contains(u',') ? QVariant(value.split(u',')) : QVariant(value));
        cli.sim.clearFrames();
    }
    const CliResult r = cli.run(args, password);
    QCOMPARE(r.status, status);
    QVERIFY2(QString::fromUtf8(r.out).contains(out), r.out.left(300).constData());
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QVERIFY2(!r.err.contains(QStringLiteral("QCommandLineParser")), qPrintable(r.err));
    if (status == 2 && !args.isEmpty()) {
        QCOMPARE(r.err.count(u'\n'), 1); // one line
        QVERIFY(r.out.isEmpty());
    }
    if (r.out.contains("not written"))
        QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
    if (args.contains(QStringLiteral("--other-tester")))
        QCOMPARE(cli.sim.memory().mid(0xA0, 14), QByteArray("FROM ELSEWHERE"));
    if (says == QLatin1String("does not exist"))
        QVERIFY(!QFile::exists(cli.home.filePath(QStringLiteral("none"))));
    if (!limit.isEmpty() && status != 3) // refused before the port opens
        QVERIFY(cli.sim.frames().isEmpty());
    if (!limit.isEmpty() && status == 3) {
        QFile trace(cli.home.filePath(QStringLiteral("line.log")));
        QVERIFY(trace.open(QIODevice::ReadOnly));
        QVERIFY(trace.readAll().contains("no answer to the connection check within 450 ms"));
    }
    if (!input.isEmpty()) {
        QFile f(args.at(2));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), input);
        QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
    }
}

// The window reads the same [limits]; one it cannot use is said at start,
// and the program's own is kept.
void TestCli::windowTakesTheSettingsLimits()
{
    Cli cli;
    const QByteArray home = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", home); });
    for (const QString &reply : {QStringLiteral("650"), QStringLiteral("2 s")}) {
        QSettings(cli.settingsFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("limits/replyMs"), reply);
        cli.shareSettingsWithWindows();
        Harness h;
        QVERIFY(h.start(QStringLiteral("52917"), 20000, {cli.sim.devicePath()}));
        const bool usable = reply == QLatin1String("650");
        QCOMPARE(h.window->tester().link().limits.readMs, usable ? 650 : 2000);
        QCOMPARE(h.window->tester().link().limits.connectionMs, usable ? 300 : 1000);
        QCOMPARE(h.prompts.shown.size(), usable ? 0 : 1);
        if (!usable)
            QVERIFY2(h.prompts.shown[0].text.contains(QStringLiteral("[limits] replyMs=2 s")),
                     qPrintable(h.prompts.shown[0].text));
    }
}

// Whatever a tester holds, a history line is one line of six columns; and
// what scripts read and the history stores is English in any language.
void TestCli::historyLinesAndStoredWords()
{
    Cli cli;
    cli.language = QStringLiteral("it_IT.UTF-8");
    cli.sim.setReading(9, 7700);
    const QJsonObject read = cli.read();
    QCOMPARE(read.value("fields").toObject().value("lampType").toObject().value("item").toString(),
             QStringLiteral("LEFT-HAND DRIVE"));
    const CliResult calibrated =
        cli.run({"calibrate", "--beam", "high", "--lux", "35", "--yes"}, "27754\n");
    QCOMPARE(calibrated.status, 0);
    QCOMPARE(QString::fromUtf8(calibrated.out).trimmed(),
             QStringLiteral("reading 7700, factor 220, written to the tester"));
    cli.sim.memory()[0xA3] = '\t'; // the tester's own garage name holds a tab
    const QString doc = cli.document(Cli::with(cli.read(), QStringLiteral("garageName"), "NEW"));
    QCOMPARE(cli.run({"write", "--in", doc}, "52917\n").status, 0);
    const CliResult listed = cli.run({"history"});
    QCOMPARE(listed.status, 0);
    QVERIFY(listed.out.endsWith('\n'));
    const QList<QByteArray> lines = listed.out.chopped(1).split('\n');
    QCOMPARE(lines.size(), 6); // four reads, the calibration and the write
    for (const QByteArray &line : lines)
        QVERIFY2(line.count('\t') == 5, line.constData());
    QVERIFY2(lines.first().contains("garageName: AUT\\tFFICINA ROSSI -> NEW"),
             lines.first().constData());
    for (const QJsonValue &e : cli.history()) {
        QVERIFY(e.toObject().value("detail").toString().isEmpty());
        QCOMPARE(e.toObject().value("outcome").toString(), QStringLiteral("done"));
    }
}

void TestCli::passwordPromptGivesEchoBack_data()
{
    QTest::addColumn<int>("signal"); // 0: the password is typed
    QTest::newRow("password typed") << 0;
    QTest::newRow("Ctrl+C") << int(SIGINT);
    QTest::newRow("terminated") << int(SIGTERM);
    QTest::newRow("hung up") << int(SIGHUP);
}

// The prompt turns echo off on the user's terminal; however the program ends,
// the terminal gets it back.
void TestCli::passwordPromptGivesEchoBack()
{
    QFETCH(int, signal);
    Cli cli;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const auto closeMaster = qScopeGuard([master] { ::close(master); });
    const QString slavePath = QString::fromLatin1(::ptsname(master));
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    QVERIFY(slave >= 0);
    const auto closeSlave = qScopeGuard([slave] { ::close(slave); });
    const auto echoing = [slave] {
        termios t{};
        ::tcgetattr(slave, &t);
        return (t.c_lflag & ECHO) != 0;
    };
    QVERIFY(echoing());

    QProcess p;
    p.setStandardInputFile(slavePath);
    p.start(Cli::program(),
            {"write", "--port", cli.sim.devicePath(), "--in", cli.document(cli.read())});
    QTRY_VERIFY_WITH_TIMEOUT(!echoing(), 10000);
    if (signal)
        ::kill(pid_t(p.processId()), signal);
    else
        QCOMPARE(::write(master, "12345\n", 6), 6);
    QVERIFY(p.waitForFinished(10000));
    QVERIFY(echoing());
    QCOMPARE(p.exitStatus() == QProcess::CrashExit, signal != 0);
}

void TestCli::documentationNamesEveryOption_data()
{
    QTest::addColumn<QStringList>("options"); // --name[=VALUE[=DEFAULT]]
    QTest::addColumn<QString>("synopsis");
    QProcess dump;
    dump.start(Cli::program(), {"--dump-commands"});
    QVERIFY(dump.waitForFinished(10000) && dump.exitCode() == 0);
    QStringList names;
    for (const QString &line : QString::fromUtf8(dump.readAllStandardOutput()).split(u'\n')) {
        const QStringList columns = line.split(u'\t');
        if (columns.size() == 3) {
            names.append(columns[0]);
            QTest::newRow(qPrintable(columns[0]))
                << columns[1].split(u' ', Qt::SkipEmptyParts) << columns[2];
        }
    }
    QVERIFY(!names.isEmpty());
}

// The completion and the manual page offer what orva-cli's table holds.
void TestCli::documentationNamesEveryOption()
{
    QFETCH(QStringList, options);
    QFETCH(QString, synopsis);
    const QString command = QString::fromLatin1(QTest::currentDataTag());
    const QString completion = sourceText("packaging/orva-cli.bash-completion");
    const QString man = sourceText("packaging/man/orva-cli.1.scd");
    QVERIFY(!completion.isEmpty() && !man.isEmpty());
    const QString paragraph = manParagraph(man, QStringLiteral("COMMANDS"), command);
    QVERIFY2(!paragraph.isEmpty(), "the manual page does not describe it");
    const QRegularExpression row(QStringLiteral("\\[%1\\]=\"([^\"]*)\"").arg(command));
    QStringList offered = row.match(completion).captured(1).split(u' ', Qt::SkipEmptyParts);
    QStringList names;
    for (const QString &option : options) {
        const QStringList parts = option.split(u'=');
        const QString name = parts[0];
        names.append(name);
        const QString general = manParagraph(man, QStringLiteral("OPTIONS"), name);
        QVERIFY2(paragraph.contains(u'*' + name + u'*') || !general.isEmpty(),
                 qPrintable(name + QStringLiteral(" is not in the manual page")));
        if (parts.size() > 2)
            QVERIFY2((paragraph + general).contains(QStringLiteral("(default %1)").arg(parts[2])),
                     qPrintable(name + QStringLiteral(": the manual page names another default")));
        // The completion completes the value of an option that takes one.
        QCOMPARE(completion.contains(u'[' + name + QStringLiteral("]=")), parts.size() > 1);
    }
    for (const QString &word : synopsis.split(u' '))
        if (word.startsWith(QStringLiteral("[--")) || word.startsWith(QStringLiteral("--")))
            QVERIFY2(names.contains(word.mid(word.indexOf(u'-')).remove(u']')),
                     qPrintable(word + QStringLiteral(" in the synopsis is no option")));
    offered.sort();
    names.sort();
    QCOMPARE(offered, names);
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
