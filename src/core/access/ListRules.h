#pragma once

#include "base/Control.h"

class OrvaForm;

// What follows a change of the protocol, unit or language list: an MCTC
// protocol fixes the unit (second entry) and the language (first entry), and
// the hidden key list always follows the language list.
namespace ListRules {

void listChanged(OrvaForm &form, bool parametersLoaded, Control list);

} // namespace ListRules
