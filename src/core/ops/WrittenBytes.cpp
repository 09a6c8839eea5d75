#include "WrittenBytes.h"

QByteArray WrittenBytes::held() const
{
    if (whole())
        return bytes;
    if (before.size() != bytes.size())
        return {};
    return bytes.left(acknowledged) + before.mid(acknowledged);
}
