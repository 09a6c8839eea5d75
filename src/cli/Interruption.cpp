#include "Interruption.h"

#include "ops/TesterSession.h"

#include <QSocketNotifier>

#include <csignal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

Interruption *current = nullptr;

#ifdef Q_OS_WIN
// Called on a thread of its own: the signal is handed to the program's.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    const int signal = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    if (!current)
        return FALSE;
    Interruption *to = current;
    QMetaObject::invokeMethod(
        to, [to, signal] { to->arrived(signal); }, Qt::QueuedConnection);
    return TRUE;
}
#else
int pipeFds[2] = {-1, -1};

// Only what is safe in a signal handler: one byte down a pipe.
void onSignal(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const auto written = ::write(pipeFds[1], &byte, 1);
}
#endif

} // namespace

Interruption::Interruption(TesterSession &session)
    : m_session(session)
{
    current = this;
#ifdef Q_OS_WIN
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeFds) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(pipeFds[0], &byte, 1) == 1)
            arrived(byte);
    });
    for (const int s : {SIGINT, SIGTERM})
        std::signal(s, onSignal);
#endif
}

Interruption::~Interruption()
{
#ifdef Q_OS_WIN
    ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
#else
    for (const int s : {SIGINT, SIGTERM})
        std::signal(s, SIG_DFL);
    delete m_notifier;
    for (int &fd : pipeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
#endif
    current = nullptr;
}

QString Interruption::name(int signal)
{
    return signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM");
}

void Interruption::arrived(int signal)
{
    if (m_signal)
        return; // the first one is being answered
    if (!m_session.isWriting()) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    m_signal = signal;
    m_session.interrupt(QStringLiteral("interrupted by %1").arg(name(signal)));
}
