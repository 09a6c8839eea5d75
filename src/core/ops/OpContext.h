#pragma once

#include "Outcome.h"
#include "base/Result.h"

#include <functional>

class OrvaForm;
class Tester;
struct Session;

// How a front end wants the operations to behave.
struct OpPolicy
{
    // How long a load waits for a tester that does not answer (or keeps
    // losing step); below 0 it waits until one does or the program closes.
    int giveUpAfterMs = -1;
    // A send or calibration that finds no tester reloads the window from the
    // tester as soon as one answers, after `present` has shown why.
    bool reloadWhenNoTester = true;
    std::function<void(const Outcome &)> present;
    // Called before the first byte of a write goes out; an error stops the
    // write before anything is sent.
    std::function<Result<>()> beforeWrite;
};

// What every operation works with.
struct OpContext
{
    OrvaForm &form;
    Tester &tester;
    Session &session;
    const OpPolicy &policy;
};
