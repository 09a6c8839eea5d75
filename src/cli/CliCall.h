#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;
struct CliCommand;

// How long a command that talks to the tester waits for its first answer.
inline constexpr int DefaultTimeoutSeconds = 30;
inline constexpr int MaxTimeoutSeconds = 86400;

// What every command is run with: its row of the table, the parsed command
// line, and the settings all commands share.
struct CliCall
{
    const CliCommand &command;
    const QCommandLineParser &parser;
    QStringList positional;
    QString history;    // where the service history is; empty: the configured one
    bool record = true; // false with --no-history
    int timeoutSeconds = DefaultTimeoutSeconds;

    // Says a usage error in one line, with where to read more; returns ExitUsage.
    int usage(const QString &message) const;
};
