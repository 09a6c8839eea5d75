#include "WriteEncoding.h"

#include "ParameterFile.h"
#include "ValueCodec.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WriteEncoding)
};
} // namespace

Encoded WriteEncoding::encode(const Definition &d, const QString &value, WriteMode mode)
{
    switch (mode) {
    case WriteMode::Text:
        return {ValueCodec::encodeText(value.toLatin1(), d.length), {}};
    case WriteMode::Number: {
        if (value.isEmpty())
            return {{}, Texts::tr("%1: empty value, not sent (addr. h%2 )").arg(d.name, d.address)};
        const auto n = ValueCodec::decimal(value);
        return {ValueCodec::encodeNumber(std::min(n.value_or(0), ValueCodec::maxValue(d.length)),
                                         d.length),
                {}};
    }
    case WriteMode::FromFile: {
        const LineValue v = ParameterFile::valueOf(d);
        if (v.kind == LineValue::Text) // an empty text is written as blanks, as in Text mode
            return {ValueCodec::encodeText(v.text, d.length), {}};
        if (v.kind == LineValue::Number)
            return {ValueCodec::encodeNumber(std::min(v.number, ValueCodec::maxValue(d.length)),
                                             d.length),
                    {}};
        return {{},
                Texts::tr("Line %1 of the parameter file has no usable value for %2: not sent "
                          "(addr. h%3 )")
                    .arg(d.lineNumber)
                    .arg(d.name, d.address)};
    }
    }
    return {};
}
