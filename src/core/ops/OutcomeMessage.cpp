#include "OutcomeMessage.h"

#include "Outcome.h"
#include "link/Frames.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OutcomeMessage)
};

using Kind = Outcome::Kind;
using Cause = Outcome::Cause;
using Operation = Outcome::Operation;

// "did not acknowledge address 0040h and stopped answering", and so on.
QString whatHappened(Cause cause, std::optional<quint16> address)
{
    const QString at =
        address ? Texts::tr(" at address %1h").arg(Frames::formatAddress(*address)) : QString();
    switch (cause) {
    case Cause::LostStep:
        return Texts::tr("the line to ORVA equipment lost step%1 (bytes came that no command "
                         "was waiting for)")
            .arg(at);
    case Cause::Answered:
        return Texts::tr("ORVA equipment refused the byte%1").arg(at);
    case Cause::PortLost:
        return Texts::tr("the serial port was lost%1 (adapter unplugged?)").arg(at);
    default:
        return address ? Texts::tr("ORVA equipment did not acknowledge address %1h and "
                                   "stopped answering")
                             .arg(Frames::formatAddress(*address))
                       : Texts::tr("ORVA equipment stopped answering");
    }
}

QString errorText(const Outcome &o)
{
    return o.error ? o.error->description() : QString();
}

QString notOfferedText(const Outcome &o)
{
    QStringList lines;
    for (const NotOffered &n : o.notOffered)
        lines.append(
            QStringLiteral("- %1 (%2): %3").arg(Controls::caption(n.control), n.key, n.bytes));
    return Texts::tr("The equipment holds values this program does not offer:\r\n%1\r\n"
                     "They are kept: a send writes them back as they are, unless you "
                     "change them.")
        .arg(lines.join(QStringLiteral("\r\n")));
}

OutcomeMessage ofLoad(const Outcome &o)
{
    if (o.kind == Kind::Done && !o.notOffered.isEmpty())
        return {Texts::tr("ORVA parameters ..."), notOfferedText(o)};
    if (o.kind != Kind::NoTester)
        return {};
    if (o.cause == Cause::LostStep)
        return {QString(),
                Texts::tr("The line to the equipment kept losing step (bytes came that no "
                          "command was waiting for) for %1 s: check the cable and the port.")
                    .arg(o.waitedSeconds)};
    return {QString(), Texts::tr("No equipment answered within %1 s: check the cable, the port "
                                 "and the equipment's power supply.")
                           .arg(o.waitedSeconds)};
}

OutcomeMessage ofSend(const Outcome &o)
{
    const QString title = Texts::tr("ORVA connection ...");
    switch (o.kind) {
    case Kind::NoTester:
        return {title,
                Texts::tr("Transmission Parameters FAILED because ORVA equipment is not "
                          "connected or is power off !\r\nWait a new connection and SET new "
                          "parameters AGAIN ...."),
                true};
    case Kind::Refused:
        return {title, Texts::tr("Nothing was sent: %1").arg(errorText(o))};
    case Kind::Incomplete:
        return {title,
                Texts::tr("Transmission Parameters INCOMPLETE: %1.\r\nThe equipment now holds "
                          "only part of the new parameters: check the connection and the "
                          "power supply, then SEND the parameters AGAIN.")
                    .arg(o.cause == Cause::File ? errorText(o) : whatHappened(o.cause, o.address)),
                true};
    default:
        return {};
    }
}

QString calibrationFailure(const Outcome &o)
{
    const QString caption = calibrationName(o.beam);
    switch (o.cause) {
    case Cause::NoFactor: {
        const CalibrationMeasure m = o.measure.value_or(CalibrationMeasure{});
        return Texts::tr("No conversion factor for %1: the reading %2 divided by the reference "
                         "\"%3\" lux gives no factor from 0 to 32767. Enter the reference "
                         "illuminance (1 to 9999 lux) and calibrate again; nothing was written.")
            .arg(caption)
            .arg(m.reading)
            .arg(m.referenceLux);
    }
    case Cause::File:
        return Texts::tr("%1 Nothing was written.").arg(errorText(o));
    case Cause::Silent:
        return Texts::tr("The equipment sent no reading for %1: nothing was changed. Check the "
                         "connection and try again.")
            .arg(caption);
    default:
        return Texts::tr("%1 was not possible: %2. Nothing was written; check the connection "
                         "and calibrate again.")
            .arg(caption, whatHappened(o.cause, o.address));
    }
}

OutcomeMessage ofLuxCalibration(const Outcome &o)
{
    const QString title = Texts::tr("Calibrating Lux ...");
    switch (o.kind) {
    case Kind::NoTester:
        return {title, Texts::tr("%1 is not possible: ORVA equipment is not connected or is "
                                 "power off !\r\nThe parameters are read again from the "
                                 "equipment as soon as it answers; changes not yet sent are "
                                 "replaced.")
                           .arg(calibrationName(o.beam))};
    case Kind::Refused:
        return {title, Texts::tr("Nothing was written: %1").arg(errorText(o))};
    case Kind::Incomplete:
        return {title, Texts::tr("The factor may not be stored: %1. Check the connection and "
                                 "calibrate again.")
                           .arg(whatHappened(o.cause, o.address))};
    case Kind::Failed:
        return {title, calibrationFailure(o)};
    default:
        return {};
    }
}

} // namespace

QString calibrationName(Beam beam)
{
    return beam == Beam::Low ? Texts::tr("Calibrate Low Beam") : Texts::tr("Calibrate High Beam");
}

OutcomeMessage messageOf(const Outcome &o)
{
    switch (o.kind) {
    case Kind::Fatal:
        return {Texts::tr("Error not handled"),
                Texts::tr("Error n°%1\r\nDescription : %2")
                    .arg(o.error ? o.error->number() : 0)
                    .arg(errorText(o)),
                true};
    // The read-back of a write that went as asked: worded alike for every write.
    case Kind::Unverified:
        if (o.address)
            return {QString(), Texts::tr("The tester acknowledged every byte, but did not answer "
                                         "in step while they were read back (address %1h): read "
                                         "it again to see what it holds.")
                                   .arg(Frames::formatAddress(*o.address))};
        return {QString(), Texts::tr("The line lost step while what was sent was read back: read "
                                     "the tester again to see what it holds.")};
    case Kind::Mismatch:
        return {QString(), Texts::tr("The tester acknowledged every byte, but %1 byte(s) read back "
                                     "differ from what was sent: send again.")
                               .arg(o.mismatches.size())};
    default:
        break;
    }
    switch (o.operation) {
    case Operation::Load:
        return ofLoad(o);
    case Operation::Send:
        return ofSend(o);
    case Operation::LuxCalibration:
        return ofLuxCalibration(o);
    case Operation::PhotodiodeCalibration:
        break;
    }
    return {};
}

OutcomeMessage recordMessageOf(const Outcome &o)
{
    QStringList lines;
    for (const RecordProblem &p : o.recordProblems) {
        if (!p.unfinishedEntry) {
            lines.append(p.error.description());
            continue;
        }
        lines.append(Texts::tr("The tester was written, but the end of its record (history entry "
                               "%1) could not be saved: %2\r\nThe tester now holds: %3.")
                         .arg(*p.unfinishedEntry)
                         .arg(p.error.description(),
                              p.testerHolds.isEmpty() ? Texts::tr("no change")
                                                      : p.testerHolds.join(QStringLiteral("; "))));
    }
    if (lines.isEmpty())
        return {};
    return {Texts::tr("ORVA service history ..."), lines.join(QStringLiteral("\r\n"))};
}

OutcomeMessage notSentMessageOf(const Outcome &o)
{
    if (o.notSent.isEmpty())
        return {};
    QStringList lines;
    for (const Unsent &u : o.notSent)
        lines.append(
            u.why == Unsent::Why::EmptyValue
                ? Texts::tr("%1: empty value, not sent (addr. h%2 )").arg(u.name, u.address)
                : Texts::tr("Line %1 of the parameter file has no usable value for %2: "
                            "not sent (addr. h%3 )")
                      .arg(u.lineNumber)
                      .arg(u.name, u.address));
    return {Texts::tr("ORVA connection ..."),
            Texts::tr("These lines of the parameter file were not sent:\r\n%1")
                .arg(lines.join(QStringLiteral("\r\n")))};
}

QStringList mismatchLinesOf(const Outcome &o)
{
    QStringList lines;
    for (const ByteMismatch &m : o.mismatches)
        lines.append(Texts::tr("%1 at address %2h: sent %3, the tester holds %4")
                         .arg(m.name, Frames::formatAddress(m.address), Frames::formatByte(m.sent),
                              Frames::formatByte(m.held)));
    return lines;
}
