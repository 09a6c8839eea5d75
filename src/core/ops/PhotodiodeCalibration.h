#pragma once

struct OpContext;

// Waits until the tester answers, then starts its own offset calibration.
void PhotodiodeCalibration(OpContext &ctx);
