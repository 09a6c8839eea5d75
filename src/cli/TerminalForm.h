#pragma once

#include "form/FormValues.h"

// The form of the command-line tool: plain values, and a transfer's progress
// as one line on the terminal when stderr is one.
class TerminalForm : public FormValues
{
public:
    explicit TerminalForm(bool showProgress)
        : m_showProgress(showProgress)
    {}

    void setProgress(qint64 done, qint64 total) override;

private:
    bool m_showProgress;
    bool m_shown = false;
};
