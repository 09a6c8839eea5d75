#include "TesterSession.h"

#include "LoadParameters.h"
#include "ParameterDocument.h"
#include "PhotodiodeCalibration.h"
#include "ResetParameterFields.h"
#include "SendParameters.h"
#include "access/AccessLevel.h"
#include "access/ListRules.h"
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

QString outcomeName(Outcome::Kind kind)
{
    switch (kind) {
    case Outcome::Kind::Done:
        return QStringLiteral("done");
    case Outcome::Kind::Aborted:
        return QStringLiteral("aborted");
    case Outcome::Kind::Declined:
        return QStringLiteral("declined");
    case Outcome::Kind::Incomplete:
        return QStringLiteral("incomplete");
    case Outcome::Kind::NoTester:
    case Outcome::Kind::Failed:
    case Outcome::Kind::Refused:
    case Outcome::Kind::Fatal:
        break;
    }
    return QStringLiteral("failed");
}

QString detailOf(const Outcome &o)
{
    if (o.address)
        return Texts::tr("at address %1h").arg(Frames::formatAddress(*o.address));
    return o.text.section(QStringLiteral("\r\n"), 0, 0);
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
    const QJsonObject fields = m_testerState.value("fields").toObject();
    HistoryEntry e;
    e.kind = kind;
    e.serial = HistoryEntry::serialOf(m_testerState);
    e.model = fields.value("model").toString().trimmed();
    e.firmware = m_testerState.value("firmwareVersion").toString().trimmed();
    e.parameterFile = m_testerState.value("parameterFile").toString();
    e.level = Access::levelName(m_state.accessLevel());
    e.program = QCoreApplication::applicationName();
    return e;
}

void TesterSession::afterLoad()
{
    m_testerState = document();
    if (!m_history)
        return;
    HistoryEntry read = entryFor(HistoryEntry::Kind::Read);
    read.outcome = QStringLiteral("done");
    read.after = m_testerState;
    if (const Result<qint64> added = m_history->add(read); !added)
        m_unrecorded.append(added.error().description());
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
    Outcome o = operation();
    if (o.kind == Outcome::Kind::Refused || o.kind == Outcome::Kind::Fatal)
        return withHistoryProblems(o);
    m_record.outcome = outcomeName(o.kind);
    const QString detail = detailOf(o);
    m_record.detail =
        note.isEmpty() || detail.isEmpty() ? note + detail : note + QStringLiteral("; ") + detail;
    if (o.measure)
        m_record.calibration = calibrationOf(*o.measure, m_recordId.has_value());
    if (m_recordId) {
        // What the tester acknowledged: the values written whole, the old
        // ones where a write stopped.
        QJsonObject written = ParameterDocument::asStored(document());
        if (kind == HistoryEntry::Kind::Calibration) {
            // Only the factor is written; a write cut short has no measure to
            // report, and the tester keeps its old factor.
            written = m_testerState;
            if (o.measure) {
                QJsonObject fields = written.value("fields").toObject();
                const Control factor = o.measure->beam == QLatin1String("low")
                                           ? Control::TestoAnaConv
                                           : Control::TestoAbbConv;
                fields.insert(QString::fromLatin1(Controls::info(factor).field),
                              o.measure->factor.value_or(0));
                written.insert("fields", fields);
            }
        }
        m_record.after = ParameterDocument::merged(m_testerState, written, m_tester.written());
        m_testerState = m_record.after;
    }
    // An operation that never reached the tester's identity has nothing to
    // be recorded against.
    if (m_history && !m_record.serial.isEmpty()) {
        Result<> saved;
        if (m_recordId)
            saved = m_history->finish(*m_recordId, m_record);
        else if (const Result<qint64> added = m_history->add(m_record); !added)
            saved = added.error();
        if (!saved)
            m_unrecorded.append(saved.error().description());
    }
    o.historyEntry = m_recordId;
    return withHistoryProblems(o);
}

Outcome TesterSession::withHistoryProblems(Outcome outcome)
{
    outcome.historyProblem = m_unrecorded.join(QStringLiteral("\r\n"));
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
        Texts::tr("restores entry %1").arg(entry));
}

QJsonObject TesterSession::document() const
{
    return ParameterDocument::fromForm(m_form, m_state);
}
