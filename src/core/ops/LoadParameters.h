#pragma once

struct OpContext;
struct Outcome;

// Waits for the tester, picks the parameter file of its firmware version and
// shows every parameter it holds. A tester that stops answering, or a line
// that loses step, starts it again from the connection check; nothing read
// before is kept. Ends Fatal when the parameter files do not allow a load,
// and NoTester when the policy's time to wait has passed.
Outcome LoadParameters(OpContext &ctx);
