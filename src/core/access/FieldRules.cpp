#include "FieldRules.h"

namespace {
bool allDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}
} // namespace

QString FieldRules::checked(Control control, const QString &text)
{
    const FieldCheck &check = Controls::info(control).check;
    if (!check.replacement)
        return text;
    const QString replacement = QString::fromLatin1(check.replacement);
    if (!allDigits(text))
        return replacement;
    if (check.max < check.min)
        return text;
    const qint64 value = text.isEmpty() ? 0 : text.toLongLong();
    return value < check.min || value > check.max ? replacement : text;
}

bool FieldRules::isMctc(const QString &protocol)
{
    return protocol.left(4).toUpper() == QLatin1String("MCTC");
}
