#include "TransferScope.h"

#include "OpContext.h"
#include "Session.h"
#include "Tester.h"
#include "access/Interlock.h"
#include "form/OrvaForm.h"
#include "link/AbortFlag.h"
#include "link/SerialLink.h"

TransferScope::TransferScope(OpContext &ctx, std::optional<Control> button, Control abortButton)
    : m_ctx(ctx)
    , m_button(button)
    , m_abortButton(abortButton)
{
    Interlock::lockAllControls(ctx.form);
    if (m_button)
        ctx.form.setShown(*m_button, false);
    ctx.form.setShown(m_abortButton, true);
}

TransferScope::~TransferScope()
{
    if (m_ctx.tester.link().serial().isShuttingDown())
        return;
    OrvaForm &form = m_ctx.form;
    form.beep();
    form.setShown(m_abortButton, false);
    if (m_button)
        form.setShown(*m_button, true);
    m_ctx.tester.link().abortFlag().clear();
    Interlock::applyAccessLevel(form, m_ctx.session.accessLevel());
}
