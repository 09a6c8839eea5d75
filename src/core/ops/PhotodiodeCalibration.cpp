#include "PhotodiodeCalibration.h"

#include "OrvaForm.h"
#include "Session.h"
#include "link/AbortFlag.h"
#include "link/Equipment.h"
#include "link/Frames.h"

void PhotodiodeCalibration(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    Equipment &eq = ctx.equipment;
    const QString button = QStringLiteral("CmdCalFoto");
    const QString abort = QStringLiteral("CmdInterrompiFotodiodi");

    form.lockAllControls();
    form.setShown(button, false);
    form.setShown(abort, true);
    form.setText(QStringLiteral("TestoBitAnaScheda"), QString());
    form.setText(QStringLiteral("TestoAnaConv"), QString());
    for (;;) {
        if (eq.checkConnection() == QByteArray(1, Frames::Ack)) {
            eq.startPhotodiodeCalibration();
            break;
        }
        if (eq.abortFlag().isSet())
            break;
    }
    form.setStatus(QString());
    form.beep();
    form.setShown(abort, false);
    form.setShown(button, true);
    eq.abortFlag().clear();
    form.applyAccessLevel();
}
