#pragma once

#include "WrittenBytes.h"
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
// With `factors`, a level that may calibrate may also set the two factors,
// as a restore does.
Problems apply(OrvaForm &form, const QJsonObject &document, AccessLevel level,
               bool factors = false);

// The document as the tester stores it: blank-padded texts to their width.
QJsonObject asStored(const QJsonObject &document);

// The document after a write: `before` with each written definition's bytes
// as the tester was acknowledged to hold them. A field whose bytes were cut
// part way is named under "partial", with the mix it now holds where the old
// bytes are known.
QJsonObject afterWrite(const QJsonObject &before, const OrvaForm &form, const WritePlan &plan);

// The fields the bytes of a parameter key stand for, decoded as a load would
// (list items named from the form's lists).
QJsonObject withStored(const QJsonObject &document, const OrvaForm &form, const QString &key,
                       const QByteArray &bytes);

// The document's "fields" names.
QStringList fieldNames();

} // namespace ParameterDocument
