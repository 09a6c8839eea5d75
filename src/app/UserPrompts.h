#pragma once

#include <QString>

class QWidget;

// The message boxes, the beep and the file dialog, behind one seam so tests
// can answer and observe them; the program shows real ones.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;
    virtual void beep() = 0;
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // The file to save to; empty when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;
};
