#include "CliCall.h"

#include "CliOutput.h"
#include "CommandTable.h"
#include "ExitStatus.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};
} // namespace

int CliCall::usage(const QString &message) const
{
    CliOutput::err()
        << "orva-cli: "
        << Texts::tr("%1 (see orva-cli %2--help)").arg(message, QLatin1String(command.name) + u' ')
        << '\n';
    return ExitUsage;
}
