#pragma once

#include "TerminalForm.h"
#include "ops/TesterSession.h"

#include <QString>

#include <memory>

class ServiceHistory;

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
    ExitHistory = 9,
    ExitOutputFailed = 10,
    ExitRecordUnfinished = 11, // the tester was written; its record could not be finished
};

struct CliOptions
{
    int timeoutSeconds = 30;
    QString history;    // where the service history is; empty: the configured one
    bool record = true; // false with --no-history
};

// The command-line tool's commands: the window's own operations, run by the
// same session on a form without widgets, and the service history. Each
// command returns its exit status and has said on stderr what went wrong.
class CliCommands
{
public:
    CliCommands(const QString &programFolder, const CliOptions &options, bool progress);
    ~CliCommands();

    SerialLink &link() { return m_session.serial(); }
    TesterSession &session() { return m_session; }

    static int listPorts();
    static int writeReport(const CliOptions &options, const QString &serial, const QDate &day,
                           qint64 entry, const QString &outFile);
    int read(const QString &device, const QString &outFile);
    int write(const QString &device, const QString &inFile, AccessLevel level, bool otherTester,
              bool verify);
    int calibrate(const QString &device, Beam beam, const QString &lux, AccessLevel level,
                  bool yes);
    int restore(const QString &device, qint64 entry, AccessLevel level, bool otherTester,
                bool verify);

private:
    // Opens the service history; a write needs it (or --no-history).
    int openHistory(bool forWriting);
    int open(const QString &device);
    // Waits for the tester (at most the timeout) and loads every parameter.
    int load();
    // Applies a document to the loaded form; refusals named on stderr.
    int apply(const QJsonObject &document, const QString &source, AccessLevel level, bool factors);
    int finished(const Outcome &outcome);
    int failed(const Outcome &outcome);

    CliOptions m_options;
    TerminalForm m_form;
    TesterSession m_session;
    std::unique_ptr<ServiceHistory> m_history;
    QString m_device;
};
