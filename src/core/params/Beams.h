#pragma once

#include "base/Control.h"

#include <QString>

#include <optional>

enum class Beam { Low, High };

// What each beam is made of: its controls, the tester's factor parameter
// and the photodiode that measures it.
struct BeamInfo
{
    Beam beam;
    const char *name; // as the history stores it and the command line takes it
    Control calibrate;
    Control abort;
    Control reference; // the reference illuminance, in lux
    Control reading;   // what the photodiode gave
    Control factor;
};

namespace Beams {

const BeamInfo &info(Beam beam);
QString name(Beam beam);
std::optional<Beam> byName(const QString &name);
// The factor's parameter key in the catalogue.
QString factorKey(Beam beam);
// The photodiode channel: the low beam's depends on whether the lamp type
// is the list's first.
quint8 channel(Beam beam, bool firstLampType);

constexpr Beam All[] = {Beam::Low, Beam::High};

} // namespace Beams
