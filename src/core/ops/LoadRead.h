#pragma once

#include <QByteArray>
#include <QString>

struct OpContext;

// Thrown inside a load when the tester stops answering: the load goes back to
// waiting for it.
struct TesterSilent
{
};

// One parameter read as the load does it: a silent tester or a lost port
// throws TesterSilent; a parameter file that went missing falls back to the
// default file and reads as empty.
QByteArray readForLoad(OpContext &ctx, const QString &key);
