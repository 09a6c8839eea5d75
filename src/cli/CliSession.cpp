#include "CliSession.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "ExitStatus.h"
#include "history/ServiceHistory.h"
#include "ops/OutcomeMessage.h"
#include "ops/ParameterDocument.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)
};

using CliOutput::err;
using CliOutput::fail;

} // namespace

CliSession::CliSession(const QString &programFolder, const CliCall &call, bool progress)
    : m_historyUrl(call.history)
    , m_record(call.record)
    , m_timeoutSeconds(call.timeoutSeconds)
    , m_form(progress)
    , m_session(m_form, SessionOptions{programFolder, {}, false})
{
    OpPolicy &policy = m_session.policy();
    policy.giveUpAfterMs = m_timeoutSeconds * 1000;
    policy.reloadWhenNoTester = false;
    m_session.prepare();
}

CliSession::~CliSession() = default;

void CliSession::setLevel(AccessLevel level)
{
    m_session.state().accessLevel = [level] { return level; };
}

int CliSession::failed(const Outcome &o)
{
    const QString text = messageOf(o).text;
    switch (o.kind) {
    case Outcome::Kind::Done:
    case Outcome::Kind::Declined:
        return ExitOk;
    case Outcome::Kind::Fatal:
        return fail(ExitTesterFault, o.error ? o.error->description() : text);
    case Outcome::Kind::Refused:
        return fail(ExitHistory, text);
    case Outcome::Kind::NoTester:
        if (o.cause == Outcome::Cause::LostStep)
            return fail(ExitTesterFault, text);
        return fail(ExitNoTester, Texts::tr("no tester answered on %1: check the cable, the "
                                            "port and the tester's power supply")
                                      .arg(m_device));
    case Outcome::Kind::Mismatch:
        for (const QString &line : mismatchLinesOf(o))
            err() << "orva-cli: " << Texts::tr("verify: %1").arg(line) << '\n';
        return fail(ExitVerifyMismatch, text);
    case Outcome::Kind::Unverified:
    case Outcome::Kind::Aborted:
    case Outcome::Kind::Incomplete:
    case Outcome::Kind::Failed:
        break;
    }
    const bool silent = o.cause == Outcome::Cause::Silent || o.cause == Outcome::Cause::PortLost;
    return fail(silent ? ExitNoTester : ExitTesterFault, text);
}

int CliSession::finished(const Outcome &o)
{
    int status = failed(o);
    // The rest was written, but the tester does not hold the whole document.
    if (const OutcomeMessage notSent = notSentMessageOf(o); !notSent.isEmpty()) {
        const int s =
            fail(ExitTesterFault,
                 QString(notSent.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n  ")));
        status = status == ExitOk ? s : status;
    }
    if (const OutcomeMessage record = recordMessageOf(o); !record.isEmpty()) {
        const ExitStatus history = o.recordUnfinished() ? ExitRecordUnfinished : ExitHistory;
        fail(history, record.text);
        return status == ExitOk ? int(history) : status;
    }
    if (!o.historyEntry || !m_history)
        return status;
    if (const std::optional<qint64> shown = m_history->shownId(*o.historyEntry))
        err() << "orva-cli: " << Texts::tr("recorded as history entry %1").arg(*shown) << '\n';
    else
        err() << "orva-cli: "
              << Texts::tr("recorded on this computer, not yet on the server %1, which could "
                           "not be reached; orva-cli history sync sends it when it can be.")
                     .arg(m_history->location().describe())
              << '\n';
    return status;
}

int CliSession::openHistory(bool forWriting)
{
    if (!m_record)
        return ExitOk;
    auto history = ServiceHistory::openConfigured(m_historyUrl);
    if (history) {
        m_history = std::move(history.value());
        m_session.setHistory(m_history.get());
        return ExitOk;
    }
    if (!forWriting) {
        err() << "orva-cli: "
              << Texts::tr("warning: this read is not recorded: %1")
                     .arg(history.error().description())
              << '\n';
        return ExitOk;
    }
    return fail(ExitHistory, Texts::tr("%1 Nothing was written. On a machine with no writable "
                                       "home, --no-history writes without a record.")
                                 .arg(history.error().description()));
}

int CliSession::connect(const QString &device)
{
    m_device = device;
    const Result<TesterLink::Limits> limits = TesterLink::Limits::configured();
    if (!limits)
        return fail(ExitBadInput, limits.error().description());
    m_session.link().limits = *limits;
    if (const Result<> opened = m_session.serial().open(device); !opened)
        return fail(ExitPortUnusable, opened.error().description());
    return load();
}

int CliSession::begin(const QString &device, bool forWriting)
{
    if (const int s = openHistory(forWriting))
        return s;
    return connect(device);
}

int CliSession::load()
{
    const Outcome o = m_session.load();
    if (o.kind == Outcome::Kind::NoTester && o.cause == Outcome::Cause::Silent)
        return fail(ExitNoTester,
                    Texts::tr("no tester answered on %1 within %2 s: check the cable, the "
                              "port and the tester's power supply")
                        .arg(m_device)
                        .arg(m_timeoutSeconds));
    if (const OutcomeMessage note = messageOf(o);
        o.succeeded() && !note.isEmpty() && !o.alreadyTold)
        err() << "orva-cli: " << Texts::tr("note: ")
              << QString(note.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n  ")) << '\n';
    if (const OutcomeMessage record = recordMessageOf(o); !record.isEmpty())
        err() << "orva-cli: " << Texts::tr("warning: %1").arg(record.text) << '\n';
    return failed(o);
}

int CliSession::apply(const QJsonObject &document, const QString &source, AccessLevel level,
                      bool factors)
{
    const ParameterDocument::Problems problems =
        ParameterDocument::apply(m_form, document, level, factors);
    if (!problems.any())
        return ExitOk;
    for (const QString &p : problems.refused + problems.invalid)
        err() << "orva-cli: " << source << ": " << p << '\n';
    return fail(problems.refused.isEmpty() ? ExitBadInput : ExitAccessRefused,
                Texts::tr("nothing was written"));
}
