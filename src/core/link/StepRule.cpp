#include "StepRule.h"

void StepRule::reset()
{
    m_due = 0;
    m_lost = false;
    m_gaveUp = false;
}

void StepRule::sent(qsizetype replyBytes)
{
    m_due = replyBytes;
}

void StepRule::arrived(qsizetype count)
{
    if (count > m_due)
        m_lost = true;
    m_due = count > m_due ? 0 : m_due - count;
}

void StepRule::gaveUp()
{
    if (m_due > 0)
        m_gaveUp = true;
    m_due = 0;
}

void StepRule::resynced()
{
    m_lost = false;
    m_gaveUp = false;
}
