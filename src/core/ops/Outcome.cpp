#include "Outcome.h"

Outcome Outcome::fatal(const OrvaError &error)
{
    Outcome o;
    o.kind = Kind::Fatal;
    o.cause = Cause::File;
    o.error = error;
    o.critical = true;
    o.title = QStringLiteral("Error not handled");
    o.text = QStringLiteral("Error n°%1\r\nDescription : %2")
                 .arg(error.number())
                 .arg(error.description());
    return o;
}
