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

// What keeps a document from being applied, field by field.
struct Problems
{
    QStringList invalid; // values the window would not take or would replace
    QStringList refused; // changes the access level may not make
    bool any() const { return !invalid.isEmpty() || !refused.isEmpty(); }
};

// Puts the document's changed fields into the form, under the rules every
// edit in the window follows: the field checks, the characters the tester
// can store, list entries that exist, and the list rules (a change they
// would undo is refused). A field the level may not change, or that no one
// may write, is refused when it differs from the form's. Any problem leaves
// the form untouched.
Problems apply(OrvaForm &form, const QJsonObject &document, AccessLevel level);

// The document's "fields" names.
QStringList fieldNames();

} // namespace ParameterDocument
