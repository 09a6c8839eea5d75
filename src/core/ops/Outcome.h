#pragma once

#include "base/Control.h"
#include "base/OrvaError.h"
#include "link/TesterLink.h"
#include "params/Beams.h"
#include "params/WriteEncoding.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a lux calibration measured.
struct CalibrationMeasure
{
    Beam beam = Beam::Low;
    QString referenceLux;
    quint32 reading = 0;
    std::optional<int> factor; // none when the reading and the reference give none
    QString previousFactor;    // as the window showed it
};

// A value the tester holds that the window does not offer.
struct NotOffered
{
    Control control;
    QString key;
    QString bytes; // as the parameter document keeps them: "0A 01h"
};

// A byte the tester was written, but read back different.
struct ByteMismatch
{
    QString name; // the parameter's, as the parameter file calls it
    quint16 address = 0;
    char sent = 0;
    char held = 0;
};

// Something the service history could not take.
struct RecordProblem
{
    OrvaError error;
    // A write's entry that was begun, but whose end could not be saved: the
    // history still says "started".
    std::optional<qint64> unfinishedEntry;
    QStringList testerHolds; // its changes, as the history words them
};

// How an operation with the tester ended: facts only. `messageOf`
// (OutcomeMessage.h) words them for the user; the command-line tool maps
// the kind and cause to its exit status.
struct Outcome
{
    enum class Kind {
        Done,       // as asked
        Aborted,    // the user pressed Abort
        Declined,   // the user answered No
        NoTester,   // no tester answered the connection check
        Incomplete, // stopped part way: the tester holds part of what was sent
        Mismatch,   // acknowledged, but read back different
        Unverified, // acknowledged, but could not be read back
        Failed,     // could not be done; nothing was written
        Refused,    // not started: its record could not be made
        Fatal,      // "Error not handled": the program ends
    };
    // Why the tester exchange failed.
    enum class Cause {
        None,
        Silent,   // a reply did not come in time
        Answered, // the tester answered something else than its acknowledge
        LostStep, // bytes came that no command was waiting for
        PortLost, // the port went away
        NoFactor, // the reading and the reference give no factor
        File,     // the parameter file could not be read
    };
    // Which operation ended so: the same kind is worded after it.
    enum class Operation { Load, Send, LuxCalibration, PhotodiodeCalibration };

    Kind kind = Kind::Done;
    Cause cause = Cause::None;
    Operation operation = Operation::Load;
    Beam beam = Beam::Low;          // of a lux calibration
    std::optional<quint16> address; // where it stopped
    // What stopped it: a Fatal's, the record's that could not be begun, the
    // parameter file's.
    std::optional<OrvaError> error;
    int waitedSeconds = 0;        // a load's NoTester: how long it waited
    bool alreadyTold = false;     // the user was told while the operation went on
    QList<NotOffered> notOffered; // a load's values the window does not offer
    QList<Unsent> notSent;        // parameter file lines that had no value to send

    // The service history's entry of the operation, and what went wrong
    // recording it.
    std::optional<qint64> historyEntry;
    QList<RecordProblem> recordProblems;

    std::optional<CalibrationMeasure> measure;
    QList<ByteMismatch> mismatches;
    QString interruption; // why a write stopped that the user did not abort

    bool succeeded() const { return kind == Kind::Done; }
    // Its record could not be finished: the history still says "started".
    bool recordUnfinished() const;

    static Cause causeOf(LinkStatus lost);
    // "Error not handled" with the error's number and description.
    static Outcome fatal(const OrvaError &error);
};
