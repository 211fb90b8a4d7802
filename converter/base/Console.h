#ifndef KORRIN_CONSOLE_H
#define KORRIN_CONSOLE_H

#include <iostream>
#include <string>

// Prints one console line and flushes it, so that a reading process (the
// wizard) sees every line as soon as it is printed.
inline void printLine(const std::string& line) { std::cout << line << '\n' << std::flush; }

#endif
