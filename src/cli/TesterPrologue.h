#pragma once

#include "base/AccessLevel.h"

#include <functional>

class CliSession;
struct CliCall;

// The start every command that talks to the tester shares: --port and
// --timeout checked, a session on the port, the trace, and for a command
// that may write, the password with Ctrl+C stopping the write between two
// bytes.
namespace TesterPrologue {

// Checks --port and --timeout into `call`; returns ExitUsage or ExitOk.
int check(CliCall &call);
// Runs `job` on a session; a trace that failed is an output failure.
int run(const CliCall &call, const std::function<int(CliSession &)> &job);
// The same, with the password's access level.
int runWithPassword(const CliCall &call, const std::function<int(CliSession &, AccessLevel)> &job);

} // namespace TesterPrologue
