#pragma once

#include <QObject>

class QSocketNotifier;
class QTimer;

// Wakes the simulator when its next byte is due. Where the system has a
// timer to the microsecond (Linux's timerfd), paced replies keep the line's
// timing rather than the event loop's millisecond timers.
class WakeTimer : public QObject
{
    Q_OBJECT
public:
    explicit WakeTimer(QObject *parent = nullptr);
    ~WakeTimer() override;

    void wakeIn(qint64 ns);

signals:
    void woke();

private:
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_timer = nullptr;
};
