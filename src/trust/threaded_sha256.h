#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/crypto.h"

namespace veltra {

// A hash taken on a thread of its own: Add copies the bytes and returns, so a transfer
// writing a block and the hash of the block before it run at the same time. At most a few
// blocks wait, so a slow hash holds the writer back instead of filling the memory.
class ThreadedSha256 final : public ISha256 {
public:
    explicit ThreadedSha256(std::unique_ptr<ISha256> hash);
    ThreadedSha256(const ThreadedSha256&) = delete;
    ThreadedSha256& operator=(const ThreadedSha256&) = delete;
    // Drops what still waits and ends the thread.
    ~ThreadedSha256() override;

    void Add(std::span<const std::uint8_t> bytes) override;
    // Waits for every block added before it.
    Sha256Digest Finish() override;

private:
    void HashBlocks();
    void EndThread(bool dropWaiting);

    std::unique_ptr<ISha256> hash_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<std::uint8_t>> waiting_;
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace veltra
