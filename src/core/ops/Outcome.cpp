#include "Outcome.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Outcome)
};
} // namespace

Outcome Outcome::fatal(const OrvaError &error)
{
    Outcome o;
    o.kind = Kind::Fatal;
    o.cause = Cause::File;
    o.error = error;
    o.critical = true;
    o.title = Texts::tr("Error not handled");
    o.text =
        Texts::tr("Error n°%1\r\nDescription : %2").arg(error.number()).arg(error.description());
    return o;
}
