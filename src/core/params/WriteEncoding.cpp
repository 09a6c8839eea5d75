#include "WriteEncoding.h"

#include "ParameterFile.h"
#include "ValueCodec.h"

#include <algorithm>

Encoded WriteEncoding::encode(const Definition &d, const QString &value, WriteMode mode)
{
    switch (mode) {
    case WriteMode::Text:
        return {ValueCodec::encodeText(value.toLatin1(), d.length), {}};
    case WriteMode::Number: {
        if (value.isEmpty())
            return {{}, Unsent{Unsent::Why::EmptyValue, d.name, d.address, d.lineNumber}};
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
        return {{}, Unsent{Unsent::Why::NoUsableValue, d.name, d.address, d.lineNumber}};
    }
    }
    return {};
}
