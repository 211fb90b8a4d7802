#include "model/BlockWriter.h"

#include <utility>

BlockWriter::BlockWriter(std::streambuf& stream, std::size_t blockSize)
    : stream(stream), pending(blockSize), thread(&BlockWriter::run, this) {}

BlockWriter::~BlockWriter() {
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return !busy; });
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

bool BlockWriter::hand(std::vector<char>& block, std::size_t used) {
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return !busy; });
        if (failed)
            return false;
        std::swap(pending, block);
        pendingSize = used;
        busy = true;
    }
    changed.notify_all();
    return true;
}

bool BlockWriter::finish() {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return !busy; });
    return !failed;
}

void BlockWriter::run() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return busy || stopping; });
        if (!busy)
            return;
        // The block is the writer's alone while busy.
        lock.unlock();
        const std::streamsize size = static_cast<std::streamsize>(pendingSize);
        const bool written = stream.sputn(pending.data(), size) == size;
        lock.lock();
        if (!written)
            failed = true;
        busy = false;
        changed.notify_all();
    }
}
