#include "FieldFocusRules.h"

#include "access/FieldRules.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
bool betweenControls(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}
} // namespace

void FieldFocusRules::watch(QLineEdit *field)
{
    field->installEventFilter(this);
}

void FieldFocusRules::applyCheck(QLineEdit *field)
{
    const auto control = Controls::byName(field->objectName());
    if (!control)
        return;
    const QString checked = FieldRules::checked(*control, field->text());
    if (checked != field->text())
        field->setText(checked);
}

bool FieldFocusRules::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return QObject::eventFilter(watched, event);
    const auto *focus = static_cast<QFocusEvent *>(event);
    if (!betweenControls(focus))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // After a mouse click, once the click has placed the cursor.
        const auto select = [field] {
            field->setSelection(0, std::min<int>(field->maxLength(), int(field->text().size())));
        };
        select();
        if (focus->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, field, select);
    } else {
        applyCheck(field);
    }
    return QObject::eventFilter(watched, event);
}
