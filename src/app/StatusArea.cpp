#include "StatusArea.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace {
constexpr int ShowEveryMs = 250;

QLabel *label(QWidget *parent, const char *name, const QString &accessible)
{
    auto *l = new QLabel(parent);
    // The tester's own texts (serial number, garage) are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(accessible);
    return l;
}
} // namespace

StatusArea::StatusArea(QStatusBar *bar)
    : QObject(bar)
{
    auto *area = new QWidget(bar);
    m_text = label(area, "StatusText", tr("Status"));
    m_progress = new QProgressBar(area);
    m_progress->setObjectName(QStringLiteral("TransferProgress"));
    m_progress->setAccessibleName(tr("Transfer progress"));
    m_progress->setMaximumWidth(120);
    m_progress->setMaximumHeight(m_text->sizeHint().height());
    m_progress->hide();
    m_timeLeft = label(area, "TimeLeft", tr("Time left"));
    m_timeLeft->hide();
    m_outcome = label(area, "OutcomeText", tr("Last operation"));
    m_pending = label(area, "PendingCount", tr("Changes not sent"));
    m_level = label(area, "AccessLevel", tr("Access level"));
    m_unpushed = label(area, "UnpushedCount", tr("Service history entries not yet on the server"));
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setVerticalSpacing(0);
    grid->addWidget(m_text, 0, 0);
    grid->addWidget(m_progress, 0, 1);
    grid->addWidget(m_timeLeft, 0, 2);
    grid->addWidget(m_outcome, 1, 0);
    grid->addWidget(m_pending, 1, 1);
    grid->addWidget(m_level, 1, 2, Qt::AlignRight);
    grid->addWidget(m_unpushed, 0, 3, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    bar->addPermanentWidget(area, 1);
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &StatusArea::showNow);
}

QString StatusArea::text() const
{
    return m_textNow;
}

void StatusArea::setText(const QString &text)
{
    if (text == m_textNow)
        return;
    m_textNow = text;
    emit textChanged(text);
    showLater();
}

QString StatusArea::outcome() const
{
    return m_outcome->text();
}

void StatusArea::setOutcome(const QString &text)
{
    m_outcome->setText(text);
}

void StatusArea::setPendingCount(int count)
{
    m_pending->setText(count == 0   ? QString()
                       : count == 1 ? tr("1 change not sent")
                                    : tr("%1 changes not sent").arg(count));
}

void StatusArea::setUnpushedCount(int count)
{
    m_unpushed->setText(count == 0   ? QString()
                        : count == 1 ? tr("1 entry not yet on the server")
                                     : tr("%1 entries not yet on the server").arg(count));
}

void StatusArea::setLevel(const QString &text, bool known)
{
    m_level->setText(text);
    QFont font = m_level->font();
    font.setBold(!known);
    m_level->setFont(font);
}

void StatusArea::setProgress(qint64 done, qint64 total)
{
    emit progressChanged(done, total);
    if (total > 0 && (done == 0 || !m_clock.isValid()))
        m_clock.start();
    m_done = done;
    m_total = total;
    // The start and the end of a transfer show at once.
    if (total <= 0 || done == 0 || done >= total)
        showNow();
    else
        showLater();
}

void StatusArea::showLater()
{
    if (m_showTimer.isActive())
        return;
    const qint64 since = m_shown.isValid() ? m_shown.elapsed() : ShowEveryMs;
    if (since >= ShowEveryMs)
        showNow();
    else
        m_showTimer.start(int(ShowEveryMs - since));
}

void StatusArea::showNow()
{
    m_showTimer.stop();
    m_shown.start();
    m_text->setText(m_textNow);
    if (m_total <= 0) {
        m_progress->hide();
        m_timeLeft->hide();
        return;
    }
    m_progress->setRange(0, int(m_total));
    m_progress->setValue(int(m_done));
    m_progress->show();
    // Time left from the pace so far; the line's speed is steady.
    if (m_done > 0 && m_clock.elapsed() > 500) {
        const qint64 left = m_clock.elapsed() * (m_total - m_done) / m_done / 1000;
        m_timeLeft->setText(tr("about %1 s left").arg(left + 1));
        m_timeLeft->show();
    } else {
        m_timeLeft->hide();
    }
}
