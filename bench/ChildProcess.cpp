#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t interruption = 0;

// Ctrl-C, a kill, a closed terminal, or a reader of the figures gone away.
const int interruptions[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

void noteInterruption(int) { interruption = 1; }

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; }

// Calls tick once a second on a thread of its own, until destroyed. The
// thread takes none of the interruptions, so that they interrupt the wait
// for the child instead.
class Ticker {
public:
    Ticker(const Tick& tick, Clock::time_point start) {
        sigset_t blocked, previous;
        sigemptyset(&blocked);
        for (int signal : interruptions)
            sigaddset(&blocked, signal);
        pthread_sigmask(SIG_BLOCK, &blocked, &previous);
        thread = std::thread([this, tick, start] { run(tick, start); });
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }

    ~Ticker() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopped = true;
        }
        wake.notify_one();
        thread.join();
    }

private:
    void run(const Tick& tick, Clock::time_point start) {
        std::unique_lock<std::mutex> lock(mutex);
        while (!wake.wait_for(lock, std::chrono::seconds(1), [this] { return stopped; }))
            tick(secondsSince(start));
    }

    std::mutex mutex;
    std::condition_variable wake;
    bool stopped = false;
    std::thread thread;
};

[[noreturn]] void becomeChild(const std::vector<std::string>& command, const std::string& outputPath) {
    int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (output < 0 || dup2(output, STDOUT_FILENO) < 0 || dup2(output, STDERR_FILENO) < 0)
        _exit(127);
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    execvp(arguments[0], arguments.data());
    _exit(127);
}

int statusOf(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

}  // namespace

ChildCost runChild(const std::vector<std::string>& command, const std::string& outputPath, const Tick& tick) {
    Clock::time_point start = Clock::now();
    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("could not start " + command.front());
    if (child == 0)
        becomeChild(command, outputPath);
    int waitStatus = 0;
    rusage usage{};
    double wall = 0;
    {
        Ticker ticker(tick, start);
        while (wait4(child, &waitStatus, 0, &usage) < 0) {
            if (errno != EINTR)
                throw std::runtime_error("lost the child " + command.front());
            if (interruption)
                kill(child, SIGTERM);
        }
        wall = secondsSince(start);
    }
    return {wall, seconds(usage.ru_utime), seconds(usage.ru_stime), usage.ru_maxrss, statusOf(waitStatus)};
}

void catchInterruptions() {
    struct sigaction action {};
    action.sa_handler = noteInterruption;
    sigemptyset(&action.sa_mask);
    for (int signal : interruptions)
        sigaction(signal, &action, nullptr);
}

bool interrupted() { return interruption != 0; }

ChildCost runOrThrow(const std::vector<std::string>& command, const std::string& outputPath) {
    ChildCost cost = runChild(command, outputPath, [](double) {});
    if (cost.status != 0)
        throw std::runtime_error(command.front() + " failed with status " + std::to_string(cost.status) + ", see " +
                                 outputPath);
    return cost;
}
