#pragma once

#include "UserPrompts.h"

#include <QList>
#include <QString>

#include <functional>

// Answers the message boxes for a test and records what was shown.
class ScriptedPrompts : public UserPrompts
{
public:
    struct Shown
    {
        QString kind;
        QString title;
        QString text;
    };

    void beep() override { ++beeps; }
    bool confirm(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("question"), title, text});
        if (onShown)
            onShown();
        return confirmAnswer;
    }
    void critical(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("critical"), title, text});
        if (onShown)
            onShown();
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("warning"), title, text});
        if (onShown)
            onShown();
    }

    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileToSave;
    }

    int beeps = 0;
    QString fileToSave; // what the file dialog answers
    bool confirmAnswer = false;
    QList<Shown> shown;
    // Runs while a box is "open", as the user would act before dismissing it.
    std::function<void()> onShown;
};
