#include "PasswordInput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTextStream>

#include "Console.h"

#include <csignal>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t echoOff = 0;

void restoreEcho()
{
    if (echoOff) {
        Console::setEcho(true);
        echoOff = 0;
    }
}

void onSignal(int signal)
{
    restoreEcho();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::optional<QByteArray> readLine()
{
    QByteArray line;
    char c = 0;
    while (Console::readByte(c)) {
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
    Console::onEndingSignals(onSignal);
}

std::optional<QString> PasswordInput::read()
{
    const bool terminal = Console::isTerminal(Console::Input);
    if (terminal) {
        QTextStream(stderr) << QCoreApplication::translate("PasswordInput", "Password: ")
                            << Qt::flush;
        echoOff = 1;
        Console::setEcho(false);
    }
    auto line = readLine();
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
