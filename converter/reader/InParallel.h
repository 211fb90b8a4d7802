#ifndef KORRIN_IN_PARALLEL_H
#define KORRIN_IN_PARALLEL_H

#include <future>
#include <system_error>

// Starts work on a thread of its own. When no thread can be started, the
// work is done by whoever asks for its result, when it asks: later, but the
// same.
template <typename Work>
auto inParallel(const Work& work) -> std::future<decltype(work())> {
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, work);
    }
}

#endif
