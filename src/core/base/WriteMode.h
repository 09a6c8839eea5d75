#pragma once

// How a value is encoded for the tester's memory.
enum class WriteMode {
    Number,   // decimal digits, least significant byte first
    Text,     // one character per byte, blank-padded
    FromFile, // the value written in the definition line itself
};
