#include "TesterPrologue.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "Console.h"
#include "ExitStatus.h"
#include "Interruption.h"
#include "PasswordInput.h"
#include "SharedOptions.h"
#include "access/Passwords.h"
#include "link/LineAddress.h"
#include "link/SerialTrace.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using CliOutput::err;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

int withPassword(CliSession &cli, const std::function<int(CliSession &, AccessLevel)> &job)
{
    const auto password = PasswordInput::read();
    if (!password) {
        err() << "orva-cli: "
              << Texts::tr("the password line is longer than %1 characters: nothing was done")
                     .arg(PasswordInput::MaxLength)
              << '\n';
        return int(ExitBadInput);
    }
    // From here on, Ctrl+C stops a write between two bytes.
    Interruption interruption(cli.session());
    const int status = job(cli, Access::levelFor(*password));
    if (!interruption.signal())
        return status;
    err() << "orva-cli: "
          << Texts::tr("interrupted by %1: the write stopped between two bytes; the history "
                       "records what the tester acknowledged")
                 .arg(Interruption::name(interruption.signal()))
          << '\n';
    return 128 + interruption.signal();
}

} // namespace

int TesterPrologue::check(CliCall &call)
{
    const QCommandLineParser &parser = call.parser;
    if (!parser.isSet(SharedOptions::Port))
        return call.usage(Texts::tr("--port DEVICE is needed"));
    if (const Result<LineAddress> line = LineAddress::parse(parser.value(SharedOptions::Port));
        !line)
        return call.usage(line.error().description());
    bool ok = false;
    call.timeoutSeconds = parser.value(SharedOptions::Timeout).toInt(&ok);
    if (!ok || call.timeoutSeconds < 1 || call.timeoutSeconds > MaxTimeoutSeconds)
        return call.usage(Texts::tr("--timeout takes a whole number of seconds from 1 to %1")
                              .arg(MaxTimeoutSeconds));
    return ExitOk;
}

int TesterPrologue::run(const CliCall &call, const std::function<int(CliSession &)> &job)
{
    CliSession cli(QCoreApplication::applicationDirPath(), call,
                   Console::isTerminal(Console::Error));
    SerialTrace serialTrace(cli.link());
    if (call.parser.isSet(SharedOptions::Trace)) {
        if (const Result<> opened = serialTrace.open(call.parser.value(SharedOptions::Trace));
            !opened)
            return call.usage(opened.error().description());
    }
    int status = job(cli);
    if (!serialTrace.failure().isEmpty()) {
        err() << "orva-cli: " << serialTrace.failure() << '\n';
        if (status == ExitOk)
            status = ExitOutputFailed;
    }
    return status;
}

int TesterPrologue::runWithPassword(const CliCall &call,
                                    const std::function<int(CliSession &, AccessLevel)> &job)
{
    return run(call, [&](CliSession &cli) { return withPassword(cli, job); });
}
