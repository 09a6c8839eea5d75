#pragma once

#include <QtGlobal>

class AbortFlag;
class SerialLink;

enum class WaitResult { Ready, Aborted, TimedOut, PortLost };

// The one way this program waits for the tester: a nested event loop that
// wakes on received bytes, the deadline, the abort flag and the program
// closing, so window events keep running and no CPU is spent meanwhile.
// Throws ProgramClosing when the program is closing.
namespace LinkWait {

// Until `count` bytes are waiting in the link's buffer. `abort` may be null
// for waits the Abort buttons do not end; timeoutMs < 0 waits without limit.
WaitResult forBytes(SerialLink &link, const AbortFlag *abort, qsizetype count, int timeoutMs);

// Until a network line being opened has connected (Ready) or failed
// (PortLost).
WaitResult forConnection(SerialLink &link, int timeoutMs);

// Lets time pass (the deadline, an abort or closing ends it).
WaitResult idle(SerialLink &link, const AbortFlag *abort, int timeoutMs);

// Until the line has been quiet for quietMs, dropping what arrives meanwhile;
// TimedOut when it has not fallen quiet within maxMs.
WaitResult quiet(SerialLink &link, const AbortFlag *abort, int quietMs, int maxMs);

} // namespace LinkWait
