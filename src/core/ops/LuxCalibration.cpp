#include "LuxCalibration.h"

#include "LoadParameters.h"
#include "OpContext.h"
#include "OutcomeMessage.h"
#include "Session.h"
#include "Tester.h"
#include "TransferScope.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"

#include <QCoreApplication>
#include <cfenv>
#include <cmath>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LuxCalibration)
};

QString title()
{
    return Texts::tr("Calibrating Lux ...");
}

Outcome ended(Beam beam, Outcome::Kind kind, Outcome::Cause cause = Outcome::Cause::None)
{
    Outcome o;
    o.kind = kind;
    o.cause = cause;
    o.operation = Outcome::Operation::LuxCalibration;
    o.beam = beam;
    return o;
}

quint8 channelOf(const OrvaForm &form, Beam beam)
{
    const QStringList lamps = form.items(Control::ListaTipoFaro);
    return Beams::channel(beam, !lamps.isEmpty() &&
                                    form.currentText(Control::ListaTipoFaro) == lamps.first());
}

// From the reading on: the factor, the question and the write.
Outcome measureBeam(OpContext &ctx, Beam beam, const QString &keptFactor)
{
    const BeamInfo &c = Beams::info(beam);
    OrvaForm &form = ctx.form;
    Tester &tester = ctx.tester;
    const auto reading = tester.readPhotodiode(channelOf(form, beam));
    if (!reading || tester.link().abortFlag().isSet())
        return ended(beam, Outcome::Kind::Aborted);
    const QString reference = form.text(c.reference);
    const auto factor =
        *reading < 0x80000000u ? conversionFactor(*reading, reference) : std::nullopt;
    const CalibrationMeasure measure{beam, reference, *reading, factor, keptFactor};
    form.setText(c.reading, QString::number(*reading));
    if (!factor) {
        form.setText(c.factor, keptFactor);
        Outcome o = ended(beam, Outcome::Kind::Failed, Outcome::Cause::NoFactor);
        o.measure = measure;
        return o;
    }
    Outcome o = ended(beam, Outcome::Kind::Done);
    o.measure = measure;
    form.setText(c.factor, QString::number(factor.value_or(0)));
    // The question, then what answering Yes changes.
    const QString question = Texts::tr("Are you sure to %1?").arg(calibrationName(beam)) +
                             Texts::tr("\r\n\r\nReading: %1\r\nNew factor: %2, replacing %3")
                                 .arg(*reading)
                                 .arg(factor.value_or(0))
                                 .arg(keptFactor.isEmpty() ? QStringLiteral("none") : keptFactor);
    if (!form.confirm(title(), question)) {
        form.setText(c.factor, keptFactor);
        form.setText(c.reading, QStringLiteral("0"));
        o.kind = Outcome::Kind::Declined;
        return o;
    }
    if (ctx.policy.beforeWrite) {
        if (const Result<> record = ctx.policy.beforeWrite(WriteIntent{measure}); !record) {
            o.kind = Outcome::Kind::Refused;
            o.error = record.error();
            return o;
        }
    }
    const auto written =
        tester.writeParameter(form.text(c.factor), Beams::factorKey(beam), WriteMode::Number);
    if (!written) {
        o.kind = Outcome::Kind::Failed;
        o.cause = Outcome::Cause::File;
        o.error = written.error();
    } else if (*written == Tester::Written::Aborted) {
        o.kind = Outcome::Kind::Aborted;
    }
    return o;
}

} // namespace

std::optional<int> conversionFactor(quint32 reading, const QString &reference)
{
    bool ok = false;
    const double lux = reference.trimmed().toDouble(&ok);
    if (!ok || lux <= 0)
        return std::nullopt;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double factor = std::nearbyint(double(reading) / lux);
    std::fesetround(previous);
    if (factor > 32767)
        return std::nullopt;
    return int(factor);
}

Outcome LuxCalibration(OpContext &ctx, Beam beam)
{
    OrvaForm &form = ctx.form;
    const BeamInfo &c = Beams::info(beam);
    const TransferScope scope(ctx, c.calibrate, c.abort);
    form.setText(c.reading, QString());
    const QString keptFactor = form.text(c.factor);
    form.setText(c.factor, QString());

    if (!ctx.tester.checkConnection()) {
        form.setShown(c.abort, false);
        form.setShown(c.calibrate, true);
        ctx.tester.link().abortFlag().clear();
        form.setOpen(c.calibrate, false);
        // The reload replaces what the user changed: say so rather than lose it silently.
        return reloadAfter(ctx, ended(beam, Outcome::Kind::NoTester, Outcome::Cause::Silent));
    }
    form.setStatus(Texts::tr("Wait sending parameters to Equipment ...."));
    Outcome outcome;
    try {
        outcome = measureBeam(ctx, beam, keptFactor);
    } catch (const TesterLost &lost) {
        // Nothing read is trusted, so the fields stay empty as after an Abort.
        form.setText(c.reading, QString());
        form.setText(c.factor, QString());
        // An address: the write itself was cut short.
        outcome = ended(beam, lost.address ? Outcome::Kind::Incomplete : Outcome::Kind::Failed,
                        Outcome::causeOf(lost.status));
        outcome.address = lost.address;
    }
    form.setStatus(QString());
    return outcome;
}
