#include "Console.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>
#include <windows.h>

namespace {
DWORD saved = 0;
bool savedValid = false;
} // namespace

bool Console::isTerminal(Stream stream)
{
    return ::_isatty(stream) != 0;
}

void Console::setEcho(bool on)
{
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (!on) {
        savedValid = ::GetConsoleMode(input, &saved) != 0;
        if (savedValid)
            ::SetConsoleMode(input, saved & ~DWORD(ENABLE_ECHO_INPUT));
    } else if (savedValid) {
        ::SetConsoleMode(input, saved);
    }
}

bool Console::readByte(char &byte)
{
    return ::_read(0, &byte, 1) == 1;
}

void Console::onEndingSignals(void (*handler)(int))
{
    for (const int s : {SIGINT, SIGTERM, SIGBREAK})
        std::signal(s, handler);
}

void Console::setBinary(Stream stream)
{
    ::_setmode(stream, _O_BINARY);
}
