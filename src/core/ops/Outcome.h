#pragma once

#include "base/OrvaError.h"
#include "params/Beams.h"

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

// How an operation with the tester ended, and what the user is to read about
// it. The window shows the message; the command-line tool maps the kind and
// cause to its exit status.
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

    Kind kind = Kind::Done;
    Cause cause = Cause::None;
    QString title;                  // the message box title; empty: nothing to show
    QString text;                   // what the user reads
    bool critical = false;          // the critical icon, else the warning icon
    bool shown = false;             // already shown while the operation went on
    std::optional<quint16> address; // where it stopped
    std::optional<OrvaError> error; // of a Fatal outcome
    QStringList notSent;            // parameter file lines that had no value to send

    // The service history's entry of the operation, and what went wrong
    // recording it.
    std::optional<qint64> historyEntry;
    QString historyProblem;

    // Its record could not be finished: the history still says "started".
    bool recordUnfinished = false;

    std::optional<CalibrationMeasure> measure;
    QList<quint16> mismatchAddresses;
    QStringList mismatches; // one line a byte read back different
    QString interruption;   // why a write stopped that the user did not abort

    bool succeeded() const { return kind == Kind::Done; }
    bool hasMessage() const { return !text.isEmpty() && !shown; }

    // "Error not handled" with the error's number and description.
    static Outcome fatal(const OrvaError &error);
};
