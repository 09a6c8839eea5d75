#pragma once

#include "TesterSimulator.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

struct CliResult
{
    int status = -1; // -1: it crashed or had to be killed
    QByteArray out;
    QString err;
    qint64 ms = 0; // how long it ran
};

// Runs `action` in the simulator's frame handler once it has received
// `count` frames of `command`.
void onFrames(TesterSimulator &sim, char command, int count, std::function<void()> action);

// orva-cli as a script runs it, against a simulator over its pty; the test's
// event loop keeps the simulator answering meanwhile.
class CliRun
{
public:
    TesterSimulator sim;
    QTemporaryDir home; // the user's data folder
    // Largest file the command may write, in bytes; 0: no limit.
    qint64 fileSizeLimit = 0;
    // The language the command runs in (LANG); empty: the test's own.
    QString language;
    // The running command's process, for a test to signal it.
    qint64 pid = 0;
    // The orva-cli run: a copy elsewhere reads the parameter files beside it.
    QString executable = program();

    CliRun();

    // Names the history in the settings file, as a user would.
    void useHistory(const QString &url, const QString &password = {});
    QString settingsFile() const;
    // Lines of a settings file's [limits], in milliseconds.
    static void setLimits(const QString &settingsFile,
                          const QList<std::pair<QString, int>> &limits);
    void setLimits(const QList<std::pair<QString, int>> &limits)
    {
        setLimits(settingsFile(), limits);
    }
    // Every wait for a silent tester, a bridge or a held history file far
    // shorter than the program's own (those: test_link), each distinct so a
    // trace names the one that ran out.
    static void shortLimits(const QString &settingsFile);
    void shortLimits() { shortLimits(settingsFile()); }
    // This settings file where the windows of this test process read theirs
    // (Qt's test folder under HOME, which is this run's home then).
    void shareSettingsWithWindows() const;
    // The environment orva-cli runs in, for a test that starts it itself.
    QProcessEnvironment environment() const;
    // orva-cli started in that environment, its input written and closed;
    // the caller waits for it.
    std::unique_ptr<QProcess> start(const QStringList &args, const QByteArray &input = {}) const;

    // Adds --port for the simulator to the commands that talk to a tester,
    // unless the arguments name one. Killed after deadlineMs.
    CliResult run(QStringList args, const QByteArray &input = {}, int deadlineMs = 30000);
    QJsonObject read();
    // The history's entries, newest first, and one entry with its documents.
    QJsonArray history();
    QJsonObject entry(qint64 id);
    // Writes a document to a file in the home folder and returns its path.
    QString document(const QJsonObject &doc, const QString &name = QStringLiteral("edited.json"));
    // The document with one field set.
    static QJsonObject with(QJsonObject doc, const QString &field, const QJsonValue &value);
    static QString program();
};
