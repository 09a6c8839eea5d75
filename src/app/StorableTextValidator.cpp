#include "StorableTextValidator.h"

#include "access/EditRules.h"

#include <QEvent>
#include <QLineEdit>

namespace {
qsizetype unstorable(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(),
                         [](QChar c) { return !EditRules::storable(c); });
}
} // namespace

StorableTextValidator::StorableTextValidator(QLineEdit *field)
    : QValidator(field)
    , m_field(field)
{
    field->setValidator(this);
    field->installEventFilter(this);
}

QValidator::State StorableTextValidator::validate(QString &input, int &) const
{
    return unstorable(input) > m_allowed ? Invalid : Acceptable;
}

bool StorableTextValidator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusIn)
        m_allowed = unstorable(m_field->text());
    return QValidator::eventFilter(watched, event);
}
