#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/crypto.h"
#include "platform/win32/win32_crypto.h"

namespace veltra {

// The body of one transfer as it arrives: written to a temporary file beside the target
// and, when a signed list gives the file's hash, hashed at the same time on a thread of its
// own, so the check costs no second read of the file. The temporary file is created new
// under a random name, so a link planted in the folder is never followed, and it is marked
// for deletion from the start: whatever ends the transfer (a failure, a stop, a worker let
// go, the process ended), the file goes with its handle unless it was kept.
class BodyFile {
public:
    // limit: the most bytes the body may have; a write that would pass it is refused.
    BodyFile(const std::wstring& target, std::uint64_t limit, bool hashed);
    BodyFile(const BodyFile&) = delete;
    BodyFile& operator=(const BodyFile&) = delete;
    ~BodyFile();

    // Another reply's body follows (a redirect): the file is emptied and the hash begun anew.
    void Restart();
    // False once the file could not be created, a write failed or the limit would be
    // passed; nothing is written after.
    bool Write(std::span<const std::uint8_t> bytes);
    bool Failed() const { return failed_; }
    // The body came to more than the limit.
    bool Full() const { return full_; }
    std::uint64_t Bytes() const { return bytes_; }
    // Ends the hash of what was written; nothing when the body was not hashed.
    std::optional<Sha256Digest> Digest();
    // Closes the file now, which deletes it; nothing is written after.
    void Discard();
    // Puts the file in the target's place, renamed through its own handle: what a link
    // there leads to is never touched. False, and the file dropped, when it cannot.
    bool Keep(const std::wstring& target);

private:
    HANDLE file_;
    Win32Crypto crypto_;
    std::uint64_t limit_;
    bool hashed_;
    std::unique_ptr<ISha256> hash_;
    std::uint64_t bytes_ = 0;
    bool failed_ = false;
    bool full_ = false;
};

// Nothing there yet, or a file with this one name that is neither a folder nor a link:
// the only target a transfer replaces, so a link planted there stays as it is.
bool IsPlainFileOrAbsent(const std::wstring& path);

}  // namespace veltra
