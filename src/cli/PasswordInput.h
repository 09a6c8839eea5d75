#pragma once

#include <QString>

// The password, asked for on the terminal without echo, or taken from the
// first line of standard input when that is not a terminal. Never from the
// command line, where other users of the machine could read it.
namespace PasswordInput {

QString read();

} // namespace PasswordInput
