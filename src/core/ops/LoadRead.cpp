#include "LoadRead.h"

#include "OpContext.h"
#include "Session.h"
#include "Tester.h"

#include <QCoreApplication>
#include <QDir>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LoadRead)
};
} // namespace

QByteArray readForLoad(OpContext &ctx, const QString &key)
{
    const Result<QByteArray> reply = ctx.tester.readParameter(key);
    if (reply)
        return *reply;
    if (ctx.session.parameterFilePath == ctx.session.defaultFile())
        throw LoadFailed{reply.error()};
    ctx.session.parameterFilePath = ctx.session.defaultFile();
    return {};
}

void keepValue(OpContext &ctx, const QString &key, const QByteArray &raw)
{
    ctx.session.kept.insert(
        key, {raw, QString(), QString::fromLatin1(raw.toHex(' ').toUpper()) + QLatin1Char('h')});
}

void failMissingDefinition(OpContext &ctx, const QString &key)
{
    throw LoadFailed{OrvaError(
        ErrorNumber::InvalidProcedureCall,
        Texts::tr("Invalid procedure call or argument: the parameter file %1 has no usable "
                  "definition of %2. Replace the file with a complete one.")
            .arg(QDir::toNativeSeparators(ctx.session.parameterFilePath), key))};
}
