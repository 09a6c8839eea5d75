#pragma once

#include "base/Control.h"

#include <QString>

#include <optional>

// What an edit of a text field may hold, whichever way it comes: typed in the
// window or given in a parameter document.
namespace EditRules {

// A character the tester can store: Latin-1, and no control character.
bool storable(QChar c);

// Why the window would not take this text as the field's value: longer than
// the field, a character the tester cannot store, or a value the field's
// check replaces. None when the window takes it as it is.
std::optional<QString> textProblem(Control field, const QString &text);

} // namespace EditRules
