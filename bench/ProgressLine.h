#ifndef KORRIN_BENCH_PROGRESS_LINE_H
#define KORRIN_BENCH_PROGRESS_LINE_H

#include <string>

// The line on standard error that says how a long case is getting on. On a
// terminal it is rewritten in place and wiped when the case ends; in a log
// it is a new line every ten seconds.
class ProgressLine {
public:
    ProgressLine();
    void show(const std::string& text, double seconds);
    void clear();

private:
    bool onTerminal;
    bool shown = false;
};

#endif
