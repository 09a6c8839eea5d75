#pragma once

#include "base/Control.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <variant>

// A list field's value: the entry's index, and its text for the reader.
struct ListEntry
{
    int index = -1;
    QString item;
};

// A field's value by the kind of its control: a text, a list entry, a flag
// or a factor.
using FieldValue = std::variant<QString, ListEntry, bool, int>;

// What a tester holds, as far as the program knows: the fields by control,
// the photodiode offsets, the values no field offers, and the fields a write
// cut part way. Parameter documents and the history's stored columns are its
// JSON form (fromDocument / toDocument); inside, it is read by control.
class TesterState
{
public:
    QString firmware;
    QString parameterFile;
    QString languageKey;
    QString readAt; // as the document has it
    // Absent in a document that had none, so that what is stored again is
    // what was read.
    std::optional<QList<int>> offsets;
    QMap<QString, QString> notOffered; // parameter key -> the value shown
    QList<Control> partial;            // fields whose bytes a write cut part way

    bool isEmpty() const { return m_fields.empty(); }
    std::optional<FieldValue> value(Control c) const;
    void set(Control c, const FieldValue &v) { m_fields[c] = v; }

    // Empty, -1 or false where the state has no such value.
    QString text(Control c) const;
    int index(Control c) const;
    bool flag(Control c) const;
    std::optional<int> number(Control c) const;

    QString serial() const { return text(Control::TestoNumSerie).trimmed(); }

    // Whether the tester would hold something else: texts as stored (padded
    // with blanks to their width), lists by index.
    static bool same(Control c, const std::optional<FieldValue> &a,
                     const std::optional<FieldValue> &b);
    bool differs(Control c, const TesterState &other) const
    {
        return !same(c, value(c), other.value(c));
    }
    // "manufacturer: ORVA -> ACME", one line for each field that differs in
    // `after`, by field name, cut fields marked.
    QStringList changesTo(const TesterState &after) const;

    // Texts that are cleared to blanks padded to their width, as the tester
    // stores them.
    TesterState asStored() const;

    // A document's "fields" it cannot read are left out; the rest round-trips.
    static TesterState fromDocument(const QJsonObject &document);
    QJsonObject toDocument() const;
    // One field's value in a document; nothing where its type is not the
    // control's.
    static std::optional<FieldValue> fieldFrom(Control c, const QJsonValue &v);
    static QJsonValue fieldJson(const FieldValue &v);

    // The field's value as documents show it to a reader.
    static QString shown(const std::optional<FieldValue> &v);

private:
    std::map<Control, FieldValue> m_fields;
};
