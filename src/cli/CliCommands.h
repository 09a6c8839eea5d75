#pragma once

#include "TerminalForm.h"
#include "ops/TesterSession.h"

#include <QString>

// The exit status of orva-cli, one per cause a script may want to tell apart.
enum ExitStatus {
    ExitOk = 0,
    ExitUsage = 2,
    ExitNoTester = 3,
    ExitPortUnusable = 4,
    ExitAccessRefused = 5,
    ExitVerifyMismatch = 6,
    ExitBadInput = 7,
    ExitTesterFault = 8,
};

// The command-line tool's commands on one serial port: the window's own
// operations, run by the same session on a form without widgets. Each
// command returns its exit status and has said on stderr what went wrong.
class CliCommands
{
public:
    CliCommands(const QString &programFolder, int timeoutSeconds, bool progress);

    SerialLink &link() { return m_session.serial(); }

    static int listPorts();
    int read(const QString &device, const QString &outFile);
    int write(const QString &device, const QString &inFile, AccessLevel level, bool verify);
    int calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                  bool yes);

private:
    int open(const QString &device);
    // Waits for the tester (at most the timeout) and loads every parameter.
    int load();
    int verifyWritten();
    int fail(int status, const QString &message);
    // The exit status and message of an operation that did not succeed.
    int failed(const Outcome &outcome);

    int m_timeoutSeconds;
    TerminalForm m_form;
    TesterSession m_session;
    QString m_device;
    QString m_lastBackup;
};
