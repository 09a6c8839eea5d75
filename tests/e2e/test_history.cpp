// The service history on both back ends as the programs use it: restores,
// listings, the register, and a history that cannot be written stopping writes.
// ORVA_PG_DIR names the folder of a server tests/support/pg-server started:
// then the history is on it, otherwise in an SQLite file.
#include "CliRun.h"
#include "Harness.h"
#include "HistoryPage.h"
#include "OtherProgram.h"
#include "ScriptedPrompts.h"
#include "TestServer.h"
#include "TestersDialog.h"
#include "base/SettingsFile.h"
#include "history/HistorySchema.h"
#include "history/ServiceHistory.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <vector>

namespace {

bool postgres = false;
const QString pgPassword = TestServer::password();

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The command-line tool with its settings file naming a fresh, empty history
// (and the server's password).
struct Cli : CliRun
{
    const QString url = postgres ? TestServer::freshDatabase(QStringLiteral("history"))
                                 : home.filePath(QStringLiteral("history.sqlite"));
    Cli() { useHistory(url, pgPassword); }
    std::unique_ptr<ServiceHistory> open() const
    {
        auto h = ServiceHistory::open(*HistoryLocation::fromUrl(url, pgPassword));
        if (!h)
            qFatal("%s", qPrintable(h.error().description()));
        return std::move(h.value());
    }
};

const QByteArray Admin = "52917\n";
const QByteArray Technician = "27754\n";
const QStringList CalibrateHigh = {"calibrate", "--beam", "high", "--lux", "35", "--yes"};

// The history's database as a program of schema `version` left it, with
// what `fill` adds to it.
void oldHistory(const QString &url, int version, const std::function<void(QSqlQuery &)> &fill)
{
    {
        const auto location = HistoryLocation::fromUrl(url, pgPassword);
        QSqlDatabase db = QSqlDatabase::addDatabase(
            postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setHostName(location->host);
        db.setPort(location->port);
        db.setUserName(location->user);
        db.setPassword(pgPassword);
        db.setDatabaseName(postgres ? location->database : location->path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (int v = 1; v <= version; ++v)
            for (const QString &sql : HistorySchema::migration(v, postgres ? SqlDialect::PostgreSQL
                                                                           : SqlDialect::SQLite))
                QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        QVERIFY(q.exec(QStringLiteral("UPDATE schema_version SET version = %1").arg(version)));
        fill(q);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
}

qint64 idOf(const QJsonValue &entry)
{
    return entry.toObject().value("id").toInteger();
}

// The entry's "after" holds what a read of the tester finds, field by field.
void afterIsWhatTheTesterHolds(Cli &cli, qint64 id)
{
    const QJsonObject held = cli.read().value("fields").toObject();
    const QJsonObject after = cli.entry(id).value("after").toObject().value("fields").toObject();
    QVERIFY2(!held.isEmpty(), "the tester could not be read");
    for (auto it = held.begin(); it != held.end(); ++it)
        QVERIFY2(after.value(it.key()) == *it, qPrintable(it.key()));
}

// A visit recorded straight into the history: its "after" holds what the
// register and the listings read.
HistoryEntry visit(const QString &serial, const QDateTime &at, HistoryEntry::Kind kind,
                   const QString &outcome, const QStringList &expiry = {"31", "12", "2027"},
                   const QString &garage = QStringLiteral("AUTOFFICINA ROSSI"))
{
    HistoryEntry e;
    e.serial = serial;
    e.at = at.toUTC();
    e.model = QStringLiteral("HT-5000");
    e.firmware = QStringLiteral("1.00");
    e.level = AccessLevel::Dealer;
    e.program = QStringLiteral("orva-cli");
    e.kind = kind;
    e.outcome = HistoryEntry::endingFrom(outcome).value();
    QJsonObject fields{{"serialNumber", serial},
                       {"expiryDay", expiry.value(0)},
                       {"expiryMonth", expiry.value(1)},
                       {"expiryYear", expiry.value(2)},
                       {"garageName", garage},
                       {"garageAddress1", "VIA ROMA 12"},
                       {"garageAddress2", "TEL 02 1234567"},
                       {"garageAddress3", "20100 MILANO"},
                       {"lowBeamFactor", 345},
                       {"highBeamFactor", 210}};
    e.after = TesterState::fromDocument({{"format", 1}, {"fields", fields}});
    if (kind != HistoryEntry::Kind::Read) {
        fields.insert("garageName", QStringLiteral("OLD NAME"));
        e.before = TesterState::fromDocument({{"format", 1}, {"fields", fields}});
    }
    return e;
}

QJsonArray testersOf(Cli &cli, const QStringList &more = {})
{
    return QJsonDocument::fromJson(cli.run(QStringList{"testers", "--json"} + more).out).array();
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void restoreUndoesTheSecondOfTwoSends();
    void restoredCalibrationBringsTheOldFactorBack();
    void historyThatCannotBeWrittenStopsEveryWrite_data();
    void historyThatCannotBeWrittenStopsEveryWrite();
    void recordThatCannotBeFinishedIsSaid();
    void recordAgreesWithTheTester_data();
    void recordAgreesWithTheTester();
    void recordKeptLocallyIsFinishedLater_data();
    void recordKeptLocallyIsFinishedLater();
    void droppedServerSessionIsOpenedAgain();
    void reportOfAVisit();
    void oldBackupsAreImportedOnce();
    void listingFiltersAndPages_data();
    void listingFiltersAndPages();
    void listingThatCannotBeWrittenIsSaid();
    void upgradeFillsSummariesAndTheRegisterOnce();
    void registerDates_data();
    void registerDates();
    void registerFollowsTheNewestEntry();
    void registerAsCsv();
    void windowListsLazilyAndOpensTesters();
    void manyWritersLoseAndDuplicateNothing();
};

void TestHistory::initTestCase()
{
    // The window keeps a server history's copy in the data folder of its
    // home: one of this run's own.
    static QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    postgres = TestServer::running();
    if (postgres)
        qputenv("PGPASSWORD", pgPassword.toUtf8());
    QVERIFY2(!postgres || !TestServer::url().isEmpty(),
             "no test server: start tests/support/pg-server");
}

// A restore puts back the entry's "before"; an entry is restored to its own
// tester only, unless the user says otherwise, and one made before a
// photodiode calibration leaves the offsets as they are.
void TestHistory::restoreUndoesTheSecondOfTwoSends()
{
    Cli cli;
    const QByteArray loaded = cli.sim.memory();
    Harness h;
    h.create({cli.sim.devicePath()}, cli.url);
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    w.TestoMarca->setText(QStringLiteral("FIRST"));
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    const QByteArray between = cli.sim.memory();
    w.TestoNomeOfficina->setText(QStringLiteral("SECOND GARAGE"));
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    QVERIFY(h.prompts.shown.isEmpty());
    QVERIFY(cli.sim.memory() != between);
    w.close(); // frees the port

    const QJsonArray entries = cli.history();
    const QJsonObject second = entries.at(0).toObject();
    QCOMPARE(second.value("kind").toString(), QStringLiteral("send"));
    QCOMPARE(second.value("changes").toArray(),
             QJsonArray{QStringLiteral("garageName: AUTOFFICINA ROSSI -> SECOND GARAGE")});
    const CliResult restore = cli.run({"restore", QString::number(idOf(second))}, Admin);
    QCOMPARE(restore.status, 0);
    QCOMPARE(cli.sim.memory(), between);
    const QJsonObject restored = cli.history().at(0).toObject();
    QCOMPARE(restored.value("kind").toString(), QStringLiteral("restore"));
    QVERIFY2(
        restore.err.contains(QStringLiteral("recorded as history entry %1").arg(idOf(restored))),
        qPrintable(restore.err));

    cli.sim.memory()[0x130] = char(0x77);         // as a photodiode calibration would
    cli.sim.memory().replace(0x64, 7, "-999999"); // another tester on the same port
    const QByteArray other = cli.sim.memory();
    const QStringList first = {"restore", QString::number(idOf(entries.at(1)))};
    const CliResult refused = cli.run(first, Admin);
    QCOMPARE(refused.status, 7);
    QVERIFY(refused.err.contains(QStringLiteral("--other-tester")));
    QCOMPARE(cli.sim.memory(), other);
    QCOMPARE(cli.run(first + QStringList{"--other-tester"}, Admin).status, 0);
    QByteArray expected = loaded;
    expected[0x130] = char(0x77);
    QCOMPARE(cli.sim.memory().toHex(), expected.toHex());
}

// A technician may calibrate, so may put a factor back; a factor edited in
// the history file beyond what a tester holds is refused (32767 taken:
// test_session_records).
void TestHistory::restoredCalibrationBringsTheOldFactorBack()
{
    Cli cli;
    cli.sim.setReading(9, 7700);
    const QByteArray before = cli.sim.memory();
    QCOMPARE(cli.run(CalibrateHigh, Technician).status, 0);
    const QByteArray calibrated = cli.sim.memory();
    QCOMPARE(calibrated.mid(0x122, 2), QByteArray::fromHex("dc00"));
    const QJsonObject entry = cli.history().at(0).toObject();
    QCOMPARE(entry.value("kind").toString(), QStringLiteral("calibration"));
    const QStringList restore = {"restore", QString::number(idOf(entry))};
    QCOMPARE(cli.run(restore, Technician).status, 0);
    QCOMPARE(cli.sim.memory(), before);

    if (postgres)
        return; // the entry is edited in the SQLite file
    cli.sim.memory() = calibrated;
    {
        const OtherProgram other(cli.url);
        QSqlQuery q(other.db());
        // json_replace() leaves a document without the factor as it was.
        QVERIFY(q.exec(QStringLiteral("UPDATE entries SET before_doc = json_replace(before_doc, "
                                      "'$.fields.highBeamFactor', 32768) WHERE id = %1")
                           .arg(idOf(entry))));
    }
    QCOMPARE(cli.run(restore, Technician).status, 7);
    QCOMPARE(cli.sim.memory(), calibrated);
}

void TestHistory::historyThatCannotBeWrittenStopsEveryWrite_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("history"); // unusable, locked or full
    QTest::addColumn<QString>("said");
    const auto row = [](const char *name, const char *op, const char *history, const char *said) {
        QTest::newRow(name) << QString(op) << QString(history) << QString(said);
    };
    row("window", "window", "unusable", "Nothing was sent");
    row("command-line write", "write", "unusable", "--no-history");
    row("command-line calibration", "calibrate", "unusable", "--no-history");
    row("locked by another program", "write", "locked", "Nothing was");
    row("no room left", "write", "full", "Nothing was");
}

void TestHistory::historyThatCannotBeWrittenStopsEveryWrite()
{
    QFETCH(QString, operation);
    QFETCH(QString, history);
    QFETCH(QString, said);
    const bool unusable = history == QLatin1String("unusable");
    if (postgres && !unusable)
        QSKIP("a server that cannot be reached is the case above");
    Cli cli;
    cli.shortLimits();
    // No folder can be made under a file; no server listens on port 1.
    QFile blocker(cli.home.filePath(QStringLiteral("file")));
    blocker.open(QIODevice::WriteOnly);
    // A server out of reach does not stop work (test_sync): its copy is a file.
    const QString unusableUrl = blocker.fileName() + QStringLiteral("/history.sqlite");
    const QByteArray before = cli.sim.memory();
    if (operation == QLatin1String("window")) {
        Harness h;
        h.create({cli.sim.devicePath()}, unusableUrl);
        QVERIFY(h.start());
        h.window->TestoMarca->setText(QStringLiteral("EDITED"));
        cli.sim.clearFrames();
        QVERIFY(h.click(QStringLiteral("CmdInvia")));
        QCOMPARE(h.prompts.shown.size(), 1);
        QVERIFY2(h.prompts.shown[0].text.startsWith(said), qPrintable(h.prompts.shown[0].text));
        QVERIFY(h.prompts.shown[0].text.contains(blocker.fileName()));
        QCOMPARE(h.window->TestoMarca->text(), QStringLiteral("EDITED")); // the edit is kept
        QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
        QCOMPARE(cli.sim.memory(), before);
        return;
    }
    const bool write = operation == QLatin1String("write");
    cli.sim.setReading(9, 7700); // 7700 / 35 lux: factor 220 (dc 00h)
    const QStringList args =
        write ? QStringList{"write", "--in",
                            cli.document(CliRun::with(cli.read(), "manufacturer", "EDITED"))}
              : CalibrateHigh;
    const QByteArray password = write ? Admin : Technician;
    cli.sim.clearFrames();
    CliResult r;
    {
        std::optional<OtherProgram> other;
        if (!unusable)
            other.emplace(cli.url);
        QSqlQuery lock(other ? other->db() : QSqlDatabase());
        if (history == QLatin1String("locked"))
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        if (history == QLatin1String("full"))
            cli.fileSizeLimit = 4096; // no file may grow past a page: the disk is full
        r = cli.run(args + (unusable ? QStringList{"--history", unusableUrl} : QStringList{}),
                    password);
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QCOMPARE(r.status, 9);
    QVERIFY2(r.err.contains(said), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.ms < 15000);
    QVERIFY(cli.sim.framesStartingWith('W').isEmpty());
    if (unusable)
        QVERIFY(cli.sim.frames().isEmpty()); // not even the port was used
    QCOMPARE(cli.sim.memory(), before);
    if (!unusable)
        return;
    // Without a record, on purpose.
    QCOMPARE(cli.run(args + QStringList{"--no-history"}, password).status, 0);
    if (write)
        QCOMPARE(cli.sim.memory().mid(0x10, 6), QByteArray("EDITED"));
    else
        QCOMPARE(cli.sim.memory().mid(0x122, 2), QByteArray::fromHex("dc00"));
}

// Another program locks the history once the tester is being read: the
// window says its record is missing (a write's: recordKeptLocallyIsFinishedLater).
void TestHistory::recordThatCannotBeFinishedIsSaid()
{
    if (postgres)
        QSKIP("locked with SQLite's own lock");
    Cli cli;
    // The window reads the limits from the settings file of this run's home.
    QStandardPaths::setTestModeEnabled(true);
    const QString settings = SettingsFile::path();
    CliRun::shortLimits(settings);
    const auto forget = qScopeGuard([&] { QFile::remove(settings); });
    {
        const OtherProgram other(cli.url);
        QVERIFY(other.db().isOpen());
        QSqlQuery lock(other.db());
        bool locked = false;
        onFrames(cli.sim, 'R', 1, [&] { locked = lock.exec(QStringLiteral("BEGIN EXCLUSIVE")); });
        Harness h;
        h.create({cli.sim.devicePath()}, cli.url);
        QVERIFY(h.start());
        QVERIFY(locked);
        QCOMPARE(h.prompts.shown.size(), 1);
        QCOMPARE(h.prompts.shown[0].title, QStringLiteral("ORVA service history ..."));
        lock.exec(QStringLiteral("ROLLBACK"));
    }
}

// Whatever stops orva-cli's write part way, its exit status, entry and report
// say what the tester then holds (the session's part of each fault:
// test_session_records).
void TestHistory::recordAgreesWithTheTester_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("inReport");
    QTest::newRow("cut inside the garage name") << "cut in text" << 3 << "incomplete"
                                                << "Garage Name: AUTOFFICINA ROSSI → NEW GFICINA";
    QTest::newRow("SIGINT inside a factor") << "SIGINT in factor" << 130 << "aborted"
                                            << "Bit / Lux HIGH BEAM: 210 → 250 (partial)";
    QTest::newRow("SIGTERM in a paced write") << "SIGTERM" << 143 << "aborted"
                                              << "aborted part way";
    QTest::newRow("killed in a write") << "SIGKILL" << -1 << "interrupted"
                                       << "interrupted";
}

void TestHistory::recordAgreesWithTheTester()
{
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(QString, outcome);
    QFETCH(QString, inReport);
    Cli cli;
    cli.shortLimits();
    const QString doc =
        cli.document(CliRun::with(cli.read(), QStringLiteral("garageName"), "NEW GARAGE"));
    const bool signal = fault.startsWith(QLatin1String("SIG"));
    const QString signalName = fault.section(u' ', 0, 0);
    const bool factor = fault.endsWith(QLatin1String("factor"));
    if (postgres && signal && signalName != QLatin1String("SIGKILL"))
        QSKIP(
            "how a signal ends a write is the program's; its entry reaches a server as any other");
    QObject::connect(&cli.sim, &TesterSimulator::frameReceived, &cli.sim, [&](const QByteArray &f) {
        if (f.at(0) != 'W')
            return;
        const int writes = int(cli.sim.framesStartingWith('W').size());
        if (signal && writes == 1)  // the write's replies at the line's pace: a signal finds
            cli.sim.setPaced(true); // one still on its way
        if (fault == QLatin1String("cut in text") && f.mid(1, 2) == QByteArray::fromHex("00a0"))
            cli.sim.stopAckAfter(5); // N, E, W, blank, G
        else if (signal && writes == (factor ? 1 : 20) && cli.pid > 0) {
            // This byte's acknowledge, and every one after, comes late enough
            // for the signal to be handled first, yet within an Abort's grace:
            // the write stops after it, however slow the machine.
            cli.sim.setReplyDelayMs(80);
            ::kill(pid_t(cli.pid), signalName == QLatin1String("SIGINT")    ? SIGINT
                                   : signalName == QLatin1String("SIGTERM") ? SIGTERM
                                                                            : SIGKILL);
        }
    });
    const QByteArray before = cli.sim.memory();
    CliResult r;
    if (factor) {
        cli.sim.setReading(9, 17710); // 17710 / 35 lux: factor 506 (FA 01h), replacing 210 (D2 00h)
        r = cli.run(CalibrateHigh + QStringList{"--timeout", "3"}, Technician);
    } else {
        r = cli.run({"write", "--in", doc}, Admin, 60000);
    }
    QCOMPARE(r.status, status);
    if (status > 128)
        QVERIFY2(r.err.contains(QStringLiteral("interrupted by SIG")), qPrintable(r.err));
    // Byte for byte, the tester changed only inside the field the write aimed at.
    for (int a = 0; a < before.size(); ++a)
        QVERIFY2(before.at(a) == cli.sim.memory().at(a) || (a >= 0xA0 && a < 0xB8) ||
                     (a >= 0x122 && a < 0x124),
                 qPrintable(QStringLiteral("%1h changed").arg(a, 4, 16, QLatin1Char('0'))));
    cli.sim.setPowered(true);
    cli.sim.setPaced(false);
    cli.sim.setReplyDelayMs(0);
    const QJsonObject entry = cli.history().at(0).toObject();
    const qint64 id = idOf(entry);
    QCOMPARE(entry.value("outcome").toString(), outcome);
    if (signal && fault != QLatin1String("SIGKILL"))
        QVERIFY2(entry.value("detail").toString().contains(QStringLiteral("interrupted by ") +
                                                           signalName),
                 qPrintable(entry.value("detail").toString()));
    if (fault == QLatin1String("SIGKILL"))
        QCOMPARE(entry.value("detail").toString(),
                 QStringLiteral("state unknown until the tester is read"));
    afterIsWhatTheTesterHolds(cli, id);
    const QString pdf = cli.home.filePath(QStringLiteral("entry.pdf"));
    QCOMPARE(cli.run({"report", "--entry", QString::number(id), "--out", pdf}).status, 0);
    const QString report = pdfText(pdf).simplified();
    QVERIFY2(report.contains(inReport), qPrintable(report));
    QVERIFY2(!report.contains(QStringLiteral("Parameters changed none")), qPrintable(report));
    // A factor's own row says how far its write went, and never that it was written.
    if (factor)
        QVERIFY2(report.contains(QStringLiteral("35 lux 17710 210 → 506 aborted part way")),
                 qPrintable(report));
}

void TestHistory::recordKeptLocallyIsFinishedLater_data()
{
    QTest::addColumn<bool>("keepable");
    QTest::newRow("kept on this computer") << true;
    QTest::newRow("this computer's folder unwritable too") << false;
}

// The history was locked by another program for the whole write: the
// entry's end waits on this computer and is saved at the next start; where
// it cannot wait either, the user is told so.
void TestHistory::recordKeptLocallyIsFinishedLater()
{
    if (postgres)
        QSKIP("locked with SQLite's own lock");
    QFETCH(bool, keepable);
    Cli cli;
    cli.shortLimits();
    const QString doc =
        cli.document(CliRun::with(cli.read(), QStringLiteral("garageName"), "NEW GARAGE"));
    if (!keepable) { // no folder can be made where a file stands
        QDir(cli.home.path()).mkpath(QStringLiteral("orvaps"));
        QFile blocker(cli.home.filePath(QStringLiteral("orvaps/unfinished")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QByteArray expected = cli.sim.memory();
    expected.replace(0xA0, 24, "NEW GARAGE              ");
    CliResult r;
    {
        const OtherProgram other(cli.url);
        QSqlQuery lock(other.db());
        bool locked = false;
        onFrames(cli.sim, 'W', 1, [&] { locked = lock.exec(QStringLiteral("BEGIN EXCLUSIVE")); });
        r = cli.run({"write", "--in", doc}, Admin, 60000);
        QVERIFY(locked);
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QCOMPARE(r.status, 11);
    QCOMPARE(cli.sim.memory().toHex(), expected.toHex()); // what stderr says the tester holds
    QVERIFY2(r.err.contains(QStringLiteral("garageName: AUTOFFICINA ROSSI -> NEW GARAGE")),
             qPrintable(r.err));
    if (!keepable) {
        QVERIFY2(r.err.contains(QStringLiteral("could not be kept on this computer either")),
                 qPrintable(r.err));
        // Nothing claims more than is known: the entry still says it began.
        QCOMPARE(cli.history().at(0).toObject().value("outcome").toString(),
                 QStringLiteral("started"));
        return;
    }
    QVERIFY2(r.err.contains(QStringLiteral("kept on this computer")), qPrintable(r.err));
    // The next start gives the history the kept end.
    const QJsonObject entry = cli.history().at(0).toObject();
    QCOMPARE(entry.value("kind").toString(), QStringLiteral("send"));
    QCOMPARE(entry.value("outcome").toString(), QStringLiteral("done"));
    afterIsWhatTheTesterHolds(cli, idOf(entry));
    QVERIFY(QDir(cli.home.filePath(QStringLiteral("orvaps/unfinished")))
                .entryList(QDir::Files)
                .isEmpty());
}

// The server ends the window's session between the load and a send: the
// send's entry reaches the server on a new session.
void TestHistory::droppedServerSessionIsOpenedAgain()
{
    if (!postgres)
        QSKIP("a server session");
    Cli cli;
    Harness h;
    h.create({cli.sim.devicePath()}, cli.url);
    QVERIFY(h.start());
    bool dropped = false;
    {
        QSqlDatabase admin = TestServer::connection(QStringLiteral("admin"));
        QSqlQuery q(admin.open() ? admin : QSqlDatabase());
        dropped = q.exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                        "WHERE datname = '%1'")
                             .arg(QUrl(cli.url).path().mid(1))) &&
                  q.next();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    QVERIFY(dropped);
    h.window->TestoNomeOfficina->setText(QStringLiteral("AFTER THE DROP"));
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    QVERIFY2(h.prompts.shown.isEmpty(), qPrintable(h.prompts.shown.value(0).text));
    QCOMPARE(cli.sim.memory().mid(0xA0, 14), QByteArray("AFTER THE DROP"));
    // On the server at once, not left waiting on this computer.
    const auto *waiting = h.window->findChild<QLabel *>(QStringLiteral("UnpushedCount"));
    QVERIFY(waiting);
    QCOMPARE(waiting->text(), QString());
}

void TestHistory::reportOfAVisit()
{
    Cli cli;
    cli.sim.setReading(9, 7700);
    QJsonObject edited = CliRun::with(cli.read(), QStringLiteral("manufacturer"), "ACME");
    edited = CliRun::with(edited, QStringLiteral("expiryYear"), "2029");
    QCOMPARE(cli.run({"write", "--in", cli.document(edited)}, Admin).status, 0);
    QCOMPARE(cli.run(CalibrateHigh, Technician).status, 0);
    const QString pdf = cli.home.filePath(QStringLiteral("visit.pdf"));
    const CliResult r = cli.run({"report", "--serial", "SN24-001187", "--out", pdf});
    QCOMPARE(r.status, 0);
    const QString text = pdfText(pdf).simplified();
    for (const QString &expected :
         {QStringLiteral("SN24-001187"), QStringLiteral("AUTOFFICINA ROSSI"),
          QStringLiteral("Manufacter: ORVA → ACME"),
          QStringLiteral("Date of Expire YYYY: 2027 → 2029"),
          QStringLiteral("35 lux 7700 210 → 220"), QStringLiteral("Expiry date: 31/12/2029"),
          QStringLiteral("Administrator, technician"), QStringLiteral("Signature")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    // Nothing in the history on that day: said, no file.
    const CliResult none = cli.run({"report", "--serial", "SN24-001187", "--date", "2001-01-01",
                                    "--out", cli.home.filePath("none.pdf")});
    QCOMPARE(none.status, 7);
    QVERIFY(!QFile::exists(cli.home.filePath(QStringLiteral("none.pdf"))));

    // The window lists the tester's entries and saves the same report.
    Harness h;
    h.create({cli.sim.devicePath()}, cli.url);
    QVERIFY(h.start());
    // The page reads the history when it comes on screen, and follows
    // operations while it is there.
    HistoryPage &page = *h.window->PageHistory;
    QCOMPARE(page.HistoryTable->rowCount(), 0);
    h.window->SSTab1->setCurrentIndex(2);
    QCOMPARE(page.HistoryTable->rowCount(), 6); // with this load
    h.window->CmdInvia->click();
    QCOMPARE(page.HistoryTable->rowCount(), 7);
    h.prompts.fileToSave = h.path(QStringLiteral("window.pdf"));
    h.window->PageHistory->CmdSaveReport->click();
    QVERIFY(pdfText(h.prompts.fileToSave)
                .simplified()
                .contains(QStringLiteral("Manufacter: ORVA → ACME")));
}

void TestHistory::oldBackupsAreImportedOnce()
{
    if (postgres)
        QSKIP("backups are taken into the user's own history only");
    Cli cli;
    const QJsonObject doc = cli.read();
    const QString folder = cli.home.filePath(QStringLiteral("orvaps/backups"));
    QDir().mkpath(folder);
    cli.document(doc, QStringLiteral("orvaps/backups/SN24-001187_20261201-101010-000.json"));
    cli.document(QJsonObject{{"not", "a document"}}, QStringLiteral("orvaps/backups/other.json"));
    // The settings file names the default location, the user's data folder.
    QFile::remove(cli.home.filePath(QStringLiteral("config/orvaps/orvaps.ini")));
    for (int start = 0; start < 2; ++start) { // the next start imports nothing again
        const QJsonArray entries = cli.history();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.at(0).toObject().value("outcome").toString(), QStringLiteral("imported"));
        QCOMPARE(cli.entry(idOf(entries.at(0))).value("before").toObject(), doc); // all of it
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
}

void TestHistory::listingFiltersAndPages_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QList<int>>("expected"); // visits by their number below, newest first

    QTest::newRow("all, newest first") << QStringList{} << QList<int>{6, 5, 4, 3, 2, 1};
    // Each bound takes its whole day.
    QTest::newRow("one day") << QStringList{"--since", "2026-03-02", "--until", "2026-03-02"}
                             << QList<int>{4, 3};
    QTest::newRow("--kind") << QStringList{"--kind", "calibration"} << QList<int>{5, 2};
    QTest::newRow("--outcome") << QStringList{"--outcome", "verify mismatch"} << QList<int>{4};
    QTest::newRow("--serial") << QStringList{"--serial", "SN-B"} << QList<int>{6, 3};
    QTest::newRow("filters together, then the limit")
        << QStringList{"--serial", "SN-A", "--kind", "send", "--limit", "1"} << QList<int>{4};
}

// What a listing holds, whatever the history's size: the filters' entries, newest first.
void TestHistory::listingFiltersAndPages()
{
    QFETCH(QStringList, args);
    QFETCH(QList<int>, expected);
    Cli cli;
    const auto history = cli.open();
    const auto day = [](int d, int h, int m) {
        return QDateTime(QDate(2026, 3, d), QTime(h, m), Qt::LocalTime);
    };
    using K = HistoryEntry::Kind;
    const QList<HistoryEntry> visits = {
        visit("SN-A", day(1, 23, 59), K::Send, "done"),
        visit("SN-A", day(1, 23, 59), K::Calibration, "done"),
        visit("SN-B", day(2, 0, 0), K::Read, "done"),
        visit("SN-A", day(2, 23, 59), K::Send, "verify mismatch"),
        visit("SN-A", day(3, 0, 0), K::Calibration, "declined"),
        visit("SN-B", day(3, 12, 0), K::Restore, "done"),
    };
    QList<qint64> ids;
    for (const HistoryEntry &e : visits)
        ids.append(*history->add(e));
    QList<qint64> wanted;
    for (const int n : expected)
        wanted.append(ids.at(n - 1));

    const CliResult json = cli.run(QStringList{"history", "--json"} + args);
    QCOMPARE(json.status, 0);
    QList<qint64> listed;
    for (const QJsonValue &e : QJsonDocument::fromJson(json.out).array())
        listed.append(idOf(e));
    QCOMPARE(listed, wanted);
    // The lines list the same entries, with what each changed.
    const CliResult text = cli.run(QStringList{"history"} + args);
    QCOMPARE(text.status, 0);
    const QList<QByteArray> lines = text.out.split('\n');
    QCOMPARE(lines.size(), wanted.size() + 1);
    for (int i = 0; i < wanted.size(); ++i) {
        QVERIFY(lines.at(i).startsWith(QByteArray::number(wanted.at(i)) + '\t'));
        if (visits.at(expected.at(i) - 1).kind == K::Send)
            QVERIFY2(lines.at(i).endsWith("garageName: OLD NAME -> AUTOFFICINA ROSSI"),
                     lines.at(i).constData());
    }
}

void TestHistory::listingThatCannotBeWrittenIsSaid()
{
    Cli cli;
    QVERIFY(cli.open()->add(
        visit("SN-A", QDateTime::currentDateTime(), HistoryEntry::Kind::Read, "done")));
    const QProcessEnvironment env = cli.environment();
    for (const QStringList &args : {QStringList{"history"}, QStringList{"history", "--json"},
                                    QStringList{"testers", "--csv"}}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(CliRun::program(), args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 10);
        QVERIFY(p.readAllStandardError().contains("standard output"));
    }
    // A history that is not there is not made by a listing.
    const QString nowhere = cli.home.filePath(QStringLiteral("nowhere/history.sqlite"));
    QCOMPARE(cli.run({"testers", "--history", nowhere}).status, 9);
    QVERIFY(!QFile::exists(nowhere));
}

// A history of the first schema: the first programs to open it bring it to
// the current one and fill the stored changes and the register, once, for
// every entry it holds.
void TestHistory::upgradeFillsSummariesAndTheRegisterOnce()
{
    Cli cli;
    oldHistory(cli.url, 1, [](QSqlQuery &q) {
        const QDateTime start(QDate(2026, 5, 4), QTime(10, 0), Qt::UTC);
        // Three testers, the last with an entry that has no document.
        for (int i = 0; i < 30; ++i) {
            const HistoryEntry e =
                visit(QStringLiteral("SN-%1").arg(i % 3), start.addSecs(60 * i),
                      i % 2 ? HistoryEntry::Kind::Send : HistoryEntry::Kind::Read, "done",
                      {"01", "06", QString::number(2027 + i)});
            QVERIFY(q.prepare(QStringLiteral(
                "INSERT INTO entries (at, serial, model, firmware, parameter_file, level, kind, "
                "outcome, detail, before_doc, after_doc) VALUES (?, ?, ?, ?, '', ?, ?, ?, '', ?, "
                "?)")));
            for (const QVariant &v : QVariantList{
                     e.at.toString(Qt::ISODateWithMs), e.serial, e.model, e.firmware, e.levelName(),
                     HistoryEntry::kindName(e.kind), HistoryEntry::endingName(e.outcome),
                     e.before.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                        : QVariant(QString::fromUtf8(
                                              QJsonDocument(e.before.toDocument()).toJson())),
                     i == 29 ? QVariant(QMetaType::fromType<QString>())
                             : QVariant(QString::fromUtf8(
                                   QJsonDocument(e.after.toDocument()).toJson()))})
                q.addBindValue(v);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    });
    if (QTest::currentTestFailed())
        return;
    // Several programs at once on the old history.
    std::vector<std::unique_ptr<QProcess>> programs;
    for (int k = 0; k < 4; ++k)
        programs.push_back(cli.start({"testers", "--json"}));
    QByteArray first;
    for (auto &p : programs) {
        QVERIFY(p->waitForFinished(30000));
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        const QByteArray out = p->readAllStandardOutput();
        QVERIFY(first.isEmpty() || out == first);
        first = out;
    }
    const QJsonArray testers = QJsonDocument::fromJson(first).array();
    QCOMPARE(testers.size(), 3);
    // SN-2's newest entry (29) has no "after"; its "before" is the state known.
    QStringList seen;
    for (const QJsonValue &t : testers) {
        const QJsonObject o = t.toObject();
        seen.append(o.value("serialNumber").toString() + u' ' + o.value("expiryDate").toString() +
                    u' ' + o.value("garageName").toString() + u' ' + o.value("town").toString() +
                    u' ' + QString::number(o.value("lastVisit").toObject().value("entry").toInt()));
    }
    QCOMPARE(seen, (QStringList{"SN-0 2054-06-01 AUTOFFICINA ROSSI 20100 MILANO 28",
                                "SN-1 2055-06-01 AUTOFFICINA ROSSI 20100 MILANO 29",
                                "SN-2 2056-06-01 OLD NAME 20100 MILANO 30"}));
    const QJsonArray entries = cli.history();
    QCOMPARE(entries.size(), 30);
    QCOMPARE(entries.at(2).toObject().value("changes").toArray(),
             QJsonArray{QStringLiteral("garageName: OLD NAME -> AUTOFFICINA ROSSI")});
    QCOMPARE(entries.at(1).toObject().value("changes").toArray(), QJsonArray{}); // a read
    QCOMPARE(entries.at(0).toObject().value("changes").toArray(), QJsonArray{}); // no after
    QCOMPARE(entries.at(0).toObject().value("at").toString(),
             QStringLiteral("2026-05-04T10:29:00.000Z"));
    QCOMPARE(entries.at(0).toObject().value("level").toString(), QStringLiteral("dealer"));
    QCOMPARE(*cli.open()->schemaVersion(), HistorySchema::Current);
}

void TestHistory::registerDates_data()
{
    QTest::addColumn<int>("daysAway"); // from today; ignored when `held` is given
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("dueWithin30");

    QTest::newRow("today") << 0 << QStringList{} << "due" << true;
    QTest::newRow("in 30 days") << 30 << QStringList{} << "due" << true;
    QTest::newRow("in 31 days") << 31 << QStringList{} << "ok" << false;
    QTest::newRow("overdue") << -1 << QStringList{} << "overdue" << true;
    QTest::newRow("no such day") << 0 << QStringList{"31", "02", "2027"} << "unknown" << true;
    QTest::newRow("blank") << 0 << QStringList{"  ", "  ", "    "} << "unknown" << true;
}

void TestHistory::registerDates()
{
    QFETCH(int, daysAway);
    QFETCH(QStringList, held);
    QFETCH(QString, status);
    QFETCH(bool, dueWithin30);
    Cli cli;
    const QDate day = QDate::currentDate().addDays(daysAway);
    const QStringList expiry =
        held.isEmpty() ? QStringList{day.toString("dd"), day.toString("MM"), day.toString("yyyy")}
                       : held;
    const auto history = cli.open();
    QVERIFY(history->add(
        visit("SN-DUE", QDateTime::currentDateTime(), HistoryEntry::Kind::Send, "done", expiry)));
    // A tester far from due, listed before an unreadable date and after a real one.
    QVERIFY(history->add(visit("SN-LATER", QDateTime::currentDateTime(), HistoryEntry::Kind::Read,
                               "done", {"01", "01", "2099"})));

    const QJsonArray all = testersOf(cli);
    QCOMPARE(all.size(), 2);
    const QJsonObject t = all.at(status == QLatin1String("unknown") ? 1 : 0).toObject();
    QCOMPARE(t.value("serialNumber").toString(), QStringLiteral("SN-DUE"));
    QCOMPARE(t.value("status").toString(), status);
    QCOMPARE(t.value("expiryAsHeld").toString(), expiry.join(u'/').remove(u' '));
    if (held.isEmpty()) {
        QCOMPARE(t.value("daysLeft").toInt(), daysAway);
        QCOMPARE(t.value("expiryDate").toString(), day.toString(Qt::ISODate));
    } else {
        QVERIFY(t.value("daysLeft").isNull());
        QVERIFY(t.value("expiryDate").isNull());
    }
    const QJsonArray due = testersOf(cli, {"--due-within", "30"});
    QCOMPARE(due.size(), dueWithin30 ? 1 : 0);

    // The window shows the same, marked, and does not sort an odd date first.
    ScriptedPrompts prompts;
    HistoryPage page(prompts);
    page.showTester(history.get(), QStringLiteral("SN-DUE"));
    page.showTesters();
    QTableView &table = *page.testersDialog()->TestersTable;
    QCOMPARE(table.model()->rowCount(), 2);
    const int row = status == QLatin1String("unknown") ? 1 : 0;
    QCOMPARE(table.model()->index(row, 0).data().toString(), QStringLiteral("SN-DUE"));
    const bool marked = table.model()->index(row, 0).data(Qt::BackgroundRole).isValid();
    QCOMPARE(marked, status != QLatin1String("ok"));
    QVERIFY(!table.model()->index(1 - row, 0).data(Qt::BackgroundRole).isValid());
}

// The register holds each tester's newest entry: a write finished after a
// newer read of the same tester does not take its place; an entry without a
// document keeps the state known.
void TestHistory::registerFollowsTheNewestEntry()
{
    Cli cli;
    const auto history = cli.open();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    HistoryEntry write = visit("SN-A", now.addSecs(-60), HistoryEntry::Kind::Send, "started");
    write.after = {};
    const qint64 writeId = *history->begin(write);
    QVERIFY(history->add(
        visit("SN-A", now, HistoryEntry::Kind::Read, "done", {"01", "01", "2030"}, "NEWER")));
    HistoryEntry finished = visit("SN-A", now.addSecs(-60), HistoryEntry::Kind::Send, "done",
                                  {"01", "01", "2029"}, "FINISHED");
    QVERIFY(history->finish(writeId, finished));
    QJsonObject t = testersOf(cli).at(0).toObject();
    QCOMPARE(t.value("garageName").toString(), QStringLiteral("NEWER"));
    QCOMPARE(t.value("expiryDate").toString(), QStringLiteral("2030-01-01"));

    HistoryEntry calibration =
        visit("SN-A", now.addSecs(60), HistoryEntry::Kind::Calibration, "failed");
    calibration.before = calibration.after = {};
    calibration.level = AccessLevel::Technician;
    calibration.calibration = HistoryEntry::Calibration{Beam::Low, "29", 0, "345", 0, false};
    QVERIFY(history->add(calibration));
    t = testersOf(cli).at(0).toObject();
    QCOMPARE(t.value("garageName").toString(), QStringLiteral("NEWER"));
    QCOMPARE(t.value("lastVisit").toObject().value("outcome").toString(), QStringLiteral("failed"));
    QCOMPARE(t.value("lastVisit").toObject().value("level").toString(),
             QStringLiteral("technician"));
    QCOMPARE(t.value("lowBeamFactor").toInt(), 345);
}

void TestHistory::registerAsCsv()
{
    Cli cli;
    const auto history = cli.open();
    QVERIFY(history->add(visit("SN-Q", QDateTime::currentDateTime(), HistoryEntry::Kind::Read,
                               "done", {"31", "12", "2027"}, "GARAGE, \"DA MARIO\"")));
    // A garage name a spreadsheet would run as a formula stays a text.
    QVERIFY(history->add(visit("SN-R", QDateTime::currentDateTime(), HistoryEntry::Kind::Read,
                               "done", {"31", "12", "2028"}, "=HYPERLINK(\"x\")")));
    const CliResult r = cli.run({"testers", "--csv"});
    QCOMPARE(r.status, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.at(2).startsWith("\"SN-R\",\"HT-5000\",\"1.00\",\"'=HYPERLINK(\"\"x\"\")\","),
             lines.at(2).constData());
    QVERIFY(lines.at(0).startsWith("\"serialNumber\",\"model\","));
    QVERIFY(lines.at(0).endsWith("\r"));
    QVERIFY2(lines.at(1).startsWith("\"SN-Q\",\"HT-5000\",\"1.00\",\"GARAGE, \"\"DA MARIO\"\"\","
                                    "\"20100 MILANO\",\"2027-12-31\",\"31/12/2027\","),
             lines.at(1).constData());
    // As many fields in the row as in the header, a comma inside quotes not counted.
    QCOMPARE(lines.at(0).count("\",\""), 16);
    QCOMPARE(lines.at(1).count("\",\""), 16);
}

// The page reads a page of entries at a time; the register opens a tester's entries.
void TestHistory::windowListsLazilyAndOpensTesters()
{
    Cli cli;
    const auto history = cli.open();
    const QDateTime start = QDateTime::currentDateTime().addDays(-10);
    for (int i = 0; i < 250; ++i)
        QVERIFY(history->add(visit("SN-MANY", start.addSecs(i), HistoryEntry::Kind::Send, "done")));
    QVERIFY(history->add(visit("SN-OTHER", start, HistoryEntry::Kind::Read, "done")));
    ScriptedPrompts prompts;
    HistoryPage page(prompts);
    page.resize(600, 400);
    page.showTester(history.get(), QStringLiteral("SN-MANY"));
    page.show();
    QCOMPARE(page.HistoryTable->rowCount(), 100);
    QVERIFY(page.canFetchMore());
    QTRY_VERIFY(page.HistoryTable->verticalScrollBar()->maximum() > 0);
    page.HistoryTable->verticalScrollBar()->setValue(
        page.HistoryTable->verticalScrollBar()->maximum());
    QCOMPARE(page.HistoryTable->rowCount(), 200);
    page.fetchMore();
    QCOMPARE(page.HistoryTable->rowCount(), 250);
    QVERIFY(!page.canFetchMore());
    QVERIFY(page.HistoryTable->item(0, 3)->text().contains(QStringLiteral("OLD NAME")));

    page.showTesters();
    TestersDialog &dialog = *page.testersDialog();
    QTableView &table = *dialog.TestersTable;
    QCOMPARE(table.model()->rowCount(), 2);
    // Sortable: by serial number, descending.
    table.sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(table.model()->index(0, 0).data().toString(), QStringLiteral("SN-OTHER"));
    table.setCurrentIndex(table.model()->index(0, 0));
    dialog.CmdShowEntries->click();
    QCOMPARE(page.HistoryTable->rowCount(), 1);
    QVERIFY(!page.canFetchMore());
}

// Programs calibrating their testers at the same moment into one new history:
// each one's read and calibration recorded once, and the register has them all.
void TestHistory::manyWritersLoseAndDuplicateNothing()
{
    const int programs = postgres ? 20 : 6;
    Cli cli;
    std::vector<std::unique_ptr<TesterSimulator>> testers;
    std::vector<std::unique_ptr<QProcess>> running;
    QStringList serials;
    for (int k = 0; k < programs; ++k) {
        auto &sim = testers.emplace_back(std::make_unique<TesterSimulator>());
        sim->memory().replace(0x64, 7,
                              QStringLiteral("-%1").arg(k, 6, 10, QLatin1Char('0')).toLatin1());
        sim->start();
        serials.append(QStringLiteral("SN24-%1").arg(k, 6, 10, QLatin1Char('0')));
    }
    // Started at once on a new history: one makes the schema, the others find it made.
    for (const auto &sim : testers)
        running.push_back(cli.start(
            {"calibrate", "--port", sim->devicePath(), "--beam", "low", "--lux", "29", "--yes"},
            Technician));
    const QDeadlineTimer deadline(120000);
    for (auto &p : running) {
        // The simulators answer from this event loop.
        while (p->state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        QVERIFY2(p->state() == QProcess::NotRunning, "a program did not end in time");
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
    }
    QMap<QString, QStringList> recorded;
    QSet<qint64> ids;
    for (const QJsonValue &v : cli.history()) {
        const QJsonObject e = v.toObject();
        ids.insert(idOf(e));
        recorded[e.value("serialNumber").toString()].append(e.value("kind").toString() + u' ' +
                                                            e.value("outcome").toString());
    }
    QCOMPARE(ids.size(), 2 * programs);
    QCOMPARE(recorded.keys(), serials);
    for (const QStringList &kinds : recorded)
        QCOMPARE(kinds, (QStringList{"calibration done", "read done"}));
    const QJsonArray register_ = testersOf(cli);
    QCOMPARE(register_.size(), programs);
    for (const QJsonValue &t : register_)
        QCOMPARE(t.toObject().value("lastVisit").toObject().value("kind").toString(),
                 QStringLiteral("calibration"));
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
