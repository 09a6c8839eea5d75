#pragma once

#include <QComboBox>

// A combo box that can be locked like a read-only field: it still takes the
// focus, but mouse, keys and wheel do not change its selection.
class LockableComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showPopup() override;

private:
    bool m_locked = true;
};
