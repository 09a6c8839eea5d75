#pragma once

#include "base/AccessLevel.h"

#include <QJsonObject>
#include <QStringList>

class OrvaForm;
struct Session;

// The tester's parameters as a JSON document ("format": 1): what a read
// saves, what a backup keeps and what a write takes. Its field names come
// from the control table.
namespace ParameterDocument {

constexpr int Format = 1;

QJsonObject fromForm(const OrvaForm &form, const Session &session);

// Puts the document's fields into the form. A field the access level may not
// change, or that no one may write, is an error when its value differs from
// the form's; any error leaves the form untouched. Returns the errors.
QStringList apply(OrvaForm &form, const QJsonObject &document, AccessLevel level);

// The document's "fields" names.
QStringList fieldNames();

} // namespace ParameterDocument
