#pragma once

// The few calls on the user's console that differ between Linux and
// Windows; everything else in orva-cli is the same code on both.
namespace Console {

enum Stream { Input = 0, Output = 1, Error = 2 };

bool isTerminal(Stream stream);
// Turns the input's echo off or back on; safe in a signal handler where
// the system allows (Linux).
void setEcho(bool on);
// One byte of the standard input, unbuffered, so nothing past the password's
// line is taken from a script's input; false at its end.
bool readByte(char &byte);
// Bytes go out as they are: no line-end translation (Windows' text mode).
void setBinary(Stream stream);
// Signals that end the program from the console, for the echo to come back.
void onEndingSignals(void (*handler)(int));

} // namespace Console
