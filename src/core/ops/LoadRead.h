#pragma once

#include "base/OrvaError.h"

#include <QByteArray>
#include <QString>

struct OpContext;

// Thrown inside a load when it cannot go on: the load ends with the "Error
// not handled" report and the program with it.
struct LoadFailed
{
    OrvaError error;
};

// One parameter read as the load does it. A parameter file that went missing
// falls back to the default file and reads as empty; a missing default file
// throws LoadFailed; a tester that stops answering throws TesterLost.
QByteArray readForLoad(OpContext &ctx, const QString &key);

// The parameter file lacks a definition the load needs to decode a value.
[[noreturn]] void failMissingDefinition(OpContext &ctx, const QString &key);

// The tester's value for the key cannot be shown: it is kept as read.
void keepValue(OpContext &ctx, const QString &key, const QByteArray &raw);
