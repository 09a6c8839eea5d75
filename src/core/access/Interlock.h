#pragma once

#include "base/AccessLevel.h"

class OrvaForm;

// The pair that brackets every transfer with the tester: LockAllControls
// closes every control a level can open; ApplyAccessLevel opens again what
// the level allows. Both follow the control table's order.
namespace Interlock {

void lockAllControls(OrvaForm &form);
void applyAccessLevel(OrvaForm &form, AccessLevel level);

} // namespace Interlock
