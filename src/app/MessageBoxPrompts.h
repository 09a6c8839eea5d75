#pragma once

#include "UserPrompts.h"

class MessageBoxPrompts : public UserPrompts
{
public:
    void beep() override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;
    void critical(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
};
