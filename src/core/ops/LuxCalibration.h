#pragma once

#include "params/Beams.h"

#include <QString>

#include <optional>

struct OpContext;
struct Outcome;

// Measures a beam's conversion factor against the reference illuminance,
// asks for confirmation and writes it to the tester.
Outcome LuxCalibration(OpContext &ctx, Beam beam);

// Counts per lux rounded half to even; nullopt when the reference is empty
// or zero or the factor does not fit 0 .. 32767.
std::optional<int> conversionFactor(quint32 reading, const QString &reference);
