#pragma once

#include "base/WriteMode.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct Definition;

// A definition line a write sends nothing for, where the user should hear of it.
struct Unsent
{
    enum class Why {
        EmptyValue,    // the value to send is empty
        NoUsableValue, // the line's own value column has none
    };
    Why why = Why::EmptyValue;
    QString name;    // the parameter's, as the file calls it
    QString address; // as written in the file
    int lineNumber = 0;
};

// The bytes a write sends for one definition line, or why it sends nothing.
struct Encoded
{
    std::optional<QByteArray> bytes; // none: nothing is sent
    std::optional<Unsent> unsent;    // why not, where the user should hear of it
};

namespace WriteEncoding {

// Number: decimal digits, a text with any other character counting as zero,
// clamped to the width. Text:
// blank-padded or cut to the width. FromFile: the definition line's own
// value, quoted text or a number followed by a comma.
Encoded encode(const Definition &definition, const QString &value, WriteMode mode);

} // namespace WriteEncoding
