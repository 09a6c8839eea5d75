#include "SendParameters.h"

#include "LoadParameters.h"
#include "OpContext.h"
#include "Session.h"
#include "Tester.h"
#include "TransferProgress.h"
#include "TransferScope.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"
#include "params/Catalogue.h"
#include "params/ParameterFile.h"
#include "params/ValueCodec.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SendParameters)
};

Outcome sent(Outcome::Kind kind, Outcome::Cause cause = Outcome::Cause::None)
{
    Outcome o;
    o.kind = kind;
    o.cause = cause;
    o.operation = Outcome::Operation::Send;
    return o;
}

qint64 bytesToSend(const OpContext &ctx, const QString &languageKey, const QList<Control> &factors)
{
    QStringList keys = QStringList{languageKey} + Catalogue::sendKeys();
    for (const CatalogueEntry &e : Catalogue::entries())
        if (factors.contains(e.control))
            keys.append(e.keyText());
    const Result<QStringList> lines = ctx.tester.parameterLines();
    // The writes themselves report a file that cannot be read.
    return lines ? ParameterFile::bytesToWrite(*lines, keys) : 0;
}

// Writes everything; stops where the tester stopped acknowledging. After an
// Abort the clock is not sent, but the date field still shows the time.
Outcome writeAll(OpContext &ctx, const QList<Control> &factors)
{
    OrvaForm &form = ctx.form;
    Tester &tester = ctx.tester;
    const QString language = form.currentText(Control::ListaLingua);
    const QString languageKey = form.currentText(Control::ListaLingua1);
    const TransferProgress progress(form, tester.link(), bytesToSend(ctx, languageKey, factors));

    auto written = tester.writeParameter(language, languageKey, WriteMode::FromFile);
    for (const CatalogueEntry &e : Catalogue::entries()) {
        if (!written || *written == Tester::Written::Aborted)
            break;
        if (const auto v = sendValue(form, ctx.session, e))
            written = v->raw ? tester.writeKept(e.keyText(), *v->raw)
                             : tester.writeParameter(v->value, e.keyText(), v->mode);
    }
    for (const CatalogueEntry &e : Catalogue::entries()) {
        if (!written || *written == Tester::Written::Aborted)
            break;
        if (factors.contains(e.control))
            written = tester.writeParameter(form.text(e.control), e.keyText(), WriteMode::Number);
    }
    if (!written) {
        Outcome o = sent(Outcome::Kind::Incomplete, Outcome::Cause::File);
        o.error = written.error();
        return o;
    }
    const QDateTime now = QDateTime::currentDateTime();
    form.setText(Control::TestoData,
                 ValueCodec::dateTimeText(now, ValueCodec::systemDateSeparator()));
    tester.sendDateTime(now);
    return sent(*written == Tester::Written::Aborted ? Outcome::Kind::Aborted
                                                     : Outcome::Kind::Done);
}

} // namespace

QString composeValue(const OrvaForm &form, const CatalogueEntry &e)
{
    switch (e.kind) {
    case ParamKind::Text:
        return form.text(e.control);
    case ParamKind::TextHead:
        return form.text(e.control).left(e.split);
    case ParamKind::TextTail:
        return form.text(e.control).mid(e.split);
    case ParamKind::Date: {
        QString joined;
        for (const Control field : Catalogue::DateFields)
            joined += form.text(field);
        return joined;
    }
    case ParamKind::LanguageIndex:
    case ParamKind::DigitIndex:
    case ParamKind::ByteIndex:
        return QString::number(form.currentIndex(e.control));
    case ParamKind::Switches: {
        int bits = 0;
        for (int bit = 0; bit < int(std::size(Catalogue::Switches)); ++bit)
            bits |= form.isChecked(Catalogue::Switches[bit]) ? 1 << bit : 0;
        return QString::number(bits);
    }
    case ParamKind::CheckByte:
        return form.isChecked(e.control) ? QStringLiteral("1") : QStringLiteral("0");
    case ParamKind::Factor:
        return form.text(e.control);
    }
    return {};
}

std::optional<SendValue> sendValue(const OrvaForm &form, const Session &session,
                                   const CatalogueEntry &e)
{
    const auto mode = e.writeMode();
    if (!mode)
        return std::nullopt;
    SendValue v{composeValue(form, e), *mode, std::nullopt};
    const auto kept = session.kept.constFind(e.keyText());
    if (kept == session.kept.cend())
        return v;
    if (v.value == kept->shown)
        v.raw = kept->raw;
    else if (e.kind == ParamKind::Switches)
        v.value =
            QString::number(v.value.toInt() | (ValueCodec::number16(kept->raw).value_or(0) & ~7));
    return v;
}

Outcome SendParameters(OpContext &ctx, const QList<Control> &factors)
{
    OrvaForm &form = ctx.form;
    const Control abortButton = Control::CmdInterrompiParametri;
    const TransferScope scope(ctx, std::nullopt, abortButton);
    if (!ctx.tester.checkConnection()) {
        form.setShown(abortButton, false);
        ctx.tester.link().abortFlag().clear();
        return reloadAfter(ctx, sent(Outcome::Kind::NoTester, Outcome::Cause::Silent));
    }
    form.setStatus(Texts::tr("Wait sending parameters to Equipment ...."));
    if (ctx.policy.beforeWrite) {
        if (const Result<> record = ctx.policy.beforeWrite(WriteIntent{}); !record) {
            form.setStatus(QString());
            Outcome o = sent(Outcome::Kind::Refused);
            o.error = record.error();
            return o;
        }
    }
    Outcome outcome;
    try {
        outcome = writeAll(ctx, factors);
    } catch (const TesterLost &lost) {
        outcome = sent(Outcome::Kind::Incomplete, Outcome::causeOf(lost.status));
        outcome.address = lost.address;
    }
    outcome.notSent = ctx.tester.takeNotSent();
    form.setStatus(QString());
    return outcome;
}
