#include "WakeTimer.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

WakeTimer::WakeTimer(QObject *parent)
    : QObject(parent)
    , m_fd(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        quint64 expirations = 0;
        (void)!::read(m_fd, &expirations, sizeof expirations);
        emit woke();
    });
}

WakeTimer::~WakeTimer()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void WakeTimer::wakeIn(qint64 ns)
{
    // Never zero: that would disarm the timer.
    ns = std::max<qint64>(1000, ns);
    itimerspec spec{};
    spec.it_value.tv_sec = time_t(ns / 1'000'000'000);
    spec.it_value.tv_nsec = long(ns % 1'000'000'000);
    ::timerfd_settime(m_fd, 0, &spec, nullptr);
}
