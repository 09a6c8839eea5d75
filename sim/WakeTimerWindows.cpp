#include "WakeTimer.h"

#include <QTimer>

WakeTimer::WakeTimer(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WakeTimer::woke);
}

WakeTimer::~WakeTimer() = default;

void WakeTimer::wakeIn(qint64 ns)
{
    m_timer->start(int((std::max<qint64>(0, ns) + 999'999) / 1'000'000));
}
