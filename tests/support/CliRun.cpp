#include "CliRun.h"

#include "base/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <sys/resource.h>

void onFrames(TesterSimulator &sim, char command, int count, std::function<void()> action)
{
    auto fired = std::make_shared<bool>(false);
    QObject::connect(&sim, &TesterSimulator::frameReceived, &sim,
                     [&sim, command, count, action, fired](const QByteArray &) {
                         if (*fired || sim.framesStartingWith(command).size() < count)
                             return;
                         *fired = true;
                         action();
                     });
}

CliRun::CliRun()
{
    sim.start();
}

QString CliRun::settingsFile() const
{
    return home.filePath(QStringLiteral("config/orvaps/orvaps.ini"));
}

void CliRun::useHistory(const QString &url, const QString &password)
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("history/url"), url);
    settings.setValue(QStringLiteral("history/password"), password);
}

void CliRun::setLimits(const QString &settingsFile, const QList<std::pair<QString, int>> &limits)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    for (const auto &[key, ms] : limits)
        settings.setValue(QStringLiteral("limits/") + key, ms);
}

void CliRun::shortLimits(const QString &settingsFile)
{
    setLimits(settingsFile, {{"connectionMs", 300},
                             {"quietMs", 300},
                             {"replyMs", 600},
                             {"acknowledgeMs", 500},
                             {"readingMs", 700},
                             {"networkMs", 400},
                             {"historyLockMs", 200}});
}

void CliRun::shareSettingsWithWindows() const
{
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true); // as Harness has it
    const QString to = SettingsFile::path();
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    QFile::copy(settingsFile(), to);
}

QProcessEnvironment CliRun::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    return env;
}

std::unique_ptr<QProcess> CliRun::start(const QStringList &args, const QByteArray &input) const
{
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(environment());
    p->start(executable, args);
    p->write(input);
    p->closeWriteChannel();
    return p;
}

QString CliRun::program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/orva-cli");
}

CliResult CliRun::run(QStringList args, const QByteArray &input, int deadlineMs)
{
    static const QStringList testerCommands = {"read", "write", "calibrate", "restore"};
    if (!args.contains(QStringLiteral("--port")) && !args.isEmpty() &&
        testerCommands.contains(args.first()))
        args << QStringLiteral("--port") << sim.devicePath();
    QProcess p;
    QProcessEnvironment env = environment();
    if (!language.isEmpty()) {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), language);
    }
    p.setProcessEnvironment(env);
    if (fileSizeLimit > 0) {
        const rlim_t limit = rlim_t(fileSizeLimit);
        p.setChildProcessModifier([limit] {
            const rlimit l{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &l);
        });
    }
    QSignalSpy finished(&p, &QProcess::finished);
    QElapsedTimer clock;
    clock.start();
    p.start(executable, args);
    p.waitForStarted(deadlineMs);
    pid = p.processId();
    p.write(input);
    p.closeWriteChannel();
    if (!finished.wait(deadlineMs)) {
        p.kill();
        p.waitForFinished();
    }
    pid = 0;
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError()), clock.elapsed()};
}

QJsonObject CliRun::read()
{
    return QJsonDocument::fromJson(run({QStringLiteral("read")}).out).object();
}

QJsonArray CliRun::history()
{
    return QJsonDocument::fromJson(run({QStringLiteral("history"), QStringLiteral("--json")}).out)
        .array();
}

QJsonObject CliRun::entry(qint64 id)
{
    return QJsonDocument::fromJson(
               run({QStringLiteral("history"), QStringLiteral("--show"), QString::number(id)}).out)
        .object();
}

QString CliRun::document(const QJsonObject &doc, const QString &name)
{
    const QString path = home.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(QJsonDocument(doc).toJson());
    return path;
}

QJsonObject CliRun::with(QJsonObject doc, const QString &field, const QJsonValue &value)
{
    QJsonObject fields = doc.value("fields").toObject();
    fields.insert(field, value);
    doc.insert("fields", fields);
    return doc;
}
