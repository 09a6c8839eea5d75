#include "EditRules.h"

#include "FieldRules.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(EditRules)
};
} // namespace

bool EditRules::storable(QChar c)
{
    const char16_t u = c.unicode();
    return u <= 0xFF && u >= 0x20 && !(u >= 0x7F && u <= 0x9F);
}

std::optional<QString> EditRules::textProblem(Control field, const QString &text)
{
    const ControlInfo &row = Controls::info(field);
    if (row.maxLength > 0 && text.size() > row.maxLength)
        return Texts::tr("is longer than the %1 characters the field takes").arg(row.maxLength);
    for (const QChar c : text) {
        if (!storable(c))
            return Texts::tr("holds U+%1, a character the tester cannot store")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    }
    const QString checked = FieldRules::checked(field, text);
    if (checked == text)
        return std::nullopt;
    const FieldCheck &check = row.check;
    const QString takes = check.max < check.min
                              ? Texts::tr("digits only")
                              : Texts::tr("%1 to %2").arg(check.min).arg(check.max);
    return Texts::tr("\"%1\" is not accepted (the field takes %2): the window would replace it "
                     "by \"%3\"")
        .arg(text, takes, checked);
}
