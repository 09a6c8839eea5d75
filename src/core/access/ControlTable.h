#pragma once

#include "AccessLevel.h"

#include <QList>
#include <QString>

// The controls an access level opens and the interlock closes, in the order
// both apply them. A field or list is opened by clearing its read-only flag,
// a button or check box by enabling it.
namespace ControlTable {

enum class Action { Open, Close };

struct Step
{
    QString control;
    Action action;
};

// What LockAllControls does: every row closed.
QList<Step> lockSteps();

// What a level opens and closes; controls it leaves alone are not listed.
QList<Step> levelSteps(AccessLevel level);

} // namespace ControlTable
