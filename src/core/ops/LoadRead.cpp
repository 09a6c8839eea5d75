#include "LoadRead.h"

#include "ErrorReport.h"
#include "Session.h"
#include "link/Equipment.h"
#include "link/OrvaError.h"
#include "link/SerialLink.h"

QByteArray readForLoad(OpContext &ctx, const QString &key)
{
    try {
        const ReadReply reply = ctx.equipment.readParameter(key);
        if (reply.noReply)
            throw TesterSilent();
        return reply.bytes;
    } catch (const OrvaError &e) {
        if (e.number() == ErrorNumber::DeviceNotOpen && ctx.equipment.link().wasLost())
            throw TesterSilent();
        if (e.number() != ErrorNumber::FileNotFound ||
            ctx.session.parameterFilePath == ctx.session.defaultFile())
            reportFatal(ctx.form, e);
        ctx.session.parameterFilePath = ctx.session.defaultFile();
        return {};
    }
}
