#include "Console.h"

#include <csignal>
#include <initializer_list>
#include <termios.h>
#include <unistd.h>

namespace {
termios saved{};
bool savedValid = false;
} // namespace

bool Console::isTerminal(Stream stream)
{
    return ::isatty(stream);
}

void Console::setEcho(bool on)
{
    if (!on) {
        savedValid = ::tcgetattr(STDIN_FILENO, &saved) == 0;
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        if (savedValid)
            ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    } else if (savedValid) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved); // async-signal-safe
    }
}

bool Console::readByte(char &byte)
{
    return ::read(STDIN_FILENO, &byte, 1) == 1;
}

void Console::onEndingSignals(void (*handler)(int))
{
    for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        std::signal(s, handler);
}

void Console::setBinary(Stream) {}
