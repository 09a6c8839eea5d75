#pragma once

#include <QString>

// Kinds and outcomes are stored in English, the same for every user of a
// shared history; the window shows them in the user's language.
namespace HistoryWords {
QString shown(const QString &word);
}
