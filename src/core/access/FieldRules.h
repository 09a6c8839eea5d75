#pragma once

#include <QString>

// The checks typed fields get when the focus leaves them, and the MCTC rule
// of the protocol list. Pure functions of the texts involved.
namespace FieldRules {

// Only "0" to "9"; an empty text counts as 0; outside min..max gives the
// replacement. An accepted text is returned exactly as typed.
QString checkedNumber(const QString &text, int min, int max, const QString &replacement);

// Reference illuminance: any character but "0" to "9" gives "1"; no range.
QString checkedReference(const QString &text);

// The expiry-date fields and the reference fields, by control name; the text
// unchanged for any other control.
QString checked(const QString &control, const QString &text);
bool isChecked(const QString &control);

// The protocol's first four characters are "MCTC" in any case.
bool isMctc(const QString &protocol);

} // namespace FieldRules
