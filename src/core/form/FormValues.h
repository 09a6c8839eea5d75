#pragma once

#include "OrvaForm.h"

#include <QHash>

// The main window's values without a window, for the command-line tool and
// for tests of the core. Starts as the window does when it is created.
class FormValues : public OrvaForm
{
public:
    FormValues();

    QString text(Control control) const override { return m_texts.value(control); }
    void setText(Control control, const QString &text) override;
    QStringList items(Control list) const override { return m_items.value(list); }
    void setItems(Control list, const QStringList &items) override;
    int currentIndex(Control list) const override { return m_index.value(list, -1); }
    void setCurrentIndex(Control list, int index) override;
    bool isChecked(Control box) const override { return m_checks.value(box); }
    void setChecked(Control box, bool checked) override { m_checks[box] = checked; }
    void setOpen(Control control, bool open) override { m_open[control] = open; }
    bool isOpen(Control control) const override { return m_open.value(control); }
    void setShown(Control, bool) override {}
    void setStatus(const QString &text) override { m_status = text; }
    QString status() const { return m_status; }
    void beep() override {}
    bool confirm(const QString &title, const QString &text) override;
    // What confirm answers: Yes or No.
    void setAnswer(bool yes) { m_answerYes = yes; }

private:
    bool m_answerYes = false;
    QHash<Control, QString> m_texts;
    QHash<Control, QStringList> m_items;
    QHash<Control, int> m_index;
    QHash<Control, bool> m_checks;
    QHash<Control, bool> m_open;
    QString m_status;
};
