#include "TransferProgress.h"

#include "OrvaForm.h"
#include "Session.h"
#include "link/Equipment.h"

TransferProgress::TransferProgress(OpContext &ctx, qint64 total)
    : m_ctx(ctx)
    , m_total(total)
{
    m_ctx.form.setProgress(0, m_total);
    m_ctx.equipment.byteDone = [this] {
        m_done = std::min(m_done + 1, m_total);
        m_ctx.form.setProgress(m_done, m_total);
    };
}

TransferProgress::~TransferProgress()
{
    m_ctx.equipment.byteDone = nullptr;
    m_ctx.form.setProgress(0, 0);
}
