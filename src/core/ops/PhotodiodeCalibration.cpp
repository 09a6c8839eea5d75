#include "PhotodiodeCalibration.h"

#include "OpContext.h"
#include "Outcome.h"
#include "Tester.h"
#include "TransferScope.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"

Outcome PhotodiodeCalibration(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    const TransferScope scope(ctx, Control::CmdCalFoto, Control::CmdInterrompiFotodiodi);
    form.setText(Control::TestoBitAnaScheda, QString());
    form.setText(Control::TestoAnaConv, QString());
    Outcome outcome;
    outcome.operation = Outcome::Operation::PhotodiodeCalibration;
    for (;;) {
        if (ctx.tester.checkConnection()) {
            try {
                ctx.tester.startPhotodiodeCalibration();
            } catch (const TesterLost &lost) {
                outcome.kind = Outcome::Kind::Failed;
                outcome.cause = Outcome::causeOf(lost.status);
            }
            break;
        }
        if (ctx.tester.link().abortFlag().isSet()) {
            outcome.kind = Outcome::Kind::Aborted;
            break;
        }
    }
    form.setStatus(QString());
    return outcome;
}
