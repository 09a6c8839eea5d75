#include "ErrorReport.h"

#include "OrvaForm.h"
#include "link/OrvaError.h"

#include <QDir>

void reportFatal(OrvaForm &form, const OrvaError &error)
{
    form.critical(QStringLiteral("Error not handled"),
                  QStringLiteral("Error n°%1\r\nDescription : %2")
                      .arg(error.number())
                      .arg(error.description()));
    form.endProgram();
    throw ProgramClosing();
}

OrvaError missingDefinition(const QString &file, const QString &key)
{
    return OrvaError(ErrorNumber::InvalidProcedureCall,
                     QStringLiteral("Invalid procedure call or argument: the parameter file %1 has "
                                    "no usable definition of %2. Replace the file with a complete "
                                    "one.")
                         .arg(QDir::toNativeSeparators(file), key));
}
