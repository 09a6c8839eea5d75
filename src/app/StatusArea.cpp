#include "StatusArea.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

StatusArea::StatusArea(QStatusBar *bar)
    : QObject(bar)
    , m_text(new QLabel(bar))
    , m_progress(new QProgressBar(bar))
    , m_timeLeft(new QLabel(bar))
{
    m_text->setObjectName(QStringLiteral("StatusText"));
    m_text->setAccessibleName(QStringLiteral("Status"));
    bar->addPermanentWidget(m_text, 1);
    m_progress->setObjectName(QStringLiteral("TransferProgress"));
    m_progress->setAccessibleName(QStringLiteral("Transfer progress"));
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_timeLeft->setObjectName(QStringLiteral("TimeLeft"));
    m_timeLeft->hide();
    bar->addPermanentWidget(m_progress);
    bar->addPermanentWidget(m_timeLeft);
}

QString StatusArea::text() const
{
    return m_text->text();
}

void StatusArea::setText(const QString &text)
{
    if (text == m_text->text())
        return;
    m_text->setText(text);
    emit textChanged(text);
}

void StatusArea::setProgress(qint64 done, qint64 total)
{
    emit progressChanged(done, total);
    if (total <= 0) {
        m_progress->hide();
        m_timeLeft->hide();
        return;
    }
    if (done == 0 || !m_clock.isValid())
        m_clock.start();
    m_progress->setRange(0, int(total));
    m_progress->setValue(int(done));
    m_progress->show();
    // Time left from the pace so far; the line's speed is steady.
    if (done > 0 && m_clock.elapsed() > 500) {
        const qint64 left = m_clock.elapsed() * (total - done) / done / 1000;
        m_timeLeft->setText(QStringLiteral("about %1 s left").arg(left + 1));
        m_timeLeft->show();
    } else {
        m_timeLeft->hide();
    }
}
