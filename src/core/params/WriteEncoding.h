#pragma once

#include "base/WriteMode.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct Definition;

// The bytes a write sends for one definition line, or why it sends nothing.
struct Encoded
{
    std::optional<QByteArray> bytes; // none: nothing is sent
    QString notSent;                 // why nothing is sent, where the user should hear of it
};

namespace WriteEncoding {

// Number: decimal digits, a text with any other character counting as zero,
// clamped to the width. Text:
// blank-padded or cut to the width. FromFile: the definition line's own
// value, quoted text or a number followed by a comma.
Encoded encode(const Definition &definition, const QString &value, WriteMode mode);

} // namespace WriteEncoding
