#pragma once

#include "WrittenBytes.h"
#include "base/AccessLevel.h"
#include "params/TesterState.h"

#include <QJsonObject>
#include <QStringList>

class OrvaForm;
struct Session;

// The tester's parameters between the form and a TesterState, whose JSON
// form ("format": 1) is what a read saves, what a backup keeps and what a
// write takes. Its field names come from the control table.
namespace ParameterDocument {

constexpr int Format = 1;

TesterState stateOf(const OrvaForm &form, const Session &session);
// One field as the form shows it.
FieldValue fieldValue(const OrvaForm &form, Control c);

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
// With `factors`, a level that may calibrate may also set the two factors,
// as a restore does.
Problems apply(OrvaForm &form, const QJsonObject &document, AccessLevel level,
               bool factors = false);

// The state after a write: `before` with each written definition's bytes
// as the tester was acknowledged to hold them. A field whose bytes were cut
// part way is marked partial, with the mix it now holds where the old bytes
// are known.
TesterState afterWrite(const TesterState &before, const OrvaForm &form, const WritePlan &plan);

// The fields the bytes of a parameter key stand for, decoded as a load would
// (list items named from the form's lists).
TesterState withStored(const TesterState &state, const OrvaForm &form, const QString &key,
                       const QByteArray &bytes);

// The document's "fields" names.
QStringList fieldNames();

} // namespace ParameterDocument
