#pragma once

class OrvaError;
class OrvaForm;

// The "Error not handled" report, then the end of the program: shows the box,
// has the form end the program and unwinds with ProgramClosing.
[[noreturn]] void reportFatal(OrvaForm &form, const OrvaError &error);

#include <QString>

// The parameter file lacks a definition the load needs to decode a value.
OrvaError missingDefinition(const QString &file, const QString &key);
