#include "TransferProgress.h"

#include "form/OrvaForm.h"
#include "link/TesterLink.h"

#include <algorithm>

TransferProgress::TransferProgress(OrvaForm &form, TesterLink &link, qint64 total)
    : m_form(form)
    , m_link(link)
    , m_total(total)
{
    m_form.setProgress(0, m_total);
    m_link.byteDone = [this] {
        m_done = std::min(m_done + 1, m_total);
        m_form.setProgress(m_done, m_total);
    };
}

TransferProgress::~TransferProgress()
{
    m_link.byteDone = nullptr;
    m_form.setProgress(0, 0);
}
