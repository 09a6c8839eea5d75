#pragma once

#include "Result.h"

#include <QString>

class QSettings;

// The settings file both programs read: where the history is ([history]) and
// the time limits a workshop may lengthen ([limits]).
namespace SettingsFile {
QString path();

// A [limits] line in milliseconds, `fallback` when the file has none. A
// limit below a reply's own time on the line would fail every command, one
// beyond ten minutes would look like a hang: both are refused.
Result<int> milliseconds(const QSettings &settings, const QString &key, int fallback);
} // namespace SettingsFile
