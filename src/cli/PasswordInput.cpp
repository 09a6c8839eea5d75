#include "PasswordInput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace {

termios saved{};
volatile std::sig_atomic_t echoOff = 0;

void restoreEcho()
{
    if (echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        echoOff = 0;
    }
}

void onSignal(int signal)
{
    restoreEcho(); // tcsetattr is async-signal-safe
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::optional<QByteArray> readLine(int fd)
{
    QByteArray line;
    char c = 0;
    while (::read(fd, &c, 1) == 1) {
        if (c == '\n')
            return line;
        if (line.size() >= PasswordInput::MaxLength)
            return std::nullopt;
        line.append(c);
    }
    return line;
}

} // namespace

void PasswordInput::restoreTerminalOnExit()
{
    std::atexit(restoreEcho);
    for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        std::signal(s, onSignal);
}

std::optional<QString> PasswordInput::read()
{
    const bool terminal = ::isatty(STDIN_FILENO);
    if (terminal) {
        QTextStream(stderr) << QCoreApplication::translate("PasswordInput", "Password: ")
                            << Qt::flush;
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        echoOff = 1;
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    auto line = readLine(STDIN_FILENO);
    if (terminal) {
        restoreEcho();
        QTextStream(stderr) << '\n';
    }
    if (!line)
        return std::nullopt;
    if (line->endsWith('\r'))
        line->chop(1);
    return QString::fromUtf8(*line);
}
