#include "download/win32/body_file.h"

#include "trust/threaded_sha256.h"

namespace veltra {

BodyFile::BodyFile(const std::wstring& path, bool hashed)
    : file_(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)),
      hashed_(hashed) {
    failed_ = file_ == INVALID_HANDLE_VALUE;
    Restart();
}

BodyFile::~BodyFile() { Close(); }

void BodyFile::Restart() {
    if (file_ != INVALID_HANDLE_VALUE && (SetFilePointer(file_, 0, nullptr, FILE_BEGIN) != 0 || !SetEndOfFile(file_)))
        failed_ = true;
    bytes_ = 0;
    hash_.reset();
    if (hashed_) hash_ = std::make_unique<ThreadedSha256>(crypto_.NewSha256());
}

bool BodyFile::Write(std::span<const std::uint8_t> bytes) {
    if (failed_) return false;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    if (!WriteFile(file_, bytes.data(), size, &written, nullptr) || written != size) {
        failed_ = true;
        return false;
    }
    bytes_ += size;
    if (hash_) hash_->Add(bytes);
    return true;
}

void BodyFile::Close() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

std::optional<Sha256Digest> BodyFile::Digest() {
    if (!hash_) return std::nullopt;
    const Sha256Digest digest = hash_->Finish();
    hash_.reset();
    return digest;
}

}  // namespace veltra
