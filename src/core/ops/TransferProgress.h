#pragma once

#include <QtGlobal>

struct OpContext;

// Counts the bytes a load or a send moves and shows them against the total
// the parameter file defines, for as long as it lives.
class TransferProgress
{
public:
    TransferProgress(OpContext &ctx, qint64 total);
    ~TransferProgress();
    TransferProgress(const TransferProgress &) = delete;
    TransferProgress &operator=(const TransferProgress &) = delete;

private:
    OpContext &m_ctx;
    qint64 m_total;
    qint64 m_done = 0;
};
