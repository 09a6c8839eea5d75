#pragma once

#include <QtGlobal>

class OrvaForm;
class TesterLink;

// Counts the bytes a load or a send moves and shows them against the total
// the parameter file defines, for as long as it lives.
class TransferProgress
{
public:
    TransferProgress(OrvaForm &form, TesterLink &link, qint64 total);
    ~TransferProgress();
    TransferProgress(const TransferProgress &) = delete;
    TransferProgress &operator=(const TransferProgress &) = delete;

private:
    OrvaForm &m_form;
    TesterLink &m_link;
    qint64 m_total;
    qint64 m_done = 0;
};
