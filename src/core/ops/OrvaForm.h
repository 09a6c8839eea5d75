#pragma once

#include <QString>
#include <QStringList>

// What the operations need of the main window: the values of its controls by
// name, the status line, the interlock pair, the beep and the message boxes.
// The window implements it with widgets; a command-line tool with plain values.
class OrvaForm
{
public:
    virtual ~OrvaForm() = default;

    virtual QString text(const QString &control) const = 0;
    virtual void setText(const QString &control, const QString &text) = 0;
    virtual int maxLength(const QString &control) const = 0;

    virtual QStringList items(const QString &list) const = 0;
    virtual void setItems(const QString &list, const QStringList &items) = 0;
    virtual int currentIndex(const QString &list) const = 0;
    virtual void setCurrentIndex(const QString &list, int index) = 0;
    QString currentText(const QString &list) const
    {
        const int i = currentIndex(list);
        const QStringList all = items(list);
        return i >= 0 && i < all.size() ? all.at(i) : QString();
    }

    virtual bool isChecked(const QString &box) const = 0;
    virtual void setChecked(const QString &box, bool checked) = 0;

    virtual void setShown(const QString &control, bool shown) = 0;
    virtual void setEnabled(const QString &control, bool enabled) = 0;

    virtual void setStatus(const QString &text) = 0;
    // Bytes done of a transfer's total; a total of 0 ends the progress display.
    virtual void setProgress(qint64 done, qint64 total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
    }

    virtual void lockAllControls() = 0;
    virtual void applyAccessLevel() = 0;

    virtual void beep() = 0;
    // Question box, Yes and No, No the default; true for Yes.
    virtual bool confirm(const QString &title, const QString &text) = 0;
    virtual void critical(const QString &title, const QString &text) = 0;
    virtual void warning(const QString &title, const QString &text) = 0;

    // A load has completed: the form holds what the tester has.
    virtual void parametersLoaded() {}
    // The tester is about to be overwritten (a send, a confirmed calibration).
    virtual void aboutToWrite() {}

    // After the "Error not handled" report: the program ends. The caller
    // unwinds with ProgramClosing once this returns.
    virtual void endProgram() = 0;
};
