#pragma once

#include "form/OrvaForm.h"

#include <QHash>
#include <QObject>

#include <array>

class StatusArea;
class UserPrompts;
class QWidget;

// The form interface on the main window's widgets. Every control of the
// table must exist in the window under its name: a missing one stops the
// program at once, so a misspelt name cannot go unnoticed.
class WindowForm : public QObject, public OrvaForm
{
    Q_OBJECT
public:
    WindowForm(QWidget &window, StatusArea &status, UserPrompts &prompts);

    QWidget *widget(Control control) const { return m_widgets[std::size_t(control)]; }

    QString text(Control control) const override;
    void setText(Control control, const QString &text) override;
    QStringList items(Control list) const override;
    void setItems(Control list, const QStringList &items) override;
    int currentIndex(Control list) const override;
    void setCurrentIndex(Control list, int index) override;
    bool isChecked(Control box) const override;
    void setChecked(Control box, bool checked) override;
    void setOpen(Control control, bool open) override;
    bool isOpen(Control control) const override;
    void setShown(Control control, bool shown) override;
    void setStatus(const QString &text) override;
    void setProgress(qint64 done, qint64 total) override;
    void beep() override;
    bool confirm(const QString &title, const QString &text) override;

    // How a control looks: read-only when closed, marked when its value is
    // not sent yet, and a tooltip saying why it is closed to this level.
    void setLevel(AccessLevel level);
    void setPending(Control control, bool pending);
    bool isPending(Control control) const { return m_pending.value(control); }

private:
    void updateLook(Control control);

    QWidget &m_window;
    StatusArea &m_status;
    UserPrompts &m_prompts;
    std::array<QWidget *, std::size_t(Control::CmdInterrompiFotodiodi) + 1> m_widgets{};
    QHash<Control, bool> m_pending;
    std::optional<AccessLevel> m_level;
};
