#pragma once

#include "base/Control.h"

#include <QString>

// The checks typed fields get when the focus leaves them, and the MCTC rule
// of the protocol list. Pure functions of the texts involved.
namespace FieldRules {

// The expiry-date and reference fields: only "0" to "9" (an empty text
// counting as 0), within the field's range where it has one; otherwise the
// field's replacement. An accepted text is returned exactly as typed, and
// every other control's text unchanged.
QString checked(Control control, const QString &text);

// The protocol's first four characters are "MCTC" in any case.
bool isMctc(const QString &protocol);

} // namespace FieldRules
