#include "LockableComboBox.h"

#include <QKeyEvent>

void LockableComboBox::mousePressEvent(QMouseEvent *event)
{
    if (m_locked) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QComboBox::mousePressEvent(event);
}

void LockableComboBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QComboBox::mouseReleaseEvent(event);
}

void LockableComboBox::keyPressEvent(QKeyEvent *event)
{
    // Tab and Shift+Tab still move the focus on.
    if (m_locked && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void LockableComboBox::wheelEvent(QWheelEvent *event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QComboBox::wheelEvent(event);
}

void LockableComboBox::showPopup()
{
    if (!m_locked)
        QComboBox::showPopup();
}
