#include "TesterSession.h"

#include "LoadParameters.h"
#include "ParameterDocument.h"
#include "PhotodiodeCalibration.h"
#include "ResetParameterFields.h"
#include "SendParameters.h"
#include "access/ListRules.h"
#include "access/Passwords.h"
#include "base/ProgramClosing.h"
#include "form/OrvaForm.h"
#include "history/ServiceHistory.h"
#include "link/Frames.h"
#include "params/Catalogue.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TesterSession)
};

HistoryEntry::Ending endingOf(Outcome::Kind kind)
{
    using Ending = HistoryEntry::Ending;
    switch (kind) {
    case Outcome::Kind::Done:
        return Ending::Done;
    case Outcome::Kind::Aborted:
        return Ending::Aborted;
    case Outcome::Kind::Declined:
        return Ending::Declined;
    case Outcome::Kind::Incomplete:
        return Ending::Incomplete;
    case Outcome::Kind::Mismatch:
        return Ending::Mismatch;
    case Outcome::Kind::Unverified:
        return Ending::Unverified;
    case Outcome::Kind::NoTester:
    case Outcome::Kind::Failed:
    case Outcome::Kind::Refused:
    case Outcome::Kind::Fatal:
        break;
    }
    return Ending::Failed;
}

// The history keeps English words, whatever language the user reads.
QString causeWords(Outcome::Cause cause)
{
    switch (cause) {
    case Outcome::Cause::Silent:
        return QStringLiteral("the tester did not answer");
    case Outcome::Cause::Answered:
        return QStringLiteral("the tester refused a byte");
    case Outcome::Cause::LostStep:
        return QStringLiteral("the line lost step");
    case Outcome::Cause::PortLost:
        return QStringLiteral("the port went away");
    case Outcome::Cause::NoFactor:
        return QStringLiteral("the reading and the reference give no factor");
    case Outcome::Cause::File:
        return QStringLiteral("the parameter file could not be read");
    case Outcome::Cause::None:
        break;
    }
    return {};
}

QString detailOf(const Outcome &o)
{
    QStringList words;
    if (o.kind == Outcome::Kind::Mismatch) {
        QStringList addresses;
        for (const ByteMismatch &m : o.mismatches)
            addresses.append(Frames::formatAddress(m.address) + u'h');
        words.append(QStringLiteral("read back different at %1").arg(addresses.join(u' ')));
    } else if (o.kind == Outcome::Kind::NoTester) {
        words.append(QStringLiteral("no tester answered"));
    } else if (o.kind == Outcome::Kind::Declined) {
        words.append(QStringLiteral("the user answered No"));
    } else if (!o.interruption.isEmpty()) {
        words.append(o.interruption);
    } else if (o.kind == Outcome::Kind::Aborted) {
        words.append(QStringLiteral("aborted by the user"));
    } else if (const QString cause = causeWords(o.cause); !cause.isEmpty()) {
        words.append(cause);
    }
    if (o.address)
        words.append(QStringLiteral("at address %1h").arg(Frames::formatAddress(*o.address)));
    if (!o.notSent.isEmpty()) {
        QStringList at;
        for (const Unsent &u : o.notSent)
            at.append(u.address + u'h');
        words.append(QStringLiteral("parameter file lines not sent at %1").arg(at.join(u' ')));
    }
    return words.join(u' ');
}

} // namespace

TesterSession::TesterSession(OrvaForm &form, const SessionOptions &options)
    : m_form(form)
    , m_ports(options.ports, options.systemPorts)
    , m_link(m_serial, m_abort)
    , m_tester(m_link, form, m_state)
    , m_ctx{form, m_tester, m_state, m_policy}
{
    m_state.programFolder = options.programFolder;
    m_state.parameterFilePath = m_state.defaultFile();
    m_form.listChanged = [this](Control list) {
        ListRules::listChanged(m_form, m_state.parametersLoaded, list);
    };
    m_policy.beforeWrite = [this](const WriteIntent &intent) { return beginRecord(intent); };
    m_policy.loaded = [this] { afterLoad(); };
}

TesterSession::~TesterSession() = default;

void TesterSession::prepare()
{
    m_state.parameterFilePath = m_state.defaultFile();
    m_abort.clear();
    m_state.parametersLoaded = false;
    ResetParameterFields(m_form);
    m_form.setItems(Control::ListaTipoFaro, Catalogue::lampTypes());
    m_form.setCurrentIndex(Control::ListaTipoFaro, 0);
}

Result<> TesterSession::openPort(std::optional<int> number)
{
    m_serial.close();
    const auto device = number ? m_ports.device(*number) : std::nullopt;
    if (!device)
        return OrvaError(ErrorNumber::InvalidPortNumber,
                         Texts::tr("Invalid port number: no serial device has this number."));
    return m_serial.open(*device);
}

HistoryEntry TesterSession::entryFor(HistoryEntry::Kind kind) const
{
    HistoryEntry e;
    e.kind = kind;
    e.serial = m_testerState.serial();
    e.model = m_testerState.text(Control::TestoModello).trimmed();
    e.firmware = m_testerState.firmware.trimmed();
    e.parameterFile = m_testerState.parameterFile;
    e.level = m_state.accessLevel();
    e.program = QCoreApplication::applicationName();
    e.line = m_serial.device();
    return e;
}

void TesterSession::afterLoad()
{
    m_testerState = ParameterDocument::stateOf(m_form, m_state);
    if (!m_history)
        return;
    HistoryEntry read = entryFor(HistoryEntry::Kind::Read);
    read.outcome = HistoryEntry::Ending::Done;
    read.after = m_testerState;
    if (const Result<qint64> added = m_history->add(read); !added) {
        m_unrecorded.append({added.error(), std::nullopt, {}});
        return;
    }
    m_history->closeInterrupted(read.serial, read.after);
    m_history->settle();
}

namespace {
HistoryEntry::Calibration calibrationOf(const CalibrationMeasure &m, bool confirmed)
{
    return {m.beam, m.referenceLux, m.reading, m.previousFactor, m.factor.value_or(0), confirmed};
}
} // namespace

Result<> TesterSession::beginRecord(const WriteIntent &intent)
{
    if (intent.calibration)
        m_record.calibration = calibrationOf(*intent.calibration, true);
    if (!m_history)
        return m_historyProblem ? Result<>(*m_historyProblem) : Result<>();
    const Result<qint64> id = m_history->begin(m_record);
    if (!id)
        return id.error();
    m_recordId = *id;
    return {};
}

Outcome TesterSession::recorded(HistoryEntry::Kind kind, const std::function<Outcome()> &operation,
                                const QString &note)
{
    m_record = entryFor(kind);
    m_record.before = m_testerState;
    m_recordId.reset();
    m_tester.clearWritten();
    m_interruption.clear();
    Outcome o;
    try {
        o = operation();
    } catch (const ProgramClosing &) {
        // The window closed between two bytes: what was acknowledged is kept.
        if (m_recordId) {
            Outcome closed;
            closed.kind = Outcome::Kind::Aborted;
            closed.interruption = QStringLiteral("the program was closed");
            finishRecord(closed, note);
        }
        throw;
    }
    if (!m_interruption.isEmpty() && o.kind == Outcome::Kind::Aborted)
        o.interruption = m_interruption;
    // An operation that ends the program after its record began still ends its record.
    if (o.kind == Outcome::Kind::Refused || (o.kind == Outcome::Kind::Fatal && !m_recordId))
        return withHistoryProblems(o);
    finishRecord(o, note);
    return withHistoryProblems(o);
}

void TesterSession::finishRecord(Outcome &o, const QString &note)
{
    if (m_recordId) {
        m_record.after = ParameterDocument::afterWrite(m_testerState, m_form, m_tester.written());
        if (m_policy.verifyWrites && o.kind == Outcome::Kind::Done)
            verifyWritten(o);
        m_testerState = m_record.after;
    }
    m_record.outcome = endingOf(o.kind);
    const QString detail = detailOf(o);
    m_record.detail =
        note.isEmpty() || detail.isEmpty() ? note + detail : note + QStringLiteral("; ") + detail;
    if (o.measure)
        m_record.calibration = calibrationOf(*o.measure, m_recordId.has_value());
    // An operation that never reached the tester's identity has nothing to
    // be recorded against.
    if (m_history && !m_record.serial.isEmpty()) {
        if (m_recordId) {
            if (const Result<> saved = m_history->finish(*m_recordId, m_record); !saved)
                m_unrecorded.append({saved.error(), m_recordId, m_record.changes()});
        } else if (const Result<qint64> added = m_history->add(m_record); !added) {
            m_unrecorded.append({added.error(), std::nullopt, {}});
        }
    }
    o.historyEntry = m_recordId;
}

void TesterSession::verifyWritten(Outcome &o)
{
    TesterLink &link = m_tester.link();
    for (const WrittenBytes &w : m_tester.written()) {
        m_form.setStatus(Texts::tr("Reading back what was sent .... (addr. h%1 )")
                             .arg(Frames::formatAddress(w.start)));
        const LinkReply back = link.readBytes(w.start, int(w.bytes.size()));
        if (back.status != LinkStatus::Ok) {
            o.kind = Outcome::Kind::Unverified;
            o.cause = Outcome::causeOf(back.status);
            o.address = back.address;
            m_form.setStatus(QString());
            return;
        }
        if (back.bytes == w.bytes)
            continue;
        for (qsizetype k = 0; k < w.bytes.size(); ++k) {
            if (back.bytes.at(k) == w.bytes.at(k))
                continue;
            o.mismatches.append({w.name, quint16(w.start + k), w.bytes.at(k), back.bytes.at(k)});
        }
        m_record.after = ParameterDocument::withStored(m_record.after, m_form, w.key, back.bytes);
    }
    m_form.setStatus(QString());
    if (link.settle() != LinkStatus::Ok) {
        o.kind = Outcome::Kind::Unverified;
        o.cause = Outcome::Cause::LostStep; // after the read-back: no address
        return;
    }
    if (!o.mismatches.isEmpty())
        o.kind = Outcome::Kind::Mismatch;
}

Outcome TesterSession::withHistoryProblems(Outcome outcome)
{
    outcome.recordProblems = m_unrecorded;
    m_unrecorded.clear();
    return outcome;
}

Outcome TesterSession::load()
{
    return withHistoryProblems(LoadParameters(m_ctx));
}

Outcome TesterSession::send()
{
    return recorded(HistoryEntry::Kind::Send, [this] { return SendParameters(m_ctx); });
}

Outcome TesterSession::calibrate(Beam beam)
{
    return recorded(HistoryEntry::Kind::Calibration,
                    [this, beam] { return LuxCalibration(m_ctx, beam); });
}

Outcome TesterSession::calibratePhotodiode()
{
    return PhotodiodeCalibration(m_ctx);
}

Outcome TesterSession::restore(qint64 entry, const QList<Control> &factors)
{
    return recorded(
        HistoryEntry::Kind::Restore, [this, &factors] { return SendParameters(m_ctx, factors); },
        QStringLiteral("restores entry %1").arg(entry));
}

void TesterSession::interrupt(const QString &why)
{
    m_interruption = why;
    m_abort.set();
}

QJsonObject TesterSession::document() const
{
    return ParameterDocument::stateOf(m_form, m_state).toDocument();
}
