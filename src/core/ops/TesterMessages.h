#pragma once

#include "Outcome.h"
#include "Tester.h"

#include <QString>

// What the user reads when an operation lost the tester part way.
namespace TesterMessages {

// The cause an outcome records for a lost tester.
Outcome::Cause causeOf(const TesterLost &lost);
// "did not acknowledge address 0040h and stopped answering", and so on.
QString whatHappened(const TesterLost &lost);

} // namespace TesterMessages
