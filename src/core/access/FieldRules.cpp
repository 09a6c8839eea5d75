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

QString FieldRules::checkedNumber(const QString &text, int min, int max, const QString &replacement)
{
    if (!allDigits(text))
        return replacement;
    const qint64 value = text.isEmpty() ? 0 : text.toLongLong();
    return value < min || value > max ? replacement : text;
}

QString FieldRules::checkedReference(const QString &text)
{
    return allDigits(text) ? text : QStringLiteral("1");
}

QString FieldRules::checked(const QString &control, const QString &text)
{
    if (control == QLatin1String("TestoGiornoScadenza"))
        return checkedNumber(text, 1, 31, QStringLiteral("01"));
    if (control == QLatin1String("TestoMeseScadenza"))
        return checkedNumber(text, 1, 12, QStringLiteral("01"));
    if (control == QLatin1String("TestoAnnoScadenza"))
        return checkedNumber(text, 2003, 9999, QStringLiteral("2003"));
    if (control == QLatin1String("TestoLuxAnaCampione") ||
        control == QLatin1String("TestoLuxAbbCampione"))
        return checkedReference(text);
    return text;
}

bool FieldRules::isChecked(const QString &control)
{
    return control == QLatin1String("TestoGiornoScadenza") ||
           control == QLatin1String("TestoMeseScadenza") ||
           control == QLatin1String("TestoAnnoScadenza") ||
           control == QLatin1String("TestoLuxAnaCampione") ||
           control == QLatin1String("TestoLuxAbbCampione");
}

bool FieldRules::isMctc(const QString &protocol)
{
    return protocol.left(4).toUpper() == QLatin1String("MCTC");
}
