#pragma once

#include <QString>

#include <optional>

// The password, asked for on the terminal without echo, or taken from the
// first line of standard input when that is not a terminal. Never from the
// command line, where other users of the machine could read it.
namespace PasswordInput {

// No password is this long: endless input is refused, not read to its end.
constexpr int MaxLength = 256;

// The line without its end; nullopt when no line end came within MaxLength
// bytes (input that simply ends counts as the end of the line).
std::optional<QString> read();

// However the program ends, Ctrl+C at the prompt included, the terminal's
// echo comes back.
void restoreTerminalOnExit();

} // namespace PasswordInput
