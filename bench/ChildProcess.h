#ifndef KORRIN_BENCH_CHILD_PROCESS_H
#define KORRIN_BENCH_CHILD_PROCESS_H

#include <functional>
#include <string>
#include <vector>

// What one child process cost, as its parent sees it.
struct ChildCost {
    double wallSeconds;
    double userSeconds;
    double systemSeconds;
    long peakResidentKiB;
    int status;  // exit status, or 128 + the signal that ended it
};

// Called about once a second while a child runs, with the seconds so far.
using Tick = std::function<void(double seconds)>;

// Runs command (the program first, looked up on the search path) with its
// standard output and error going to outputPath, and waits for it; tick
// runs on a thread of its own meanwhile. A child that cannot start ends
// with status 127. Throws std::runtime_error when no child can be made.
ChildCost runChild(const std::vector<std::string>& command, const std::string& outputPath, const Tick& tick);

// Runs command as runChild does, without a tick, and throws
// std::runtime_error naming the log when it does not end with status 0.
ChildCost runOrThrow(const std::vector<std::string>& command, const std::string& outputPath);

// Makes SIGINT, SIGTERM, SIGHUP and SIGPIPE end the running child and then
// let the caller see interrupted(), so that it can clean up before it exits.
void catchInterruptions();
bool interrupted();

#endif
