#pragma once

#include "LuxCalibration.h"
#include "OpContext.h"
#include "Outcome.h"
#include "Session.h"
#include "Tester.h"
#include "base/Control.h"
#include "history/HistoryEntry.h"
#include "link/AbortFlag.h"
#include "link/PortCatalogue.h"
#include "link/SerialLink.h"
#include "link/TesterLink.h"
#include "params/TesterState.h"

#include <QJsonObject>
#include <QStringList>

class OrvaForm;
class ServiceHistory;

struct SessionOptions
{
    QString programFolder;   // where the parameter files are
    QStringList ports;       // devices offered first, in order
    bool systemPorts = true; // then the system's serial devices
};

// One tester session, wired once for both front ends: the port and its
// probe, the abort flag, the program-wide state, the tester's commands, the
// operations acting on a form, and their record in the service history.
class TesterSession
{
public:
    TesterSession(OrvaForm &form, const SessionOptions &options);
    ~TesterSession();
    TesterSession(const TesterSession &) = delete;
    TesterSession &operator=(const TesterSession &) = delete;

    SerialLink &serial() { return m_serial; }
    AbortFlag &abortFlag() { return m_abort; }
    TesterLink &link() { return m_link; }
    Session &state() { return m_state; }
    const Session &state() const { return m_state; }
    OpPolicy &policy() { return m_policy; }
    const PortCatalogue &ports() const { return m_ports; }

    // Every operation is recorded there; without one, nothing is.
    void setHistory(ServiceHistory *history) { m_history = history; }
    // The history could not be opened: every write is refused with this.
    void setHistoryUnavailable(const OrvaError &why) { m_historyProblem = why; }

    // The start-up state: the default parameter file, the flags cleared, the
    // fields at their neutral values and the lamp types listed.
    void prepare();
    // "Com n": closes the port in use and opens that one.
    Result<> openPort(std::optional<int> number);

    Outcome load();
    Outcome send();
    Outcome calibrate(Beam beam);
    Outcome calibratePhotodiode();
    // Sends what the form holds, and the factors of these controls, as the
    // restore of the history entry `entry`.
    Outcome restore(qint64 entry, const QList<Control> &factors);

    // True from the record of a write until its end: a stop now leaves the
    // tester part written.
    bool isWriting() const
    {
        return m_recordId.has_value() && m_record.outcome == HistoryEntry::Ending::Started;
    }
    // Stops the running write between two bytes, as Abort does, and records
    // why (English, as the history keeps it).
    void interrupt(const QString &why);

    // The form's values as a parameter document.
    QJsonObject document() const;
    // What the tester holds, as far as this session knows: the last load,
    // and what every write since was acknowledged.
    const TesterState &testerState() const { return m_testerState; }

private:
    Outcome recorded(HistoryEntry::Kind kind, const std::function<Outcome()> &operation,
                     const QString &note = {});
    // The record's outcome, "after" and end, saved or kept to be saved.
    void finishRecord(Outcome &o, const QString &note);
    // Reads back every byte the write was acknowledged; the record's "after"
    // takes what the tester holds.
    void verifyWritten(Outcome &o);
    HistoryEntry entryFor(HistoryEntry::Kind kind) const;
    Result<> beginRecord(const WriteIntent &intent);
    void afterLoad();
    // Takes what the operations could not record into the outcome.
    Outcome withHistoryProblems(Outcome outcome);

    OrvaForm &m_form;
    PortCatalogue m_ports;
    SerialLink m_serial;
    AbortFlag m_abort;
    TesterLink m_link;
    Session m_state;
    Tester m_tester;
    OpPolicy m_policy;
    OpContext m_ctx;
    ServiceHistory *m_history = nullptr;
    std::optional<OrvaError> m_historyProblem;
    QList<RecordProblem> m_unrecorded;
    TesterState m_testerState;
    HistoryEntry m_record;
    std::optional<qint64> m_recordId;
    QString m_interruption;
};
