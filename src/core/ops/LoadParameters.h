#pragma once

struct OpContext;
struct Outcome;

// Waits for the tester, picks the parameter file of its firmware version and
// shows every parameter it holds. A tester that stops answering, or a line
// that loses step, starts it again from the connection check; nothing read
// before is kept. Ends Fatal when the parameter files do not allow a load,
// and NoTester when the policy's time to wait has passed.
Outcome LoadParameters(OpContext &ctx);

// A send or calibration found no tester: where the policy asks for it, the
// user is told and the window is loaded again once a tester answers. The
// outcome is the one given, or the load's when that was fatal.
Outcome reloadAfter(OpContext &ctx, Outcome noTester);
