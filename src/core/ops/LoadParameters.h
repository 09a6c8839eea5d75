#pragma once

struct OpContext;

// Waits for the tester, picks the parameter file of its firmware version and
// shows every parameter it holds. Unexpected errors end the program.
void LoadParameters(OpContext &ctx);
