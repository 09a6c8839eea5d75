#pragma once

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;
struct CliOptions;

// orva-cli history: the service history listed newest first, filtered and
// paged, or one entry with its documents.
namespace HistoryCommand {

// The options of the listing's filters.
QList<QCommandLineOption> filterOptions();
// Gives a server history what this computer's copy of it holds.
int sync(const CliOptions &options);
// Returns the exit status; a wrong option value is a usage error.
int run(const QCommandLineParser &parser, const CliOptions &options);

} // namespace HistoryCommand
