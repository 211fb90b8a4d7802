#include "ProgressLine.h"

#include <cstdio>
#include <unistd.h>

namespace {

const int logInterval = 10;

}  // namespace

ProgressLine::ProgressLine() : onTerminal(isatty(STDERR_FILENO) != 0) {}

void ProgressLine::show(const std::string& text, double seconds) {
    int whole = static_cast<int>(seconds + 0.5);
    if (onTerminal)
        std::fprintf(stderr, "\r\033[K%s: %d s", text.c_str(), whole);
    else if (whole % logInterval == 0)
        std::fprintf(stderr, "%s: %d s\n", text.c_str(), whole);
    std::fflush(stderr);
    shown = true;
}

void ProgressLine::clear() {
    if (shown && onTerminal)
        std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    shown = false;
}
