#pragma once

#include "CliForm.h"
#include "access/AccessLevel.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/SerialLink.h"
#include "ops/LuxCalibration.h"
#include "ops/Session.h"

#include <QJsonObject>
#include <QString>
#include <QTimer>

#include <memory>

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
// operations, run on a form without widgets.
class CliRunner
{
public:
    CliRunner(const QString &programFolder, int timeoutSeconds, bool progress);

    SerialLink &link() { return m_link; }

    static int listPorts();
    // Each returns the exit status and has said what went wrong on stderr.
    int read(const QString &device, const QString &outFile);
    int write(const QString &device, const QString &inFile, AccessLevel level, bool verify);
    int calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                  bool yes);

private:
    int open(const QString &device);
    std::unique_ptr<QTimer> armDeadline();
    // Waits for the tester (at most the timeout) and loads every parameter.
    int load();
    int verifyWritten();
    int fail(int status, const QString &message);

    int m_timeoutSeconds;
    SerialLink m_link;
    AbortFlag m_abort;
    Session m_session;
    CliForm m_form;
    Equipment m_equipment;
    OpContext m_ctx;
    QString m_device;
    bool m_answered = false;
};
