#include "Outcome.h"

#include <algorithm>

bool Outcome::recordUnfinished() const
{
    return std::any_of(recordProblems.cbegin(), recordProblems.cend(),
                       [](const RecordProblem &p) { return p.unfinishedEntry.has_value(); });
}

Outcome::Cause Outcome::causeOf(LinkStatus lost)
{
    switch (lost) {
    case LinkStatus::LostStep:
        return Cause::LostStep;
    case LinkStatus::Refused:
        return Cause::Answered;
    case LinkStatus::PortLost:
        return Cause::PortLost;
    default:
        return Cause::Silent;
    }
}

Outcome Outcome::fatal(const OrvaError &error)
{
    Outcome o;
    o.kind = Kind::Fatal;
    o.cause = Cause::File;
    o.error = error;
    return o;
}
