#include "PasswordInput.h"

#include <QTextStream>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

QString PasswordInput::read()
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
    QTextStream in(stdin);
    const QString line = in.readLine();
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        QTextStream(stderr) << '\n';
    }
    return line;
}
