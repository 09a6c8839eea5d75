#pragma once

#include <QString>

class QWidget;

// The message boxes and the beep, behind one seam so tests can answer and
// observe them; the program shows real boxes.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;
    virtual void beep() = 0;
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
};
