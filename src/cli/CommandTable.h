#pragma once

#include <QByteArray>
#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

struct CliCall;

// One command of orva-cli: everything the parser, the usage text, --help and
// the documentation's check need, and the handler that runs it.
struct CliCommand
{
    const char *name; // a subcommand's row is named by both words: "history sync"
    const char *synopsis;
    const char *summary; // marked for translation in the context CliMain
    QList<QCommandLineOption> options;
    QStringList positional; // names of required positional arguments
    int (*run)(CliCall &call);
    bool rendersPages = false; // needs Qt Gui (and fonts)

    bool offers(const QCommandLineOption &option) const;
};

namespace CommandTable {

const QList<CliCommand> &all();
// The row the command line's first words name, the longest that fits.
const CliCommand *find(const QStringList &words);
// The text of orva-cli --help.
QString overview();
// The table, one command a line: its name, a tab, its options as
// --name[=VALUE[=DEFAULT]] apart by spaces, a tab, its synopsis. For the
// test that checks the completion and the manual page, and for scripts.
QByteArray dump();

} // namespace CommandTable
