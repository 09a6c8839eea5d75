#pragma once

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;
struct CliOptions;

// orva-cli testers: the register of testers, soonest expiry first, as text,
// JSON or CSV.
namespace TestersCommand {

QList<QCommandLineOption> options();
// Returns the exit status; a wrong option value is a usage error.
int run(const QCommandLineParser &parser, const CliOptions &options);

} // namespace TestersCommand
