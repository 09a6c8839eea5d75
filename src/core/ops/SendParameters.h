#pragma once

#include <QString>

struct CatalogueEntry;
class OrvaForm;
struct OpContext;
struct Outcome;

// What "Send Parameters to Equipment !" does: the language texts, every
// editable parameter and the clock, read from the controls as each is written.
Outcome SendParameters(OpContext &ctx);

// The value the send writes for a catalogue entry, as the controls hold it now.
QString composeValue(const OrvaForm &form, const CatalogueEntry &entry);
