#include "CliCall.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "ExitStatus.h"
#include "SharedOptions.h"
#include "TesterPrologue.h"
#include "commands/Commands.h"
#include "history/ServiceHistory.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using CliOutput::fail;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};
struct UsageTexts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

int restore(CliSession &cli, const CliCall &call, qint64 entry, AccessLevel level)
{
    if (level == AccessLevel::Unknown)
        return fail(ExitAccessRefused, Texts::tr("this password may not change any parameter"));
    cli.setLevel(level);
    if (!cli.records())
        return fail(ExitUsage, Texts::tr("restore needs the service history"));
    if (const int s = cli.openHistory(true))
        return s;
    const Result<HistoryEntry> found = cli.history()->entry(entry);
    if (!found)
        return fail(ExitBadInput, found.error().description());
    TesterState target = found->before;
    if (target.isEmpty())
        return fail(ExitBadInput, Texts::tr("entry %1 is a %2 and holds no state before it: "
                                            "restore an entry of a send, a calibration or a "
                                            "restore")
                                      .arg(entry)
                                      .arg(HistoryEntry::kindName(found->kind)));
    const QString device = call.parser.value(SharedOptions::Port);
    if (const int s = cli.connect(device))
        return s;
    const TesterState &now = cli.session().testerState();
    if (now.serial() != target.serial() && !call.parser.isSet(SharedOptions::OtherTester))
        return fail(ExitBadInput, Texts::tr("entry %1 is of the tester %2, not of %3 on %4: "
                                            "nothing was written (--other-tester restores it "
                                            "anyway)")
                                      .arg(entry)
                                      .arg(target.serial(), now.serial(), device));
    QList<Control> factors;
    for (const Beam beam : Beams::All)
        if (const Control c = Beams::info(beam).factor; target.differs(c, now))
            factors.append(c);
    // The tester sets its photodiode offsets itself, by calibrating them.
    target.offsets.reset();
    if (const int s = cli.apply(target.toDocument(), Texts::tr("entry %1").arg(entry), level, true))
        return s;
    cli.session().policy().verifyWrites = !call.parser.isSet(SharedOptions::NoVerify);
    return cli.finished(cli.session().restore(entry, factors));
}

int run(CliCall &call)
{
    if (const int s = TesterPrologue::check(call))
        return s;
    bool ok = false;
    const qint64 entry = call.positional.value(0).toLongLong(&ok);
    if (!ok || entry < 1)
        return call.usage(UsageTexts::tr("ENTRY is an entry number of orva-cli history"));
    return TesterPrologue::runWithPassword(
        call, [&](CliSession &cli, AccessLevel level) { return restore(cli, call, entry, level); });
}

} // namespace

CliCommand Commands::restore()
{
    return {
        "restore",
        "restore ENTRY --port DEVICE [--other-tester]",
        QT_TRANSLATE_NOOP("CliMain", "Put the tester back to a history entry's state before it."),
        QList<QCommandLineOption>{SharedOptions::Port, SharedOptions::OtherTester,
                                  SharedOptions::NoVerify} +
            SharedOptions::line(false),
        {QStringLiteral("ENTRY")},
        &run};
}
