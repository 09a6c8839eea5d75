#pragma once

#include "base/AccessLevel.h"

#include <QString>

#include <optional>

// Which level a password opens, and the levels' names.
namespace Access {

// Decided afresh from the password text each time; exact and case-sensitive.
AccessLevel levelFor(const QString &password);

// Appended once to the main window's caption.
QString captionSuffix(AccessLevel level);

// "Administrator", "dealer", "technician" or "unknown", as the history stores it.
QString levelName(AccessLevel level);
// The same in the user's language.
QString levelShown(AccessLevel level);
// The level a stored name stands for.
std::optional<AccessLevel> levelFrom(const QString &name);

} // namespace Access
