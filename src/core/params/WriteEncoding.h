#pragma once

#include "base/WriteMode.h"

#include <QByteArray>
#include <QString>

struct Definition;

// The bytes a write sends for one definition line, or why it sends nothing.
struct Encoded
{
    QByteArray bytes;
    QString notSent; // why nothing is sent, where the user should hear of it

    bool sends() const { return !bytes.isEmpty(); }
};

namespace WriteEncoding {

// Number: decimal digits, a text with any other character counting as that
// many zeros (the caller's text is replaced too), clamped to the width. Text:
// blank-padded or cut to the width. FromFile: the definition line's own
// value, quoted text or a number followed by a comma.
Encoded encode(const Definition &definition, QString &value, WriteMode mode);

} // namespace WriteEncoding
