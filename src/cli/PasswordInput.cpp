#include "PasswordInput.h"

#include <QByteArray>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

namespace {

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

std::optional<QString> PasswordInput::read()
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        QTextStream(stderr) << "Password: " << Qt::flush;
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    auto line = readLine(STDIN_FILENO);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        QTextStream(stderr) << '\n';
    }
    if (!line)
        return std::nullopt;
    if (line->endsWith('\r'))
        line->chop(1);
    return QString::fromUtf8(*line);
}
