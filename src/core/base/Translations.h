#pragma once

#include <QCommandLineOption>
#include <QLocale>

class QCoreApplication;

namespace Translations {

// Installs the program's texts and Qt's own in the locale's language, from the
// translations folder beside the program, in place of those installed before.
// English, the source language, needs none.
void install(QCoreApplication &app, const QLocale &locale = QLocale());

// Option descriptions are kept as their English source text (built before the
// translations are installed) and translated when the parser is made.
QCommandLineOption translated(QCommandLineOption option, const char *context);

} // namespace Translations
