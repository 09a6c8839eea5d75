#pragma once

// Thrown by a wait for the tester when the program is closing: unwinds the
// running operation to the handler that started it, which then just returns.
class ProgramClosing
{
};
