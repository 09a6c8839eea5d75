#pragma once

#include "base/Control.h"
#include "base/WriteMode.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct CatalogueEntry;
class OrvaForm;
struct OpContext;
struct Outcome;
struct Session;

// What "Send Parameters to Equipment !" does: the language texts, every
// editable parameter and the clock, read from the controls as each is written.
// A restore also writes the factors shown in the given controls.
Outcome SendParameters(OpContext &ctx, const QList<Control> &factors = {});

// The value the controls make for a catalogue entry now.
QString composeValue(const OrvaForm &form, const CatalogueEntry &entry);

// What the send writes for an entry: the controls' value in the entry's mode,
// or, for a value the window could not show and the user did not change, the
// tester's own bytes. Bits of the option switches no box stands for stay.
struct SendValue
{
    QString value;
    WriteMode mode = WriteMode::Text;
    std::optional<QByteArray> raw;
};
// None for entries the send does not write.
std::optional<SendValue> sendValue(const OrvaForm &form, const Session &session,
                                   const CatalogueEntry &entry);
