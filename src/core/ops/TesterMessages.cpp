#include "TesterMessages.h"

#include "link/Frames.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TesterMessages)
};
} // namespace

Outcome::Cause TesterMessages::causeOf(const TesterLost &lost)
{
    switch (lost.status) {
    case LinkStatus::LostStep:
        return Outcome::Cause::LostStep;
    case LinkStatus::Refused:
        return Outcome::Cause::Answered;
    case LinkStatus::PortLost:
        return Outcome::Cause::PortLost;
    default:
        return Outcome::Cause::Silent;
    }
}

QString TesterMessages::whatHappened(const TesterLost &lost)
{
    const QString at = lost.address
                           ? Texts::tr(" at address %1h").arg(Frames::formatAddress(*lost.address))
                           : QString();
    switch (lost.status) {
    case LinkStatus::LostStep:
        return Texts::tr("the line to ORVA equipment lost step%1 (bytes came that no command "
                         "was waiting for)")
            .arg(at);
    case LinkStatus::Refused:
        return Texts::tr("ORVA equipment refused the byte%1").arg(at);
    case LinkStatus::PortLost:
        return Texts::tr("the serial port was lost%1 (adapter unplugged?)").arg(at);
    default:
        return lost.address ? Texts::tr("ORVA equipment did not acknowledge address %1h and "
                                        "stopped answering")
                                  .arg(Frames::formatAddress(*lost.address))
                            : Texts::tr("ORVA equipment stopped answering");
    }
}
