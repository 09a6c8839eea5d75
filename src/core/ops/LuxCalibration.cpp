#include "LuxCalibration.h"

#include "LoadParameters.h"
#include "OrvaForm.h"
#include "Session.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/Frames.h"
#include "link/OrvaError.h"

#include <cfenv>
#include <cmath>

namespace {

struct BeamControls
{
    QString calibrate;
    QString caption;
    QString abort;
    QString reference;
    QString reading;
    QString factor;
    QString key;
};

BeamControls controlsOf(Beam beam)
{
    if (beam == Beam::Low)
        return {"CmdCalibraAna",       "Calibrate Low Beam", "CmdInterrompiAna",
                "TestoLuxAnaCampione", "TestoBitAnaScheda",  "TestoAnaConv",
                "offset_convan"};
    return {"CmdCalibraAbb",     "Calibrate High Beam", "CmdInterrompiAbb", "TestoLuxAbbCampione",
            "TestoBitAbbScheda", "TestoAbbConv",        "offset_convab"};
}

const QString Title = QStringLiteral("Calibrating Lux ...");

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

void LuxCalibration(OpContext &ctx, Beam beam)
{
    OrvaForm &form = ctx.form;
    Equipment &eq = ctx.equipment;
    const BeamControls c = controlsOf(beam);

    form.lockAllControls();
    form.setShown(c.calibrate, false);
    form.setShown(c.abort, true);
    form.setText(c.reading, QString());
    const QString keptFactor = form.text(c.factor);
    form.setText(c.factor, QString());

    if (eq.checkConnection() != QByteArray(1, Frames::Ack)) {
        form.setShown(c.abort, false);
        form.setShown(c.calibrate, true);
        eq.abortFlag().clear();
        form.setEnabled(c.calibrate, false);
        // The reload replaces what the user changed: say so rather than lose it silently.
        form.warning(Title, QStringLiteral("%1 is not possible: ORVA equipment is not connected or "
                                           "is power off !\r\nThe parameters are read again from "
                                           "the equipment as soon as it answers; changes not yet "
                                           "sent are replaced.")
                                .arg(c.caption));
        LoadParameters(ctx);
    } else {
        form.setStatus(QStringLiteral("Wait sending parameters to Equipment ...."));
        quint8 channel = 9;
        if (beam == Beam::Low) {
            const QStringList lamps = form.items(QStringLiteral("ListaTipoFaro"));
            channel = !lamps.isEmpty() &&
                              form.currentText(QStringLiteral("ListaTipoFaro")) == lamps.first()
                          ? 11
                          : 7;
        }
        const PhotodiodeReply reply = eq.readPhotodiode(channel);
        if (reply.status == PhotodiodeReply::NoReply) {
            form.warning(Title, QStringLiteral("The equipment sent no reading for %1: nothing was "
                                               "changed. Check the connection and try again.")
                                    .arg(c.caption));
        } else if (reply.status == PhotodiodeReply::Done && !eq.abortFlag().isSet()) {
            const QString reference = form.text(c.reference);
            const auto factor = reply.reading < 0x80000000u
                                    ? conversionFactor(reply.reading, reference)
                                    : std::nullopt;
            form.setText(c.reading, QString::number(reply.reading));
            if (!factor) {
                form.setText(c.factor, keptFactor);
                form.warning(Title,
                             QStringLiteral("No conversion factor for %1: the reading %2 divided "
                                            "by the reference \"%3\" lux gives no factor from 0 to "
                                            "32767. Enter the reference illuminance (1 to 9999 "
                                            "lux) and calibrate again; nothing was written.")
                                 .arg(c.caption)
                                 .arg(reply.reading)
                                 .arg(reference));
            } else {
                form.setText(c.factor, QString::number(*factor));
                if (form.confirm(Title, QStringLiteral("Are you sure to %1?").arg(c.caption))) {
                    QString value = form.text(c.factor);
                    form.aboutToWrite();
                    try {
                        const WriteOutcome o = eq.writeParameter(value, c.key, QStringLiteral("0"));
                        if (o.status == WriteOutcome::NoAck)
                            form.warning(Title, QStringLiteral("The equipment did not acknowledge "
                                                               "address %1h: the factor may not be "
                                                               "stored. Calibrate again.")
                                                    .arg(o.address));
                    } catch (const OrvaError &e) {
                        form.warning(Title, e.description());
                    }
                } else {
                    form.setText(c.factor, keptFactor);
                    form.setText(c.reading, QStringLiteral("0"));
                }
            }
        }
        form.setStatus(QString());
    }
    form.beep();
    form.setShown(c.abort, false);
    form.setShown(c.calibrate, true);
    eq.abortFlag().clear();
    form.applyAccessLevel();
}
