#include "CliCall.h"
#include "CliOutput.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "commands/Commands.h"
#include "history/ServiceHistory.h"

#include <QCoreApplication>
#include <QTextStream>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)
};

// Gives a server history what this computer's copy of it holds. Its English
// line on standard output is for scripts.
int run(CliCall &call)
{
    const Result<HistoryLocation> location = HistoryLocation::configured(call.history);
    if (!location)
        return fail(ExitUsage, location.error().description());
    const QString server = location->describe();
    if (location->kind != HistoryLocation::Kind::PostgreSQL) {
        QTextStream(stdout) << "history is a file (" << server << "): nothing to push\n";
        return ExitOk;
    }
    const auto history = ServiceHistory::openConfigured(call.history);
    if (!history)
        return fail(ExitHistory, history.error().description());
    // Opening pushed already; a server it could not reach is not tried a
    // second time (its time-out again), but its answer is given.
    const Result<int> pushed = history.value()->push();
    const Result<int> left = history.value()->pendingCount();
    if (!pushed || !left || *left > 0)
        return fail(ExitHistory,
                    Texts::tr("%1\r\n%2 entries wait on this computer for the server.")
                        .arg(pushed
                                 ? Texts::tr("Not every entry reached the server %1.").arg(server)
                                 : pushed.error().description())
                        .arg(left ? *left : -1));
    QTextStream(stdout) << "every entry of this computer is on " << server << '\n';
    return ExitOk;
}

} // namespace

CliCommand Commands::historySync()
{
    return {"history sync",
            "history sync",
            QT_TRANSLATE_NOOP("CliMain", "Give a server history the entries this computer keeps "
                                         "for it while the server cannot be reached."),
            {SharedOptions::History},
            {},
            &run};
}
