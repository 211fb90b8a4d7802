#ifndef KORRIN_BLOCK_WRITER_H
#define KORRIN_BLOCK_WRITER_H

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <streambuf>
#include <thread>
#include <vector>

// Writes blocks to a stream on a thread of its own, one at a time and in the
// order handed, so that the system copies one block into the file while the
// next is being filled. After a block fails, none is written any more.
class BlockWriter {
public:
    BlockWriter(std::streambuf& stream, std::size_t blockSize);
    // Waits for the block handed last.
    ~BlockWriter();
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    // Takes the first used bytes of block to write and gives back an empty
    // block of the same size, once the block handed before is written.
    // False when a block failed: then block is not taken.
    bool hand(std::vector<char>& block, std::size_t used);
    // Waits until the block handed last is written; false when one failed.
    bool finish();

private:
    void run();

    std::streambuf& stream;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<char> pending;  // being written while busy
    std::size_t pendingSize = 0;
    bool busy = false;
    bool failed = false;
    bool stopping = false;
    std::thread thread;  // last: it starts once the rest is ready
};

#endif
