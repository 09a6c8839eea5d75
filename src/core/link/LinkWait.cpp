#include "LinkWait.h"

#include "AbortFlag.h"
#include "SerialLink.h"
#include "base/ProgramClosing.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

WaitResult wait(SerialLink &link, const AbortFlag *abort, qsizetype count, int timeoutMs,
                bool forConnection = false)
{
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                  : QDeadlineTimer(timeoutMs, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&link, &SerialLink::received, &loop, [&] {
        if (count > 0 && link.waiting() >= count)
            loop.quit();
    });
    QObject::connect(&link, &SerialLink::portLost, &loop, &QEventLoop::quit);
    QObject::connect(&link, &SerialLink::connectionSettled, &loop, &QEventLoop::quit);
    QObject::connect(&link, &SerialLink::closing, &loop, &QEventLoop::quit);
    if (abort)
        QObject::connect(abort, &AbortFlag::raised, &loop, &QEventLoop::quit);

    for (;;) {
        if (link.isShuttingDown())
            throw ProgramClosing();
        if (abort && abort->isSet())
            return WaitResult::Aborted;
        if (forConnection && !link.isConnecting())
            return link.isOpen() ? WaitResult::Ready : WaitResult::PortLost;
        if (count > 0 && link.waiting() >= count)
            return WaitResult::Ready;
        if (count > 0 && !link.isOpen())
            return WaitResult::PortLost;
        if (deadline.hasExpired())
            return WaitResult::TimedOut;
        if (!deadline.isForever())
            timer.start(std::max<qint64>(0, deadline.remainingTime()));
        // exec() answers -1 at once when the application was told to quit.
        if (loop.exec() == -1)
            throw ProgramClosing();
    }
}

} // namespace

WaitResult LinkWait::forBytes(SerialLink &link, const AbortFlag *abort, qsizetype count,
                              int timeoutMs)
{
    return wait(link, abort, std::max<qsizetype>(1, count), timeoutMs);
}

WaitResult LinkWait::forConnection(SerialLink &link, int timeoutMs)
{
    return wait(link, nullptr, 0, timeoutMs, true);
}

WaitResult LinkWait::idle(SerialLink &link, const AbortFlag *abort, int timeoutMs)
{
    return wait(link, abort, 0, timeoutMs);
}

WaitResult LinkWait::quiet(SerialLink &link, const AbortFlag *abort, int quietMs, int maxMs)
{
    const QDeadlineTimer deadline(maxMs, Qt::PreciseTimer);
    for (;;) {
        link.discardInput();
        const int left = int(std::max<qint64>(0, deadline.remainingTime()));
        const WaitResult result = wait(link, abort, 1, std::min(quietMs, left));
        if (result == WaitResult::TimedOut)
            return left >= quietMs ? WaitResult::Ready : WaitResult::TimedOut;
        if (result != WaitResult::Ready)
            return result;
    }
}
