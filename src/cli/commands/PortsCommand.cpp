#include "CliCall.h"
#include "ExitStatus.h"
#include "commands/Commands.h"
#include "link/PortCatalogue.h"

#include <QTextStream>

namespace {

int run(CliCall &)
{
    const PortCatalogue ports;
    QTextStream out(stdout);
    for (const int n : ports.usableNumbers()) {
        const QString entry = PortCatalogue::entryText(n);
        out << entry.left(entry.indexOf(u' ')) << '\t' << ports.tooltip(n) << '\n';
    }
    return ExitOk;
}

} // namespace

CliCommand Commands::ports()
{
    return {"ports",
            "ports",
            QT_TRANSLATE_NOOP("CliMain", "List the serial ports the window would offer."),
            {},
            {},
            &run};
}
