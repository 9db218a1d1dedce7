#include "transfer/win32/body_file.h"

#include <wincrypt.h>

#include <array>
#include <vector>

#include "platform/win32/wide.h"
#include "transfer/transfer_monitor.h"
#include "trust/threaded_sha256.h"

namespace veltra {
namespace {

// Sixteen bytes from the system's random source; none when it fails, and then no file is made.
std::optional<std::array<std::uint8_t, 16>> RandomBytes() {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
        return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    const bool made = CryptGenRandom(provider, static_cast<DWORD>(bytes.size()), bytes.data()) != FALSE;
    CryptReleaseContext(provider, 0);
    if (!made) return std::nullopt;
    return bytes;
}

// Created new (an existing name, a link included, is never opened), shared with no one.
HANDLE CreateTemporary(const std::wstring& target) {
    const auto random = RandomBytes();
    if (!random) return INVALID_HANDLE_VALUE;
    const std::wstring path = ToWide(TemporaryDownloadPath(FromWide(target), *random));
    return CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool MarkForDeletion(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

bool RenameTo(HANDLE file, const std::wstring& target) {
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<std::uint8_t> block(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    CopyMemory(rename->FileName, target.c_str(), nameBytes);
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(block.size())) != FALSE;
}

}  // namespace

bool IsPlainFileOrAbsent(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool read = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return read && (info.dwFileAttributes & kNotPlain) == 0 && info.nNumberOfLinks == 1;
}

BodyFile::BodyFile(const std::wstring& target, std::uint64_t limit, bool hashed)
    : file_(CreateTemporary(target)), limit_(limit), hashed_(hashed) {
    failed_ = file_ == INVALID_HANDLE_VALUE || !MarkForDeletion(file_, true);
    Restart();
}

BodyFile::~BodyFile() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void BodyFile::Restart() {
    if (file_ != INVALID_HANDLE_VALUE && (SetFilePointer(file_, 0, nullptr, FILE_BEGIN) != 0 || !SetEndOfFile(file_)))
        failed_ = true;
    bytes_ = 0;
    full_ = false;
    hash_.reset();
    if (hashed_) hash_ = std::make_unique<ThreadedSha256>(crypto_.NewSha256());
}

bool BodyFile::Write(std::span<const std::uint8_t> bytes) {
    if (failed_ || full_) return false;
    if (bytes.size() > limit_ - bytes_) {
        full_ = true;
        return false;
    }
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

std::optional<Sha256Digest> BodyFile::Digest() {
    if (!hash_) return std::nullopt;
    const Sha256Digest digest = hash_->Finish();
    hash_.reset();
    return digest;
}

void BodyFile::Discard() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    failed_ = true;
}

bool BodyFile::Keep(const std::wstring& target) {
    if (failed_ || !MarkForDeletion(file_, false)) return false;
    if (RenameTo(file_, target)) return true;
    MarkForDeletion(file_, true);
    return false;
}

}  // namespace veltra
