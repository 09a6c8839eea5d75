#pragma once

#include "CommandTable.h"

// Each command's row of the table, defined in the command's own file.
namespace Commands {

CliCommand ports();
CliCommand read();
CliCommand write();
CliCommand calibrate();
CliCommand restore();
CliCommand history();
CliCommand historySync();
CliCommand testers();
CliCommand report();

} // namespace Commands
