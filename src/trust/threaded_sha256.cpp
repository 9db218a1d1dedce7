#include "trust/threaded_sha256.h"

#include <utility>

namespace veltra {
namespace {

constexpr std::size_t kMostWaitingBlocks = 16;

}  // namespace

ThreadedSha256::ThreadedSha256(std::unique_ptr<ISha256> hash)
    : hash_(std::move(hash)), thread_([this] { HashBlocks(); }) {}

ThreadedSha256::~ThreadedSha256() { EndThread(true); }

void ThreadedSha256::Add(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < kMostWaitingBlocks; });
    waiting_.emplace_back(bytes.begin(), bytes.end());
    changed_.notify_all();
}

Sha256Digest ThreadedSha256::Finish() {
    EndThread(false);
    return hash_->Finish();
}

void ThreadedSha256::HashBlocks() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
        if (waiting_.empty()) return;
        const std::vector<std::uint8_t> block = std::move(waiting_.front());
        waiting_.pop_front();
        changed_.notify_all();
        lock.unlock();
        hash_->Add(block);
        lock.lock();
    }
}

void ThreadedSha256::EndThread(bool dropWaiting) {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        if (dropWaiting) waiting_.clear();
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

}  // namespace veltra
