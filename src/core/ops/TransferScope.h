#pragma once

#include "base/Control.h"

#include <optional>

struct OpContext;

// The frame of every transfer a button starts. Opening: LockAllControls, the
// button hidden (for the calibrations) and its Abort button shown. Closing,
// on every path out, the error path included: the beep, the Abort button
// hidden and the button shown again, the abort flag cleared and
// ApplyAccessLevel last. Nothing is restored when the program is closing.
class TransferScope
{
public:
    TransferScope(OpContext &ctx, std::optional<Control> button, Control abortButton);
    ~TransferScope();
    TransferScope(const TransferScope &) = delete;
    TransferScope &operator=(const TransferScope &) = delete;

private:
    OpContext &m_ctx;
    std::optional<Control> m_button;
    Control m_abortButton;
};
