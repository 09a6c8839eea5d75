#pragma once

#include "base/Control.h"

#include <QString>

struct OpContext;

// Fills one selection list from the parameter file's list lines of `tag`;
// "lang" also fills the hidden key list and selects the tester's language.
// Throws LoadFailed when the file has no such lines.
void FillListFromFile(OpContext &ctx, Control list, const QString &tag);
