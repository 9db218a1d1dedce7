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

// The body of one transfer as it arrives: written to the temporary file and, when a signed
// list gives the file's hash, hashed at the same time on a thread of its own, so the check
// costs no second read of the file.
class BodyFile {
public:
    BodyFile(const std::wstring& path, bool hashed);
    BodyFile(const BodyFile&) = delete;
    BodyFile& operator=(const BodyFile&) = delete;
    ~BodyFile();

    // Another reply's body follows (a redirect): the file is emptied and the hash begun anew.
    void Restart();
    // False once the file could not be created or a write failed; nothing is written after.
    bool Write(std::span<const std::uint8_t> bytes);
    bool Failed() const { return failed_; }
    std::uint64_t Bytes() const { return bytes_; }
    // Closes the file, so it may replace the target.
    void Close();
    // Ends the hash of what was written; nothing when the body was not hashed.
    std::optional<Sha256Digest> Digest();

private:
    HANDLE file_;
    Win32Crypto crypto_;
    bool hashed_;
    std::unique_ptr<ISha256> hash_;
    std::uint64_t bytes_ = 0;
    bool failed_ = false;
};

}  // namespace veltra
