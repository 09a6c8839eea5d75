#pragma once

#include "params/Beams.h"

#include <QString>
#include <QStringList>

struct Outcome;

// What the user reads about an outcome, as a message box shows it.
struct OutcomeMessage
{
    QString title;
    QString text;          // empty: nothing to tell
    bool critical = false; // the critical icon, else the warning icon

    bool isEmpty() const { return text.isEmpty(); }
};

// How the operation ended, in the user's language; both front ends show
// this, whether or not the user was told already (`Outcome::alreadyTold`).
OutcomeMessage messageOf(const Outcome &outcome);
// What the service history could not record; empty when it took everything.
OutcomeMessage recordMessageOf(const Outcome &outcome);
// The parameter file's lines a send had no value for; empty when it sent them all.
OutcomeMessage notSentMessageOf(const Outcome &outcome);
// A lux calibration as the messages and its question name it: its button's caption.
QString calibrationName(Beam beam);
// One line a byte that read back different.
QStringList mismatchLinesOf(const Outcome &outcome);
