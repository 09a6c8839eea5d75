// The service history's listings against generated histories of 10,000,
// 100,000 and 1,000,000 entries in SQLite, or with --postgres on a server
// tests/support/pg-server starts: wall time and peak memory of each orva-cli
// command, as one table. Run by `make bench`; nothing is asserted.
//
// The entries are copies of real ones: orva-cli reads, writes and calibrates
// the simulated tester once, and those entries are copied with other serial
// numbers, workshops and expiry dates, in one transaction.
#include "history/ServiceHistory.h"
#include "history/TesterRecord.h"
#include "history/TesterRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int EntriesPerTester = 50;

QString program(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name);
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// A few real entries of each kind, made by orva-cli on the simulated tester.
QList<HistoryEntry> realEntries(const QString &folder)
{
    QProcess sim;
    sim.start(program("orva-sim"), {});
    sim.waitForReadyRead(10000);
    const QString device = QString::fromUtf8(sim.readLine()).trimmed();
    const QString history = folder + QStringLiteral("/real.sqlite");
    const auto cli = [&](const QStringList &args, const QByteArray &input = {}) {
        QProcess p;
        p.start(program("orva-cli"), args + QStringList{"--port", device, "--history", history});
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(60000);
        return p.readAllStandardOutput();
    };
    QJsonObject doc = QJsonDocument::fromJson(cli({"read"})).object();
    QJsonObject fields = doc.value("fields").toObject();
    fields.insert("garageName", QStringLiteral("OFFICINA NUOVA"));
    doc.insert("fields", fields);
    QFile edited(folder + QStringLiteral("/edited.json"));
    edited.open(QIODevice::WriteOnly);
    edited.write(QJsonDocument(doc).toJson());
    edited.close();
    cli({"write", "--in", edited.fileName()}, "52917\n");
    cli({"calibrate", "--beam", "low", "--lux", "29", "--yes"}, "27754\n");
    sim.terminate();
    sim.waitForFinished(5000);
    auto opened = ServiceHistory::open(*HistoryLocation::fromUrl(history));
    if (!opened)
        qFatal("%s", qPrintable(opened.error().description()));
    return *opened.value()->entries();
}

struct Template
{
    HistoryEntry entry;
    QString before, after, changes; // JSON with the serial number as @SERIAL@
};

QString withPlaceholders(const TesterState &state)
{
    if (state.isEmpty())
        return {};
    TesterState copy = state;
    copy.set(Control::TestoNumSerie, QStringLiteral("@SERIAL@"));
    copy.set(Control::TestoNomeOfficina, QStringLiteral("@GARAGE@"));
    copy.set(Control::TestoGiornoScadenza, QStringLiteral("@DD@"));
    copy.set(Control::TestoMeseScadenza, QStringLiteral("@MM@"));
    copy.set(Control::TestoAnnoScadenza, QStringLiteral("@YYYY@"));
    return QString::fromUtf8(QJsonDocument(copy.toDocument()).toJson(QJsonDocument::Compact));
}

QString filled(QString text, const QString &serial, const QDate &expiry)
{
    return text.replace(QStringLiteral("@SERIAL@"), serial)
        .replace(QStringLiteral("@GARAGE@"), QStringLiteral("AUTOFFICINA ") + serial)
        .replace(QStringLiteral("@DD@"), expiry.toString(QStringLiteral("dd")))
        .replace(QStringLiteral("@MM@"), expiry.toString(QStringLiteral("MM")))
        .replace(QStringLiteral("@YYYY@"), expiry.toString(QStringLiteral("yyyy")));
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// A history of `count` entries: testers of 50 entries each, one every ten
// minutes up to now, expiry dates spread over the year around today.
void generate(const HistoryLocation &location, int count, const QList<HistoryEntry> &real)
{
    const bool postgres = location.kind == HistoryLocation::Kind::PostgreSQL;
    if (!postgres)
        QFile::remove(location.path);
    {
        auto made = ServiceHistory::open(location);
        if (!made)
            qFatal("%s", qPrintable(made.error().description()));
    }
    QList<Template> templates;
    for (const HistoryEntry &e : real) {
        Template t{e, withPlaceholders(e.before), withPlaceholders(e.after), {}};
        t.changes = QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(e.changes())).toJson(QJsonDocument::Compact));
        templates.append(t);
    }
    const int testers = std::max(1, count / EntriesPerTester);
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-600LL * count);
    QSqlDatabase db = QSqlDatabase::addDatabase(
        postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), QStringLiteral("gen"));
    if (postgres) {
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setUserName(location.user);
        db.setPassword(location.password);
        db.setDatabaseName(location.database);
    } else {
        db.setDatabaseName(location.path);
    }
    if (!db.open())
        qFatal("%s", qPrintable(db.lastError().text()));
    QSqlQuery q(db);
    if (!postgres)
        q.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    q.exec(QStringLiteral("INSERT INTO history_meta (name, value) VALUES ('backups', '0')"));
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO entries (id, at, serial, model, firmware, parameter_file, level, program, "
        "line, kind, outcome, detail, before_doc, after_doc, changes) VALUES (?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery calibration(db);
    calibration.prepare(QStringLiteral(
        "INSERT INTO calibrations (entry_id, beam, reference_lux, reading, old_factor, "
        "new_factor, confirmed) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    const QDate today = QDate::currentDate();
    for (int i = 0; i < count; ++i) {
        const Template &t = templates.at(i % templates.size());
        const int tester = i % testers;
        const QString serial = QStringLiteral("SN%1").arg(tester, 6, 10, QLatin1Char('0'));
        const QDate expiry = today.addDays(tester % 400 - 35);
        const qint64 id = i + 1;
        const QDateTime at = start.addSecs(600LL * i);
        const QString before = filled(t.before, serial, expiry);
        const QString after = filled(t.after, serial, expiry);
        for (const QVariant &v : QVariantList{
                 id, at.toString(Qt::ISODateWithMs), serial, t.entry.model, t.entry.firmware,
                 t.entry.parameterFile, t.entry.levelName(), t.entry.program, t.entry.line,
                 HistoryEntry::kindName(t.entry.kind), HistoryEntry::endingName(t.entry.outcome),
                 t.entry.detail, nullable(before), nullable(after), t.changes})
            insert.addBindValue(v);
        if (!insert.exec())
            qFatal("%s", qPrintable(insert.lastError().text()));
        if (t.entry.calibration) {
            const HistoryEntry::Calibration &c = *t.entry.calibration;
            for (const QVariant &v :
                 QVariantList{id, Beams::name(c.beam), c.referenceLux, c.reading, c.oldFactor,
                              c.newFactor, c.confirmed ? 1 : 0})
                calibration.addBindValue(v);
            calibration.exec();
        }
        // Each tester's newest entry is the last of its round.
        if (i >= count - testers) {
            HistoryEntry e = t.entry;
            e.id = id;
            e.at = at;
            e.serial = serial;
            e.before = TesterState::fromDocument(QJsonDocument::fromJson(before.toUtf8()).object());
            e.after = TesterState::fromDocument(QJsonDocument::fromJson(after.toUtf8()).object());
            const QString error = TesterRegister::record(db, TesterRecord::from(e));
            if (!error.isEmpty())
                qFatal("%s", qPrintable(error));
        }
    }
    db.commit();
    if (postgres)
        q.exec(QStringLiteral("ANALYZE"));
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
}

struct Measure
{
    double seconds = 0;
    double megabytes = 0;
    int status = -1;
};

// One run of orva-cli, its output thrown away: wall time and peak resident memory.
Measure run(const QStringList &args)
{
    QList<QByteArray> bytes = {program("orva-cli").toLocal8Bit()};
    for (const QString &a : args)
        bytes.append(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    Measure m;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        return m;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    m.seconds = double(clock.nsecsElapsed()) / 1e9;
    m.megabytes = double(usage.ru_maxrss) / 1024.0;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return m;
}

// The median run by wall time.
Measure median(const QStringList &args, int runs)
{
    QList<Measure> all;
    for (int i = 0; i < runs; ++i)
        all.append(run(args));
    std::sort(all.begin(), all.end(),
              [](const Measure &a, const Measure &b) { return a.seconds < b.seconds; });
    return all.at(all.size() / 2);
}

} // namespace

// A PostgreSQL server for the length of the bench.
class Server
{
public:
    explicit Server(const QString &folder)
        : m_folder(folder)
    {
        if (QProcess::execute(script(), {QStringLiteral("start"), m_folder}) != 0)
            qFatal("the PostgreSQL server did not start (scripts/install-deps)");
        m_url = contents(QStringLiteral("url"));
        m_password = contents(QStringLiteral("password"));
    }
    ~Server() { QProcess::execute(script(), {QStringLiteral("stop"), m_folder}); }
    // A new, empty database on it.
    HistoryLocation database(const QString &name) const
    {
        {
            QSqlDatabase admin =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
            HistoryLocation server = *HistoryLocation::fromUrl(m_url, m_password);
            admin.setHostName(server.host);
            admin.setPort(server.port);
            admin.setUserName(server.user);
            admin.setPassword(m_password);
            admin.setDatabaseName(server.database);
            if (!admin.open())
                qFatal("%s", qPrintable(admin.lastError().text()));
            QSqlQuery(admin).exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
            QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        return *HistoryLocation::fromUrl(
            QString(m_url).replace(QStringLiteral("/postgres"), u'/' + name), m_password);
    }
    QString password() const { return m_password; }

private:
    static QString script() { return QStringLiteral(ORVA_SOURCE_DIR "/tests/support/pg-server"); }
    QString contents(const QString &name) const
    {
        QFile f(m_folder + u'/' + name);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll()).trimmed();
    }
    QString m_folder;
    QString m_url;
    QString m_password;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    bool postgres = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--postgres")
            postgres = true;
        else
            sizes.append(QByteArray(argv[i]).toInt());
    }
    if (sizes.isEmpty())
        sizes = {10000, 100000, 1000000};
    QTemporaryDir work;
    // No backups of an earlier version to take in, no settings file.
    qputenv("XDG_DATA_HOME", work.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toLocal8Bit());
    const QList<HistoryEntry> real = realEntries(work.path());
    if (real.isEmpty())
        qFatal("orva-cli made no entry on the simulated tester");
    std::unique_ptr<Server> server;
    if (postgres) {
        server = std::make_unique<Server>(work.filePath(QStringLiteral("pg")));
        // orva-cli takes the server's password from its settings file.
        QDir().mkpath(work.filePath(QStringLiteral("config/orvaps")));
        QFile settings(work.filePath(QStringLiteral("config/orvaps/orvaps.ini")));
        settings.open(QIODevice::WriteOnly);
        settings.write("[history]\npassword=" + server->password().toUtf8() + '\n');
    }
    out() << "| store | entries | command | wall | peak memory | generated in |\n"
             "|---|---|---|---|---|---|\n";
    for (const int size : sizes) {
        const QString path = work.filePath(QStringLiteral("history-%1.sqlite").arg(size));
        const HistoryLocation location =
            postgres ? server->database(QStringLiteral("bench_%1").arg(size))
                     : *HistoryLocation::fromUrl(path);
        QElapsedTimer clock;
        clock.start();
        generate(location, size, real);
        const double generated = double(clock.nsecsElapsed()) / 1e9;
        const QString serial = QStringLiteral("SN%1").arg(0, 6, 10, QLatin1Char('0'));
        // The day of the tester's newest entry, the last of its round.
        const int testers = std::max(1, size / EntriesPerTester);
        const QString day = QDateTime::currentDateTimeUtc()
                                .addSecs(-600LL * testers)
                                .toLocalTime()
                                .date()
                                .toString(Qt::ISODate);
        const QStringList history = {QStringLiteral("--history"), location.describe()};
        const QList<std::pair<QString, QStringList>> commands = {
            {"history --limit 50", {"history", "--limit", "50"}},
            {"history --json (all)", {"history", "--json"}},
            {"history --serial", {"history", "--serial", serial}},
            {"testers", {"testers"}},
            {"testers --due-within 30", {"testers", "--due-within", "30"}},
            {"report --serial (a day)",
             {"report", "--serial", serial, "--date", day, "--out",
              work.filePath(QStringLiteral("report.pdf"))}},
        };
        bool first = true;
        for (const auto &[name, args] : commands) {
            // The first run reads the file from disk; the median of three is what a user meets.
            run(args + history);
            const Measure m = median(args + history, name.contains("--json") ? 1 : 3);
            out() << QStringLiteral("| %1 | %2 | %3 | %4 s%5 | %6 MB | %7 |\n")
                         .arg(postgres ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"))
                         .arg(size)
                         .arg(name)
                         .arg(m.seconds, 0, 'f', 3)
                         .arg(m.status == 0 ? QString()
                                            : QStringLiteral(" (exit %1)").arg(m.status))
                         .arg(m.megabytes, 0, 'f', 1)
                         .arg(first ? QStringLiteral("%1 s").arg(generated, 0, 'f', 1) : QString());
            out().flush();
            first = false;
        }
        QFile::remove(path);
    }
    return 0;
}
