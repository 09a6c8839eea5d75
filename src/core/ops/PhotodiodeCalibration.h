#pragma once

struct OpContext;
struct Outcome;

// Waits until the tester answers, then starts its own offset calibration.
Outcome PhotodiodeCalibration(OpContext &ctx);
