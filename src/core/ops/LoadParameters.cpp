#include "LoadParameters.h"

#include "FillListFromFile.h"
#include "LoadRead.h"
#include "OpContext.h"
#include "Outcome.h"
#include "OutcomeMessage.h"
#include "ResetParameterFields.h"
#include "SendParameters.h"
#include "Session.h"
#include "Tester.h"
#include "TransferProgress.h"
#include "access/Interlock.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"
#include "link/SerialLink.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LoadParameters)
};

int decoded(OpContext &ctx, const QString &key, std::optional<int> value)
{
    if (!value)
        failMissingDefinition(ctx, key);
    return *value;
}

// A value the list does not offer selects none, and is kept.
void selectIfOffered(OpContext &ctx, const CatalogueEntry &e, std::optional<int> index,
                     const QByteArray &reply)
{
    if (index && *index >= 0 && *index < ctx.form.items(e.control).size()) {
        ctx.form.setCurrentIndex(e.control, *index);
        return;
    }
    ctx.form.setCurrentIndex(e.control, -1);
    keepValue(ctx, e.keyText(), reply);
}

void readEntry(OpContext &ctx, const CatalogueEntry &e)
{
    OrvaForm &form = ctx.form;
    if (e.kind == ParamKind::LanguageIndex)
        return; // read while the language list is filled
    const QString key = e.keyText();
    const QByteArray reply = readForLoad(ctx, key);
    switch (e.kind) {
    case ParamKind::Text:
    case ParamKind::TextHead:
        form.setText(e.control, ValueCodec::text(reply));
        break;
    case ParamKind::TextTail:
        form.setText(e.control, form.text(e.control) + ValueCodec::text(reply));
        break;
    case ParamKind::Date: {
        const QString t = ValueCodec::text(reply);
        form.setText(Catalogue::DateFields[0], t.mid(0, 2));
        form.setText(Catalogue::DateFields[1], t.mid(2, 2));
        form.setText(Catalogue::DateFields[2], t.mid(4));
        break;
    }
    case ParamKind::DigitIndex:
        // An empty reply (no definition) leaves the list as it was.
        if (!reply.isEmpty())
            selectIfOffered(ctx, e, ValueCodec::digitIndex(reply), reply);
        break;
    case ParamKind::ByteIndex:
        selectIfOffered(ctx, e, decoded(ctx, key, ValueCodec::byteCode(reply)), reply);
        break;
    case ParamKind::Switches: {
        const int bits = decoded(ctx, key, ValueCodec::number16(reply));
        for (int bit = 0; bit < int(std::size(Catalogue::Switches)); ++bit)
            form.setChecked(Catalogue::Switches[bit], bits & (1 << bit));
        if (bits >> std::size(Catalogue::Switches))
            keepValue(ctx, key, reply);
        break;
    }
    case ParamKind::CheckByte: {
        const int value = decoded(ctx, key, ValueCodec::byteCode(reply));
        form.setChecked(e.control, value != 0);
        if (value > 1)
            keepValue(ctx, key, reply.left(1));
        break;
    }
    case ParamKind::Factor:
        form.setText(e.control, QString::number(decoded(ctx, key, ValueCodec::number16(reply))));
        break;
    case ParamKind::LanguageIndex:
        break;
    }
}

qint64 bytesIn(Tester &tester, const QStringList &keys)
{
    const Result<QStringList> lines = tester.parameterLines();
    return lines ? ParameterFile::bytesToRead(*lines, keys) : 0; // the reads report a missing file
}

QString versionFile(const Session &session, const QString &version)
{
    const auto form = ValueCodec::fileNameForm(version);
    if (!form)
        return session.defaultFile();
    const QString path = session.fileFor(QStringLiteral("ORVA_%1.ini").arg(*form));
    return QFileInfo::exists(path) ? path : session.defaultFile();
}

// The version text decides which file describes the tester's memory, so a
// text out of its form is taken for a lost step and read again after a fresh
// connection check. The same text twice is what the tester holds.
void checkVersion(OpContext &ctx, const QString &version, QString &rejected)
{
    if (version.isEmpty() || ValueCodec::looksLikeVersion(version) || version == rejected)
        return;
    rejected = version;
    ctx.tester.link().serial().loseStep();
    throw TesterLost{LinkStatus::LostStep, std::nullopt};
}

void loadOnce(OpContext &ctx, const QDeadlineTimer &deadline, QString &rejectedVersion)
{
    OrvaForm &form = ctx.form;
    while (!ctx.tester.checkConnection()) {
        // An Abort only shortens the current wait; the load goes on.
        ctx.tester.link().abortFlag().clear();
        if (deadline.hasExpired())
            throw TesterLost{LinkStatus::NoReply, std::nullopt};
    }
    form.setStatus(Texts::tr("Wait reading parameters from equipment ...."));
    ctx.tester.forgetHeld();
    const QString version = ValueCodec::text(readForLoad(ctx, Catalogue::versionKey()));
    checkVersion(ctx, version, rejectedVersion);
    form.setText(Control::TestoVersioneScheda, QStringLiteral("ORVA ver. ") + version);
    ctx.session.parameterFilePath = versionFile(ctx.session, version);
    form.setText(
        Control::TestoFileIni,
        QStringLiteral("( rif. %1 )").arg(QDir::toNativeSeparators(ctx.session.parameterFilePath)));
    Interlock::lockAllControls(form);
    const TransferProgress progress(form, ctx.tester.link(),
                                    bytesIn(ctx.tester, Catalogue::loadKeys()));
    FillListFromFile(ctx, Control::ListaLingua, QStringLiteral("lang"));
    FillListFromFile(ctx, Control::ListaMisura, QStringLiteral("unit"));
    FillListFromFile(ctx, Control::ListaPannello, QStringLiteral("pane"));
    FillListFromFile(ctx, Control::ListaProtocollo, QStringLiteral("prot"));
    ResetParameterFields(form);
    for (const CatalogueEntry &e : Catalogue::entries())
        readEntry(ctx, e);
    form.setText(Control::TestoOffsetFotodiodi, QString());
    QString lines;
    for (int n = 1; n <= Catalogue::OffsetCount; ++n) {
        const QString key = Catalogue::offsetKey(n);
        const int value = decoded(ctx, key, ValueCodec::number16(readForLoad(ctx, key)));
        lines += ValueCodec::offsetLine(n, value) + QStringLiteral("\r\n");
        form.setText(Control::TestoOffsetFotodiodi, lines);
    }
    // A byte shifted anywhere in the load leaves one over at its end.
    if (!ctx.tester.confirmInStep())
        throw TesterLost{LinkStatus::LostStep, std::nullopt};
    for (const CatalogueEntry &e : Catalogue::entries())
        if (auto kept = ctx.session.kept.find(e.keyText()); kept != ctx.session.kept.end())
            kept->shown = composeValue(form, e);
}

// Which parameters hold a value the window does not offer.
Outcome loaded(const Session &session)
{
    Outcome o;
    for (const CatalogueEntry &e : Catalogue::entries())
        if (const auto kept = session.kept.constFind(e.keyText()); kept != session.kept.cend())
            o.notOffered.append({e.control, e.keyText(), kept->display});
    return o;
}

Outcome noTester(LinkStatus last, int waitedMs)
{
    Outcome o;
    o.kind = Outcome::Kind::NoTester;
    o.cause = last == LinkStatus::LostStep ? Outcome::Cause::LostStep : Outcome::Cause::Silent;
    o.waitedSeconds = waitedMs / 1000;
    return o;
}

} // namespace

Outcome LoadParameters(OpContext &ctx)
{
    OrvaForm &form = ctx.form;
    ResetParameterFields(form);
    ctx.session.parametersLoaded = false;
    ctx.session.kept.clear();
    const int limit = ctx.policy.giveUpAfterMs;
    const QDeadlineTimer deadline =
        limit < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(limit);
    QString rejectedVersion;
    for (;;) {
        try {
            loadOnce(ctx, deadline, rejectedVersion);
            break;
        } catch (const TesterLost &lost) {
            // The tester went quiet or the line lost step: wait for it again,
            // then read everything anew.
            ctx.session.kept.clear();
            if (deadline.hasExpired())
                return noTester(lost.status, limit);
        } catch (const LoadFailed &failed) {
            return Outcome::fatal(failed.error);
        }
    }
    form.setStatus(QString());
    Interlock::applyAccessLevel(form, ctx.session.accessLevel());
    form.setShown(Control::CmdInvia, true);
    form.beep();
    ctx.session.parametersLoaded = true;
    if (ctx.policy.loaded)
        ctx.policy.loaded();
    return loaded(ctx.session);
}

Outcome reloadAfter(OpContext &ctx, Outcome noTester)
{
    if (!ctx.policy.reloadWhenNoTester)
        return noTester;
    if (ctx.policy.present)
        ctx.policy.present(noTester);
    noTester.alreadyTold = true;
    const Outcome reload = LoadParameters(ctx);
    if (reload.kind == Outcome::Kind::Fatal)
        return reload;
    if (!messageOf(reload).isEmpty() && ctx.policy.present)
        ctx.policy.present(reload);
    return noTester;
}
