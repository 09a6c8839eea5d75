#pragma once

#include "FrmOrva.h"
#include "LockableComboBox.h"
#include "ScriptedPrompts.h"
#include "TesterSimulator.h"

#include <QTemporaryDir>

#include <memory>

// One program window against one simulated tester over a real
// pseudo-terminal, with the shipped parameter files in a private folder.
class Harness
{
public:
    Harness();

    TesterSimulator sim;
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    std::unique_ptr<FrmOrva> window;
    int endedWith = -1;
    bool timedOut = false; // a deadline of start() or click() closed the window

    QString path(const QString &name) const { return folder.filePath(name); }
    void writeFile(const QString &name, const QByteArray &contents);
    // Rewrites a parameter file line by line.
    void editFile(const QString &name, const std::function<QString(const QString &)> &edit);

    // The history defaults to an SQLite file in the folder.
    FrmOrva &create(const QStringList &ports = {}, const QString &history = {});
    // Every wait for a silent tester ends sooner than the program's own limit
    // (those: test_link); the limits stay distinct, so the trace names which
    // one ran out. The window must exist.
    void shortLimits();
    // Start-up with the password; returns when the load has completed, or
    // false when the deadline passed first (the window is closed then).
    bool start(const QString &password = QStringLiteral("52917"), int deadlineMs = 20000,
               const QStringList &ports = {});

    // Clicks a button; the click returns when its operation has ended. A
    // deadline closes the window if it does not.
    bool click(const QString &button, int deadlineMs = 20000);
    // Runs `action` once the simulator has received `count` frames of `command`.
    void whenFrames(char command, int count, std::function<void()> action);

    QList<QByteArray> frames(char command) const { return sim.framesStartingWith(command); }
};

// The address a frame carries.
int frameAddress(const QByteArray &frame);
