#include "TerminalForm.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TerminalForm)
};
} // namespace

void TerminalForm::setProgress(qint64 done, qint64 total)
{
    if (!m_showProgress)
        return;
    QTextStream err(stderr);
    if (total <= 0) {
        if (m_shown)
            err << '\n';
        m_shown = false;
        return;
    }
    err << Texts::tr("\r%1 of %2 bytes (%3 %)").arg(done).arg(total).arg(done * 100 / total);
    m_shown = true;
}
