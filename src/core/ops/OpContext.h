#pragma once

#include "Outcome.h"
#include "base/Result.h"

#include <QString>

#include <functional>
#include <optional>

class OrvaForm;
class Tester;
struct Session;

// What a write is about to do, for its record.
struct WriteIntent
{
    std::optional<CalibrationMeasure> calibration; // a confirmed lux calibration
};

// How a front end wants the operations to behave.
struct OpPolicy
{
    // How long a load waits for a tester that does not answer (or keeps
    // losing step); below 0 it waits until one does or the program closes.
    int giveUpAfterMs = -1;
    // A send or calibration that finds no tester reloads the window from the
    // tester as soon as one answers, after `present` has shown why.
    bool reloadWhenNoTester = true;
    // A write is read back before its record is finished.
    bool verifyWrites = false;
    std::function<void(const Outcome &)> present;
    // Called before the first byte of a write goes out; an error stops the
    // write before anything is sent.
    std::function<Result<>(const WriteIntent &)> beforeWrite;
    // Called when a load has completed (also one within a send or
    // calibration that found no tester).
    std::function<void()> loaded;
};

// What every operation works with.
struct OpContext
{
    OrvaForm &form;
    Tester &tester;
    Session &session;
    const OpPolicy &policy;
};
