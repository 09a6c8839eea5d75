#pragma once

#include "base/Control.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the operations need of the main window: the values of its controls,
// the status line, the open state the interlock and the access levels set,
// the beep and the confirmation question. The window implements it with its
// widgets; FormValues with plain values for the command-line tool.
//
// Every implementation behaves as the window's fields and lists do:
// - setText cuts a text at the control's maximum length (Controls::info);
// - setItems replaces a list's items and selects the first (none when
//   empty); setting the index a list already has is no change;
// - every change of a list's selected index, by the user or the program,
//   is reported to listChanged, before the call that made it returns.
class OrvaForm
{
public:
    virtual ~OrvaForm() = default;

    virtual QString text(Control control) const = 0;
    virtual void setText(Control control, const QString &text) = 0;

    virtual QStringList items(Control list) const = 0;
    virtual void setItems(Control list, const QStringList &items) = 0;
    virtual int currentIndex(Control list) const = 0;
    virtual void setCurrentIndex(Control list, int index) = 0;
    QString currentText(Control list) const
    {
        const int i = currentIndex(list);
        const QStringList all = items(list);
        return i >= 0 && i < all.size() ? all.at(i) : QString();
    }

    virtual bool isChecked(Control box) const = 0;
    virtual void setChecked(Control box, bool checked) = 0;

    // Open: a field or list takes edits (its read-only flag cleared), a check
    // box or button is enabled.
    virtual void setOpen(Control control, bool open) = 0;
    virtual bool isOpen(Control control) const = 0;
    virtual void setShown(Control control, bool shown) = 0;

    virtual void setStatus(const QString &text) = 0;
    // Bytes done of a transfer's total; a total of 0 ends the progress display.
    virtual void setProgress(qint64 done, qint64 total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
    }

    virtual void beep() = 0;
    // Question box, Yes and No, No the default; true for Yes.
    virtual bool confirm(const QString &title, const QString &text) = 0;

    // Called with the list whose selected index changed.
    std::function<void(Control list)> listChanged;

protected:
    void notifyListChanged(Control list)
    {
        if (listChanged)
            listChanged(list);
    }
};
