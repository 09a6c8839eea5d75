#pragma once

#include <QString>

struct OpContext;

// Fills one selection list from the parameter file's list lines of `tag`;
// "lang" also fills the hidden key list and selects the tester's language.
void FillListFromFile(OpContext &ctx, const QString &list, const QString &tag);
